#include "app/TreeView.h"

#include "core/FormTable.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPen>
#include <cmath>

namespace parsella {

using grammar::TreeBox;

namespace {

// Labels and branches stay a quiet grey so that the words, the learner's own choices,
// carry the colour the sentence label gives them.
const QColor branchColour(0x70, 0x70, 0x70);
const QColor labelColour(0x20, 0x40, 0x80);
const QColor understoodColour(0x70, 0x70, 0x70);

// Looked up when shown, not at start-up: a translation is installed after static
// initialisation, and may change while the program runs.
QString emptyHint()
{
    return TreeView::tr("The tree of the sentence you build grows here.");
}

grammar::TreeSpacing spacingFor(const QFont &font)
{
    const QFontMetricsF metrics(font);
    grammar::TreeSpacing sp;
    sp.lineHeight = std::ceil(metrics.height());
    sp.padding = 3;
    sp.gap = 10;
    sp.levelStep = sp.lineHeight + 20;
    sp.margin = 10;
    return sp;
}

} // namespace

QFont TreePicture::font()
{
    return classicFont(9.75);
}

TreePicture::TreePicture(const grammar::Sentence &sentence, bool complete)
    : complete(complete)
{
    const QFont f = font();
    const QFontMetricsF metrics(f);
    // A word box one pixel wider than its text, so that rounding in a printer's or an
    // SVG viewer's text layout cannot push a letter out of it.
    layout = grammar::layOutTree(sentence.tree(),
                                 [&metrics](const QString &text) { return std::ceil(metrics.horizontalAdvance(text)) + 1; },
                                 spacingFor(f));
}

void TreePicture::draw(QPainter &painter, QPointF origin) const
{
    painter.save();
    painter.translate(origin);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(branchColour, 1));
    for (const QLineF &line : layout.lines)
        painter.drawLine(line);

    painter.setFont(font());
    const QColor wordColour = bgr(complete ? colour::black : colour::red);
    for (const TreeBox &box : layout.boxes) {
        switch (box.kind) {
        case TreeBox::Kind::Label:
            painter.setPen(labelColour);
            break;
        case TreeBox::Kind::Word:
            painter.setPen(wordColour);
            break;
        case TreeBox::Kind::Understood:
            painter.setPen(understoodColour);
            break;
        case TreeBox::Kind::Placeholder:
            // A part still to choose: red, as the sentence label shows what is missing, and
            // framed, so that it does not read as a word of the sentence.
            painter.setPen(QPen(bgr(colour::red), 1, Qt::DashLine));
            painter.drawRoundedRect(box.rect.adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
            painter.setPen(bgr(colour::red));
            break;
        }
        painter.drawText(box.rect, Qt::AlignCenter, box.text);
    }
    painter.restore();
}

TreeView::TreeView(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("tree"));
    setAccessibleName(tr("Sentence tree"));
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    setFont(TreePicture::font());
    rebuild();
}

void TreeView::setSentence(const std::optional<grammar::Sentence> &sentence, bool isComplete)
{
    if (sentence == shown && isComplete == complete)
        return;
    shown = sentence;
    complete = isComplete;
    rebuild();
}

void TreeView::rebuild()
{
    if (shown)
        picture.emplace(*shown, complete);
    else
        picture.reset();
    setAccessibleDescription(shown ? shown->description() : emptyHint());
    updateGeometry();
    adjustSize();
    update();
}

QSize TreeView::sizeHint() const
{
    if (picture)
        return picture->size().toSize() + QSize(1, 1);
    const QFontMetrics metrics(font());
    return QSize(metrics.horizontalAdvance(emptyHint()) + 24, metrics.height() + 24);
}

void TreeView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (picture) {
        picture->draw(painter);
        return;
    }
    painter.setPen(palette().color(QPalette::PlaceholderText));
    painter.drawText(rect(), Qt::AlignCenter, emptyHint());
}

} // namespace parsella
