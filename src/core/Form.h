#pragma once

#include "core/FormTable.h"
#include "core/SentenceState.h"

#include <QDialog>
#include <QPointer>
#include <QRect>
#include <functional>

class QAbstractButton;
class QButtonGroup;

namespace parsella {

// A modal window of the worksheet: built from its design table, handed the one
// SentenceState, and unloaded (destroyed) when it closes, so every opening starts
// in its design state.
class Form : public QDialog
{
    Q_OBJECT
public:
    Form(SentenceState &state, const WindowDesign &design, QWidget *parent);

    SentenceState &state() const { return st; }

    // The keyboard cannot land on a grey word, nor on a label, so their tool tips (why a word
    // is refused, what a sentence still needs) are shown one after another by Shift+F1, each
    // beside its control, in the window's order.
    void explainNext();

protected:
    // Finds a control of this window by its name; a missing name is a fault in the table.
    template<class T = QWidget>
    T *control(const char *name) const
    {
        T *w = findChild<T *>(QLatin1String(name));
        Q_ASSERT_X(w, "Form::control", name);
        return w;
    }
    QButtonGroup *group(const char *name) const;
    QAbstractButton *option(const char *name, int index) const;

    // Runs once, whichever way the window closes: "Return", the title-bar button or Esc.
    virtual void Form_Unload() {}

    void done(int result) override;
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;

    SentenceState &st;

private:
    bool unloaded = false;
    bool placed = false;
    bool coversClearArea = false;
    QPointer<QWidget> explained;
};

// A service the core offers the layers above it: the part of the screen the modal windows
// keep clear. The layer that owns a window showing what they build (the main window, for the
// Worksheet) registers that window's frame and how to bring it back to the front when a
// window that had to cover it closes; every Form, as it is first shown, asks for it and steps
// aside. The core never reaches up for the window itself: it only calls what was registered.
// Unset, every window opens where its owner puts it.
struct ClearArea {
    std::function<QRect()> frame;
    std::function<void()> bringBack;
};
void setClearArea(ClearArea area);

// Opens a window of type W modally over `owner`: created afresh, shown, and destroyed
// once the learner has closed it. Whatever it produced is left in the state.
template<class W>
void showModal(QWidget *owner, SentenceState &state)
{
    W window(state, owner);
    window.exec();
}

// Option selections are cleared from code without raising a click; an exclusive group
// refuses to uncheck its checked button, so exclusivity is lifted for that moment.
void clearSelection(QButtonGroup *group);

} // namespace parsella
