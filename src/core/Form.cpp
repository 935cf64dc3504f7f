#include "core/Form.h"

#include "core/Placement.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QKeyEvent>
#include <QScreen>
#include <QShortcut>
#include <QToolTip>

namespace parsella {

static ClearArea &clearArea()
{
    static ClearArea area;
    return area;
}

void setClearArea(ClearArea area)
{
    clearArea() = std::move(area);
}

Form::Form(SentenceState &state, const WindowDesign &design, QWidget *parent)
    : QDialog(parent), st(state)
{
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    buildForm(this, this, design);
    auto *explain = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F1), this);
    connect(explain, &QShortcut::activated, this, &Form::explainNext);
}

void Form::explainNext()
{
    // Grey words refused by one rule share its explanation: it is shown once a round, beside
    // the first of them.
    QList<QWidget *> outOfReach;
    QStringList said;
    const auto all = findChildren<QWidget *>();
    for (QWidget *w : all) {
        if (w->isVisible() && !w->toolTip().isEmpty() && (!w->isEnabled() || w->focusPolicy() == Qt::NoFocus)
            && !said.contains(w->toolTip())) {
            outOfReach << w;
            said << w->toolTip();
        }
    }
    if (outOfReach.isEmpty()) {
        QToolTip::hideText();
        return;
    }
    // The next after the one explained last; the list may have changed since.
    const int next = (int(outOfReach.indexOf(explained.data())) + 1) % int(outOfReach.size());
    explained = outOfReach.at(next);
    QToolTip::showText(explained->mapToGlobal(QPoint(0, explained->height())), explained->toolTip(), explained);
}

// Esc first hides an explanation the learner asked for; only then does it close the window.
void Form::keyPressEvent(QKeyEvent *event)
{
    // The tip hides itself at any key before the window sees it, but is gone only later: its
    // text still tells that this Esc was meant for it.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier
        && (QToolTip::isVisible() || !QToolTip::text().isEmpty())) {
        QToolTip::hideText();
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

QButtonGroup *Form::group(const char *name) const
{
    return control<QButtonGroup>(name);
}

QAbstractButton *Form::option(const char *name, int index) const
{
    QAbstractButton *button = group(name)->button(index);
    Q_ASSERT_X(button, "Form::option", name);
    return button;
}

// Opened centred over its owner, the window moves beside the clear area if it would cover it.
void Form::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    const QRect clear = clearArea().frame ? clearArea().frame() : QRect();
    if (placed || clear.isEmpty())
        return;
    placed = true;
    // The window manager has not framed this window yet: its owner's frame is the best guess.
    const QWidget *owner = parentWidget() ? parentWidget()->window() : nullptr;
    QMargins frame;
    if (owner) {
        const QRect outer = owner->frameGeometry(), inner = owner->geometry();
        frame = QMargins(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                         outer.bottom() - inner.bottom());
    }
    const QRect shown = geometry().marginsAdded(frame);
    const QRect moved = core::placeClearOf(shown, clear, screen()->availableGeometry());
    if (moved != shown)
        move(pos() + moved.topLeft() - shown.topLeft());
    coversClearArea = moved.intersects(clear);
}

void Form::done(int result)
{
    if (!unloaded) {
        unloaded = true;
        Form_Unload();
    }
    QDialog::done(result);
    if (coversClearArea && clearArea().bringBack)
        clearArea().bringBack();
}

void clearSelection(QButtonGroup *group)
{
    const bool exclusive = group->exclusive();
    group->setExclusive(false);
    const auto buttons = group->buttons();
    for (QAbstractButton *button : buttons)
        button->setChecked(false);
    group->setExclusive(exclusive);
}

} // namespace parsella
