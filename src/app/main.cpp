#include "app/frmGram1.h"
#include "core/Application.h"
#include "core/Launch.h"
#include "grammar/Summary.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTextStream>
#include <cstdio>
#ifdef Q_OS_WIN
#include <fcntl.h>
#include <io.h>
#endif

namespace {

// Whether the command line asks only for text: a summary, the help or the version. Those run
// without a window and so without a display, which is decided before any application object
// exists.
bool windowless(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg == "--")
            return false;
        for (const char *option : {"--summary", "-summary", "--grid", "-grid", "--help", "-help", "-h", "-?", "--help-all", "--version", "-v"}) {
            if (arg == option)
                return true;
        }
    }
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    // The options are described before any application object is made, so that one that needs
    // no window can choose a plain QCoreApplication; the arguments are read from the
    // application, which on Windows knows them in full.
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Build English sentences word by word."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption summary(QStringLiteral("summary"),
        QStringLiteral("Check each worksheet's tasks and print them as CSV, one row per task "
                       "(file,learner,task,prompt,tries,done,answer,feedback,note), and open no window."));
    parser.addOption(summary);
    const QCommandLineOption grid(QStringLiteral("grid"),
        QStringLiteral("With --summary: one row per learner and one column per task, with a total, for a markbook."));
    parser.addOption(grid);
    parser.addPositionalArgument(QStringLiteral("file"),
        QStringLiteral("A worksheet (.parsella) to open; with --summary, the worksheets to summarise."),
        QStringLiteral("[file...]"));

    if (windowless(argc, argv)) {
        parsella::attachParentConsole();
        QCoreApplication app(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("Parsella"));
        QCoreApplication::setApplicationVersion(QStringLiteral(PARSELLA_VERSION));
        parser.process(app);
        if (!parser.isSet(summary)) {
            std::fputs("parsella: --grid goes with --summary\n", stderr);
            return 1;
        }
        const QStringList files = parsella::expandWorksheetArguments(parser.positionalArguments());
        if (files.isEmpty()) {
            std::fputs("parsella: --summary needs at least one worksheet file\n", stderr);
            return 1;
        }
#ifdef Q_OS_WIN
        // CSV ends its lines with CR LF itself; a text-mode stream would double the CR.
        _setmode(_fileno(stdout), _O_BINARY);
#endif
        QTextStream out(stdout);
        QTextStream errors(stderr);
        return parsella::grammar::summarize(files, out, errors,
            parser.isSet(grid) ? parsella::grammar::SummaryLayout::Grid : parsella::grammar::SummaryLayout::Rows);
    }

    QApplication app(argc, argv);
    parsella::configureApplication(app);
    parser.process(app);
    parsella::frmGram1 window;
    window.show();
    window.startUp(parsella::expandWorksheetArguments(parser.positionalArguments()));
    return app.exec();
}
