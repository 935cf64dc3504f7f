#include "app/frmGram1.h"
#include "core/Application.h"
#include "core/Language.h"
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

// The language asked for with --lang, read as early as the choice of application: the texts
// of --help are already in it. Null if none was asked for.
QString languageAsked(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg == "--")
            break;
        if ((arg == "--lang" || arg == "-lang") && i + 1 < argc)
            return QString::fromLocal8Bit(argv[i + 1]);
        if (arg.startsWith("--lang="))
            return QString::fromLocal8Bit(arg.mid(7));
    }
    return {};
}

// Puts the run into the language asked for, kept or the system's; one asked for that the
// program has no catalogue for is named on standard error, and English is used.
void startInLanguage(const QString &asked)
{
    const QString code = parsella::language::startLanguage(asked);
    if (!parsella::language::apply(code))
        std::fputs(qPrintable(QCoreApplication::translate("main", "parsella: there is no catalogue for the language \"%1\"; "
                                                                  "English is used\n").arg(code)), stderr);
}

void describeOptions(QCommandLineParser &parser)
{
    parser.setApplicationDescription(QCoreApplication::translate("main", "Build English sentences word by word."));
    parser.addHelpOption();
    parser.addVersionOption();
    // The CSV header is part of the file format and stays as it is in every language.
    parser.addOption(QCommandLineOption(QStringLiteral("summary"),
        QCoreApplication::translate("main", "Check each worksheet's tasks and print them as CSV, one row per task (%1), "
                                            "and open no window.")
            .arg(QStringLiteral("file,learner,task,prompt,tries,done,answer,feedback,note"))));
    parser.addOption(QCommandLineOption(QStringLiteral("grid"),
        QCoreApplication::translate("main", "With --summary: one row per learner and one column per task, with a total, "
                                            "for a markbook.")));
    parser.addOption(QCommandLineOption(QStringLiteral("lang"),
        QCoreApplication::translate("main", "Show the program in the language <code> (such as de, es or pt_BR) for this "
                                            "run; \"en\" is English."),
        QStringLiteral("code")));
    parser.addPositionalArgument(QStringLiteral("file"),
        QCoreApplication::translate("main", "A worksheet (.parsella) to open; with --summary, the worksheets to summarise."),
        QCoreApplication::translate("main", "[file...]"));
}

} // namespace

int main(int argc, char *argv[])
{
    // The application is chosen before anything else: an option that needs no window runs on a
    // plain QCoreApplication, without a display. The options are described once the language
    // is in place; the arguments are read from the application, which on Windows knows them in
    // full.
    QCommandLineParser parser;
    const QString asked = languageAsked(argc, argv);

    if (windowless(argc, argv)) {
        parsella::attachParentConsole();
        QCoreApplication app(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("Parsella"));
        QCoreApplication::setApplicationVersion(QStringLiteral(PARSELLA_VERSION));
        QCoreApplication::setOrganizationName(QStringLiteral("Parsella"));
        startInLanguage(asked);
        describeOptions(parser);
        parser.process(app);
        if (!parser.isSet(QStringLiteral("summary"))) {
            std::fputs(qPrintable(QCoreApplication::translate("main", "parsella: --grid goes with --summary\n")), stderr);
            return 1;
        }
        const QStringList files = parsella::expandWorksheetArguments(parser.positionalArguments());
        if (files.isEmpty()) {
            std::fputs(qPrintable(QCoreApplication::translate("main", "parsella: --summary needs at least one worksheet file\n")),
                       stderr);
            return 1;
        }
#ifdef Q_OS_WIN
        // CSV ends its lines with CR LF itself; a text-mode stream would double the CR.
        _setmode(_fileno(stdout), _O_BINARY);
#endif
        QTextStream out(stdout);
        QTextStream errors(stderr);
        return parsella::grammar::summarize(files, out, errors,
            parser.isSet(QStringLiteral("grid")) ? parsella::grammar::SummaryLayout::Grid : parsella::grammar::SummaryLayout::Rows);
    }

    QApplication app(argc, argv);
    parsella::configureApplication(app);
    startInLanguage(asked);
    describeOptions(parser);
    parser.process(app);
    parsella::frmGram1 window;
    window.show();
    window.startUp(parsella::expandWorksheetArguments(parser.positionalArguments()));
    return app.exec();
}
