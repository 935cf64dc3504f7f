#include "core/Form.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QShortcut>
#include <QToolTip>

namespace parsella {

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
    QList<QWidget *> outOfReach;
    const auto all = findChildren<QWidget *>();
    for (QWidget *w : all) {
        if (w->isVisible() && !w->toolTip().isEmpty() && (!w->isEnabled() || w->focusPolicy() == Qt::NoFocus))
            outOfReach << w;
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

void Form::done(int result)
{
    if (!unloaded) {
        unloaded = true;
        Form_Unload();
    }
    QDialog::done(result);
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
