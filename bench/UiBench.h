#pragma once

// What the window and click benchmarks share: knowing when a window has really been
// painted, and a common way of printing results.
#include <QObject>
#include <functional>

class QEvent;
class QWidget;

namespace bench {

// Calls `onPaint` once, on the first paint event that reaches `widget` (or, with
// `anyInWindow`, any widget of the same top-level window) after it was installed.
class PaintHook : public QObject
{
public:
    PaintHook(QWidget *widget, std::function<void()> onPaint, bool anyInWindow = false);
    ~PaintHook() override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    bool fired() const { return done; }

private:
    QWidget *widget;
    std::function<void()> onPaint;
    bool anyInWindow;
    bool done = false;
};

// Shows `widget` as its opener would (a dialog modally, through exec(); any other window
// with show()), waits for its first paint, then closes it. The close is queued from the
// paint, so it follows the complete paint pass. Returns false if no paint came in 5 s.
bool showPaintClose(QWidget *widget);

// Shows `widget` and returns once it has been painted; false after 5 s without a paint.
bool showAndWaitPainted(QWidget *widget);

// Drops the offscreen platform's notes that it cannot pass size hints on: printed at every
// opening of the fixed-size main window, they would be timed along with it.
void silencePlatformNotes();

// CPU time of this process so far, in milliseconds; unlike wall time it does not grow
// while other work on the machine holds the processor.
double processCpuMs();

// The Qt platform in use, for the report.
const char *platformName();

} // namespace bench
