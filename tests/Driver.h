#pragma once

#include "core/FormTable.h"
#include "core/SentenceState.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QLabel>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <functional>

// Drives the real windows as a learner would. A modal window blocks in exec(), so what
// the learner does inside it is queued first and runs from within its modal loop.
namespace drive {

using Script = std::function<void(QWidget *)>;

// Runs `script` on the next modal window to appear. If the script leaves the window
// open (a failed check returns early), the window is closed so the test cannot hang.
// Returns a flag that turns true once the script has run without failing the test. With a
// `scope`, the script is dropped if no window has opened by the time the scope is gone, so
// that it cannot run on some later window of this or the next test.
std::shared_ptr<bool> onNextModal(Script script, QObject *scope = nullptr);

// Clicks `button`, which opens a modal window, and runs `script` on that window.
// Returns whether the script ran and passed: false if the click opened no window or a check
// inside the script failed, so the caller stops instead of going on in a broken state.
[[nodiscard]] bool clickInto(QAbstractButton *button, Script script);

// Opens a window of type W modally, as its opener would, and runs `script` on it. Like
// clickInto(), false if the window did not open or a check inside the script failed.
template<class W>
[[nodiscard]] bool openModal(parsella::SentenceState &state, std::function<void(W &)> script, QWidget *owner = nullptr)
{
    W window(state, owner);
    auto ran = onNextModal([&](QWidget *) { script(window); }, &window);
    window.exec();
    return *ran;
}

// Controls by the names of the window's control table.
template<class T = QWidget>
T *find(const QWidget *window, const QString &name)
{
    return window->findChild<T *>(name);
}
QAbstractButton *button(const QWidget *window, const char *name);
QAbstractButton *option(const QWidget *window, const char *group, int index);
QLabel *label(const QWidget *window, const char *name);

// Clicks the option button `index` of the control array `group`; fails the test and gives
// false, for the caller to stop on, if there is none or a learner could not click it.
[[nodiscard]] bool clickOption(QWidget *window, const char *group, int index);

// The option button of `window` that shows `caption`, or null.
QAbstractButton *optionShowing(const QWidget *window, const QString &caption);

// The captions of the control array `group` in index order, of the buttons `which` accepts
// (all if none is given); "missing group ..." if the window has no such array.
QStringList captions(const QWidget *window, const char *group,
                     const std::function<bool(const QAbstractButton *)> &which = {});

// "shown", "hidden", "disabled" or "enabled": what a learner sees of a control.
QString look(const QWidget *control);

// The ids of the buttons of a group that are enabled (or checked), in ascending order.
QList<int> enabledIds(const QWidget *window, const char *group);
QList<int> checkedIds(const QWidget *window, const char *group);

// What of the control's caption a learner cannot see, as drawn in its style and fonts; empty
// when the caption fits. Labels, option buttons, command buttons and frame titles have one.
QString clippedCaption(const QWidget *control);

bool isRed(const QWidget *label);
bool isBlack(const QWidget *label);

// The learner's ways of closing a window other than its own buttons.
void pressEscape(QWidget *window);
void closeByTitleBar(QWidget *window);

} // namespace drive
