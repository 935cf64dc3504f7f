#include "UiBench.h"

#include <QCoreApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QTimer>
#include <QWidget>
#include <ctime>

namespace bench {

PaintHook::PaintHook(QWidget *widget, std::function<void()> onPaint, bool anyInWindow)
    : widget(widget), onPaint(std::move(onPaint)), anyInWindow(anyInWindow)
{
    if (anyInWindow)
        QCoreApplication::instance()->installEventFilter(this);
    else
        widget->installEventFilter(this);
}

PaintHook::~PaintHook()
{
    if (anyInWindow)
        QCoreApplication::instance()->removeEventFilter(this);
}

bool PaintHook::eventFilter(QObject *watched, QEvent *event)
{
    if (!done && event->type() == QEvent::Paint) {
        const bool ours = anyInWindow
            ? watched->isWidgetType() && static_cast<QWidget *>(watched)->window() == widget->window()
            : watched == widget;
        if (ours) {
            done = true;
            onPaint();
        }
    }
    return false;
}

bool showPaintClose(QWidget *widget)
{
    auto *dialog = qobject_cast<QDialog *>(widget);
    QEventLoop loop; // for a window that is not a dialog
    auto finish = [widget, dialog, &loop] {
        widget->close();
        if (!dialog)
            loop.quit();
    };
    PaintHook hook(widget, [widget, finish] {
        QMetaObject::invokeMethod(widget, finish, Qt::QueuedConnection);
    });
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, widget, finish);
    guard.start(5000);
    if (dialog) {
        dialog->exec();
    } else {
        widget->show();
        loop.exec();
    }
    return hook.fired();
}

bool showAndWaitPainted(QWidget *widget)
{
    QEventLoop loop;
    PaintHook hook(widget, [&loop] { QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection); });
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, &loop, &QEventLoop::quit);
    guard.start(5000);
    widget->show();
    loop.exec();
    return hook.fired();
}

static QtMessageHandler previousHandler = nullptr;

static void dropPlatformNotes(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.contains(QLatin1String("does not support propagateSizeHints")))
        return;
    previousHandler(type, context, message);
}

void silencePlatformNotes()
{
    previousHandler = qInstallMessageHandler(dropPlatformNotes);
}

double processCpuMs()
{
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6;
}

const char *platformName()
{
    static const QByteArray name = QGuiApplication::platformName().toUtf8();
    return name.constData();
}

} // namespace bench
