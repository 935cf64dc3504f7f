#include "GuiTest.h"

#include "core/Application.h"

#include <QApplication>
#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

namespace testsupport {

QStringList openWindows()
{
    QStringList open;
    const auto windows = QApplication::topLevelWidgets();
    for (const QWidget *w : windows)
        if (w->isVisible())
            open << QStringLiteral("%1 %2 \"%3\"").arg(QString::fromLatin1(w->metaObject()->className()),
                                                       w->objectName(), w->windowTitle());
    return open;
}

QTimer *GuiTest::armWatchdog(int ms)
{
    auto *timer = new QTimer(this);
    timer->setObjectName(QStringLiteral("watchdog"));
    timer->setSingleShot(true);
    connect(timer, &QTimer::timeout, qApp, [] { QCoreApplication::exit(1); });
    timer->start(ms);
    return timer;
}

void GuiTest::cleanup()
{
    afterEachTest();
    // A watchdog is the test's own: none outlives it, armed or not.
    int armed = 0;
    const auto watchdogs = findChildren<QTimer *>(QStringLiteral("watchdog"), Qt::FindDirectChildrenOnly);
    for (QTimer *timer : watchdogs) {
        armed += timer->isActive() ? 1 : 0;
        delete timer;
    }
    if (armed)
        QTest::qFail("a watchdog was left armed: stop it once its event loop has returned", __FILE__, __LINE__);
    // A window closed with deleteLater() is gone once the deferred deletes have run.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QStringList left;
    const bool closed = QTest::qWaitFor([&] { return (left = openWindows()).isEmpty(); }, 5000);
    // Close what is left, so that one forgotten window does not fail every later test too.
    if (!closed) {
        const auto windows = QApplication::topLevelWidgets();
        for (QWidget *w : windows)
            w->hide();
    }
    QVERIFY2(closed, qPrintable(QStringLiteral("left open: ") + left.join(QStringLiteral(", "))));
}

int runGuiTest(int argc, char **argv, const std::function<std::unique_ptr<GuiTest>()> &makeTest)
{
#ifdef Q_OS_UNIX
    // Each test program keeps what the windows remember (recovery files, the Worksheet's place,
    // the recent worksheets) under a home of its own: programs that ctest runs side by side
    // never find each other's unsaved work, and nothing is left behind.
    QTemporaryDir home;
    if (home.isValid())
        qputenv("HOME", QFile::encodeName(home.path()));
#endif
    // Recovery files, recent worksheets, folders and the Worksheet's place go to a test
    // folder, never into the learner's own.
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    QApplication::setAttribute(Qt::AA_Use96Dpi, true);
    parsella::configureApplication(app);
    // The module for printing and SVG pictures is built beside the program, not the tests.
    QCoreApplication::addLibraryPath(QStringLiteral(PARSELLA_OUTPUT_MODULE_DIR));
#ifdef Q_OS_WIN
    // Windows finds the profile without HOME, and keeps settings in the registry: each program
    // keeps them in an INI file and its recovery files under a name of its own instead, both
    // gone at the end.
    QTemporaryDir home;
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, home.path());
    QApplication::setOrganizationName(QStringLiteral("ParsellaTests-%1").arg(QCoreApplication::applicationPid()));
    struct RemoveAppData {
        ~RemoveAppData() { QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).removeRecursively(); }
    } removeAppData;
#else
    QApplication::setOrganizationName(QStringLiteral("ParsellaTests"));
#endif
    const std::unique_ptr<GuiTest> test = makeTest();
    // A cleanup() of the test's own would hide the window check.
    const QMetaObject *mo = test->metaObject();
    if (mo->indexOfMethod("cleanup()") != GuiTest::staticMetaObject.indexOfMethod("cleanup()")) {
        qCritical("%s has a cleanup() of its own: override afterEachTest() instead", mo->className());
        return 1;
    }
    return QTest::qExec(test.get(), argc, argv);
}

} // namespace testsupport
