// Starts exactly as the program does (src/app/main.cpp) and leaves as soon as the main
// window is shown and the program waits for input, reporting how long that took. With
// PARSELLA_BENCH_FILE set, that worksheet is opened as `parsella FILE` opens it.
#include "app/frmGram1.h"
#include "core/Language.h"
#include "core/Application.h"
#include "IdleExit.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    parsella::configureApplication(app);
    // The language as the program puts it in place at start: PARSELLA_BENCH_LANG, else English.
    parsella::language::apply(qEnvironmentVariable("PARSELLA_BENCH_LANG"));
    parsella::frmGram1 window;
    bench::IdleExit idle(window, argc, argv);
    window.show();
    const QString file = qEnvironmentVariable("PARSELLA_BENCH_FILE");
    window.startUp(file.isEmpty() ? QStringList() : QStringList{file});
    return app.exec();
}
