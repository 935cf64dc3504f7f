#include "app/TreeView.h"

#include "core/FormTable.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPen>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

namespace parsella {

using grammar::TreeBox;

namespace {

// Labels and branches stay a quiet grey so that the words, the learner's own choices,
// carry the colour the sentence label gives them.
const QColor branchColour(0x70, 0x70, 0x70);
const QColor labelColour(0x20, 0x40, 0x80);
const QColor understoodColour(0x70, 0x70, 0x70);

const QString emptyHint = QObject::tr("The tree of the sentence you build grows here.");

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
    setAccessibleDescription(shown ? shown->description() : emptyHint);
    updateGeometry();
    refit();
    update();
}

QSize TreeView::sizeHint() const
{
    if (picture)
        return picture->size().toSize() + QSize(1, 1);
    const QFontMetrics metrics(font());
    return QSize(metrics.horizontalAdvance(emptyHint) + 24, metrics.height() + 24);
}

QSize TreeView::minimumSizeHint() const
{
    if (!picture)
        return sizeHint();
    const QSizeF drawn = picture->size() * scale();
    return QSize(int(std::ceil(drawn.width())), int(std::ceil(drawn.height()))) + QSize(1, 1);
}

QSizeF TreeView::room() const
{
    // One pixel kept for the drawing's last line, so a fitted tree never asks for a scroll bar.
    const QWidget *viewport = parentWidget();
    return viewport ? QSizeF(viewport->size() - QSize(1, 1)) : QSizeF(size());
}

qreal TreeView::scale() const
{
    return picture ? grammar::TreeZoom::scale(picture->size(), room(), zoomSteps) : 1.0;
}

void TreeView::setZoom(int steps)
{
    // Steps beyond the bounds change nothing visible, so they are not counted either.
    if (picture && steps != 0 && grammar::TreeZoom::scale(picture->size(), room(), steps) == scale())
        return;
    zoomSteps = steps;
    refit();
}

// The scroll area sizes the view when the view's size changes: at least the drawing, at
// least the viewport.
void TreeView::refit()
{
    updateGeometry();
    resize(minimumSizeHint());
    update();
}

void TreeView::wheelEvent(QWheelEvent *event)
{
    if (!(event->modifiers() & Qt::ControlModifier)) {
        event->ignore(); // the scroll area scrolls
        return;
    }
    const int notches = event->angleDelta().y() / 120;
    for (int i = 0; i < std::abs(notches); ++i)
        notches > 0 ? zoomIn() : zoomOut();
    event->accept();
}

// The scroll area's viewport resized: the fitted scale follows it.
bool TreeView::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        refit();
    return QWidget::eventFilter(watched, event);
}

void TreeView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (picture) {
        const qreal s = scale();
        const QSizeF drawn = picture->size() * s;
        painter.translate(std::max(0.0, (width() - drawn.width()) / 2), std::max(0.0, (height() - drawn.height()) / 2));
        painter.scale(s, s);
        picture->draw(painter);
        return;
    }
    painter.setPen(palette().color(QPalette::PlaceholderText));
    painter.drawText(rect(), Qt::AlignCenter, emptyHint);
}

} // namespace parsella
