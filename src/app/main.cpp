#include "app/frmGram1.h"
#include "core/Application.h"

#include <QApplication>
#include <QCommandLineParser>

int main(int argc, char *argv[])
{
    // Options that need no window are to be decided before any application object is made, so
    // the parser is set up apart from the application and reads the arguments again once there
    // is one (which on Windows knows them in full).
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
