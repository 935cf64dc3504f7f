#pragma once

// Shared by the start-up probe and its baseline, so that both stop at the same moment:
// once the main window has been painted and the event loop has had one more turn, i.e.
// the learner sees the window and the program waits for input. The driver passes its
// own CLOCK_MONOTONIC stamp (nanoseconds) taken just before starting the process as
// argv[1]; the time from that stamp to the idle moment goes to stdout as "idle_ns N",
// followed by the Qt platform in use.
// Without a stamp the time is counted from the start of main().
#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace bench {

inline long long monotonicNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1000000000LL + ts.tv_nsec;
}

class IdleExit : public QObject
{
public:
    IdleExit(QWidget &window, int argc, char **argv)
        : window(window)
        , startNs(argc > 1 ? std::strtoll(argv[1], nullptr, 10) : monotonicNs())
    {
        window.installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == &window && event->type() == QEvent::Paint && !painted) {
            painted = true;
            // A zero timer runs after the events already queued (the rest of the first
            // layout and paint), when the loop would otherwise wait for the learner.
            QTimer::singleShot(0, this, [this] {
                const long long idle = monotonicNs() - startNs;
                std::printf("idle_ns %lld platform %s\n", idle,
                            qPrintable(QGuiApplication::platformName()));
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return false;
    }

private:
    QWidget &window;
    long long startNs;
    bool painted = false;
};

} // namespace bench
