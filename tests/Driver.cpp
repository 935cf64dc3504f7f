#include "Driver.h"

#include <QAbstractButton>
#include <QDialog>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTest>

namespace drive {

std::shared_ptr<bool> onNextModal(Script script, QObject *scope)
{
    auto ran = std::make_shared<bool>(false);
    QTimer::singleShot(0, scope ? scope : qApp, [ran, script = std::move(script)] {
        QPointer<QWidget> window = QApplication::activeModalWidget();
        if (!window)
            return; // no modal window opened: the flag stays false and the test says so
        script(window);
        *ran = !QTest::currentTestFailed();
        if (window && window->isVisible()) {
            if (auto *dialog = qobject_cast<QDialog *>(window.data()))
                dialog->reject();
            else
                window->close();
        }
    });
    return ran;
}

bool clickInto(QAbstractButton *button, Script script)
{
    QObject scope;
    auto ran = onNextModal(std::move(script), &scope);
    button->click();
    return *ran;
}

QAbstractButton *button(const QWidget *window, const char *name)
{
    return window->findChild<QAbstractButton *>(QLatin1String(name));
}

QAbstractButton *option(const QWidget *window, const char *group, int index)
{
    auto *g = window->findChild<QButtonGroup *>(QLatin1String(group));
    return g ? g->button(index) : nullptr;
}

QLabel *label(const QWidget *window, const char *name)
{
    return window->findChild<QLabel *>(QLatin1String(name));
}

bool clickOption(QWidget *window, const char *group, int index)
{
    QAbstractButton *b = option(window, group, index);
    if (!b) {
        QTest::qFail(qPrintable(QStringLiteral("no option %1(%2)").arg(QLatin1String(group)).arg(index)), __FILE__, __LINE__);
        return false;
    }
    if (!b->isEnabled() || !b->isVisibleTo(window)) {
        QTest::qFail(qPrintable(b->objectName() + " cannot be clicked"), __FILE__, __LINE__);
        return false;
    }
    b->click();
    return true;
}

QAbstractButton *optionShowing(const QWidget *window, const QString &caption)
{
    const auto options = window->findChildren<QRadioButton *>();
    for (QRadioButton *option : options)
        if (option->text() == caption)
            return option;
    return nullptr;
}

QStringList captions(const QWidget *window, const char *group, const std::function<bool(const QAbstractButton *)> &which)
{
    auto *g = window->findChild<QButtonGroup *>(QLatin1String(group));
    if (!g)
        return {QStringLiteral("missing group ") + QLatin1String(group)};
    QList<QAbstractButton *> buttons = g->buttons();
    std::sort(buttons.begin(), buttons.end(), [g](auto *x, auto *y) { return g->id(x) < g->id(y); });
    QStringList out;
    for (const QAbstractButton *b : std::as_const(buttons))
        if (!which || which(b))
            out << b->text();
    return out;
}

QString look(const QWidget *control)
{
    if (!control)
        return QStringLiteral("missing");
    if (!control->isVisibleTo(control->window()))
        return QStringLiteral("hidden");
    return control->isEnabled() ? QStringLiteral("enabled") : QStringLiteral("disabled");
}

static QList<int> idsWhere(const QWidget *window, const char *group, bool (*pred)(const QAbstractButton *))
{
    QList<int> ids;
    auto *g = window->findChild<QButtonGroup *>(QLatin1String(group));
    if (!g)
        return {-1};
    const auto buttons = g->buttons();
    for (QAbstractButton *b : buttons)
        if (pred(b))
            ids.append(g->id(b));
    std::sort(ids.begin(), ids.end());
    return ids;
}

QList<int> enabledIds(const QWidget *window, const char *group)
{
    return idsWhere(window, group, [](const QAbstractButton *b) { return b->isEnabled(); });
}

QList<int> checkedIds(const QWidget *window, const char *group)
{
    return idsWhere(window, group, [](const QAbstractButton *b) { return b->isChecked(); });
}

QString clippedCaption(const QWidget *w)
{
    const QFontMetrics fm(w->font());
    const QStyle *style = w->style();
    const auto report = [w](const QString &text, const QSize &need, const QSize &have) {
        return QStringLiteral("%1 \"%2\" needs %3x%4, has %5x%6")
            .arg(w->objectName(), text)
            .arg(need.width()).arg(need.height()).arg(have.width()).arg(have.height());
    };
    // A caption whose font borrows no glyphs, with a letter its face lacks, is drawn as boxes.
    QString caption;
    if (auto *l = qobject_cast<const QLabel *>(w))
        caption = l->text();
    else if (auto *b = qobject_cast<const QAbstractButton *>(w))
        caption = b->text();
    else if (auto *g = qobject_cast<const QGroupBox *>(w))
        caption = g->title();
    if (w->font().styleStrategy() & QFont::NoFontMerging) {
        for (const char32_t c : caption.toUcs4()) {
            if (!QChar::isSpace(c) && !fm.inFontUcs4(c))
                return QStringLiteral("%1 \"%2\" is drawn as boxes: its face lacks U+%3")
                    .arg(w->objectName(), caption)
                    .arg(uint(c), 4, 16, QLatin1Char('0'));
        }
    }
    if (auto *l = qobject_cast<const QLabel *>(w)) {
        // Inside the frame; an empty label still needs room for its frame.
        const QSize need(fm.horizontalAdvance(l->text()), l->text().isEmpty() ? 0 : fm.height());
        const QRect have = l->contentsRect();
        if (need.width() > have.width() || need.height() > have.height())
            return report(l->text(), need, have.size());
    } else if (auto *r = qobject_cast<const QRadioButton *>(w)) {
        // Beside the indicator, in the place the style gives the text, inside the button.
        QStyleOptionButton opt;
        opt.initFrom(r);
        opt.text = r->text();
        const QRect text = style->subElementRect(QStyle::SE_RadioButtonContents, &opt, r);
        const int indicator = style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, r)
                              + style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, r);
        const QSize need(fm.horizontalAdvance(r->text()), fm.height());
        if (need.width() > text.width() || need.height() > text.height() || !r->rect().contains(text)
            || indicator + need.width() > r->width())
            return report(r->text(), need, text.size());
    } else if (auto *b = qobject_cast<const QPushButton *>(w)) {
        // With the style's margin on either side.
        const int margin = style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, b);
        const QSize need(fm.horizontalAdvance(b->text()) + 2 * margin, fm.height());
        if (need.width() > b->width() || need.height() > b->height())
            return report(b->text(), need, b->size());
    } else if (auto *g = qobject_cast<const QGroupBox *>(w)) {
        // The title in the place the style gives it, inside the frame; even an untitled frame
        // is at least a line of text high.
        const QSize need(fm.horizontalAdvance(g->title()), fm.height());
        if (need.width() > g->width() || need.height() > g->height())
            return report(g->title(), need, g->size());
        if (g->title().isEmpty())
            return {};
        QStyleOptionGroupBox opt;
        opt.initFrom(g);
        opt.text = g->title();
        opt.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
        opt.textAlignment = g->alignment();
        const QRect label = style->subControlRect(QStyle::CC_GroupBox, &opt, QStyle::SC_GroupBoxLabel, g);
        if (need.width() > label.width() || !g->rect().contains(label))
            return report(g->title(), need, label.size());
    }
    return {};
}

bool isRed(const QWidget *label)
{
    return parsella::textColour(label) == parsella::colour::red;
}

bool isBlack(const QWidget *label)
{
    return parsella::textColour(label) == parsella::colour::black;
}

void pressEscape(QWidget *window)
{
    QTest::keyClick(window, Qt::Key_Escape);
}

void closeByTitleBar(QWidget *window)
{
    window->close();
}

} // namespace drive
