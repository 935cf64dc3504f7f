// A second yardstick for start-up: a bare Qt Widgets program that draws what the main window
// draws (the same captions, menu titles and title, in the same two faces at the same sizes and
// places), built with the same compiler and flags and stopping at the same moment as the
// probe. Against it, what start-up costs beyond drawing that first frame is the program's own.
#include "IdleExit.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

namespace {

QFont face(const char *family, int pixels, bool bold)
{
    QFont font;
    font.setFamilies({QString::fromLatin1(family)});
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    auto *client = new QWidget(&window);
    const QFont small = face("Liberation Sans Narrow", 11, false);
    client->setFont(small);
    // In twips, as the main window's design gives them (15 to the pixel).
    auto place = [](QWidget *w, int left, int top, int width, int height) {
        w->setGeometry(left / 15, top / 15, width / 15, height / 15);
    };
    auto *title = new QLabel(QStringLiteral("Parsella"), client);
    title->setFont(face("Liberation Sans", 16, true));
    title->setAlignment(Qt::AlignCenter);
    place(title, 1080, 360, 3015, 375);
    const struct { const char *caption; int top, left, width; } buttons[] = {
        {"Declarative Sentence = (statement)", 960, 960, 3615},
        {"Interrogative Sentence = (question) ???", 1560, 960, 3615},
        {"Imperative Sentence = (command)   !!!", 2280, 960, 3615},
        {"Exit", 3120, 2160, 975},
    };
    for (const auto &b : buttons)
        place(new QPushButton(QString::fromLatin1(b.caption), client), b.left, b.top, b.width, 375);
    client->setFixedSize(5700 / 15, 4170 / 15);
    window.setCentralWidget(client);
    for (const char *item : {"&Grammar", "&Help", "&About", "&Worksheet"})
        window.menuBar()->addAction(QString::fromLatin1(item));
    window.menuBar()->addMenu(QStringLiteral("&View"))->addMenu(QStringLiteral("&Language"));
    window.menuBar()->setFont(small);
    window.setWindowTitle(QStringLiteral("Tamrin's Grammatical Worksheet"));
    bench::IdleExit idle(window, argc, argv);
    window.show();
    return app.exec();
}
