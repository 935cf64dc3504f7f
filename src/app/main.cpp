#include "app/frmGram1.h"
#include "core/Application.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    parsella::configureApplication(app);
    parsella::frmGram1 window;
    window.show();
    return app.exec();
}
