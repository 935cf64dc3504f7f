#pragma once

#include <QObject>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <memory>
#include <type_traits>

// What every window test program shares: the application set up as the program sets it up,
// and after each test function the check that no window was left open on the learner's screen.
namespace testsupport {

// The base of every test object. Its cleanup() runs after each test function; a test program
// with checks of its own after each function overrides afterEachTest() instead.
class GuiTest : public QObject
{
    Q_OBJECT
protected:
    virtual void afterEachTest() {}

    // For a test that runs an event loop only the windows can end (the program's own): after
    // `ms` the watchdog ends that loop with exit code 1, so a hang fails instead of blocking.
    // Stop it once the loop has returned; cleanup() fails a test that leaves one armed, since
    // it would fire in a later test.
    QTimer *armWatchdog(int ms = 5000);

private slots:
    void cleanup();
};

// The top-level windows a learner would still see: "className objectName "title"".
QStringList openWindows();

// Makes the application as the program does (name, style, fonts, icon), then the test object,
// and runs its test functions.
int runGuiTest(int argc, char **argv, const std::function<std::unique_ptr<GuiTest>()> &makeTest);

} // namespace testsupport

// The main() of a window test program.
#define PARSELLA_GUI_TEST_MAIN(TestObject)                                                          \
    int main(int argc, char *argv[])                                                                \
    {                                                                                               \
        static_assert(std::is_base_of_v<testsupport::GuiTest, TestObject>,                        \
                      #TestObject " must derive from testsupport::GuiTest");                        \
        return testsupport::runGuiTest(argc, argv, [] { return std::unique_ptr<testsupport::GuiTest>(new TestObject); }); \
    }
