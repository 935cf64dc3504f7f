#include "GuiTest.h"

#include "core/Application.h"

#include <QApplication>
#include <QStandardPaths>
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

void GuiTest::cleanup()
{
    afterEachTest();
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
    // Recovery files, recent worksheets and folders go to a test folder, never the user's.
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    QApplication::setAttribute(Qt::AA_Use96Dpi, true);
    parsella::configureApplication(app);
    // What the windows remember (the Worksheet's place, the last folder) goes to a test
    // folder, never into the learner's own settings.
    QStandardPaths::setTestModeEnabled(true);
    QApplication::setOrganizationName(QStringLiteral("ParsellaTests"));
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
