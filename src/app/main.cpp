#include "app/frmGram1.h"
#include "core/Application.h"

#include <QApplication>
#include <QCommandLineParser>

int main(int argc, char *argv[])
{
    // The options are described before any application object is made, so that one that needs
    // no window can choose a plain QCoreApplication; the arguments are read from the
    // application, which on Windows knows them in full.
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Build English sentences word by word."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("A worksheet (.parsella) to open."),
                                 QStringLiteral("[file]"));

    QApplication app(argc, argv);
    parsella::configureApplication(app);
    parser.process(app);
    parsella::frmGram1 window;
    window.show();
    window.startUp(parser.positionalArguments());
    return app.exec();
}
