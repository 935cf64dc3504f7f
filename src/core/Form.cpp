#include "core/Form.h"

#include <QAbstractButton>
#include <QButtonGroup>

namespace parsella {

Form::Form(SentenceState &state, const WindowDesign &design, QWidget *parent)
    : QDialog(parent), st(state)
{
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    buildForm(this, this, design);
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

void setGroupEnabled(QButtonGroup *group, bool enabled)
{
    const auto buttons = group->buttons();
    for (QAbstractButton *button : buttons)
        button->setEnabled(enabled);
}

} // namespace parsella
