// The yardstick for start-up: the barest Qt Widgets program with a main window of a few
// buttons, built with the same compiler and flags, stopping at the same moment as the probe.
#include "IdleExit.h"

#include <QApplication>
#include <QMainWindow>
#include <QPushButton>
#include <QVBoxLayout>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    auto *client = new QWidget(&window);
    auto *layout = new QVBoxLayout(client);
    for (const char *caption : {"Statement", "Question", "Command", "Exit"})
        layout->addWidget(new QPushButton(QString::fromLatin1(caption), client));
    window.setCentralWidget(client);
    window.setWindowTitle(QStringLiteral("Baseline"));
    bench::IdleExit idle(window, argc, argv);
    window.show();
    return app.exec();
}
