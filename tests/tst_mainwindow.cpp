#include "app/frmGram1.h"
#include "core/Launch.h"
#include "GuiTest.h"
#include "Driver.h"
#include "Sentences.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>

using namespace parsella;
using namespace drive;
using namespace sentences;

// The hub a learner starts from: what it offers and how it opens the sentence windows.
class tst_MainWindow : public testsupport::GuiTest
{
    Q_OBJECT
private slots:
    void offersTheThreeSentenceTypesAndTheMenus()
    {
        frmGram1 w;
        w.show();
        QCOMPARE(w.windowTitle(), QString("Tamrin's Grammatical Worksheet"));
        QStringList menus;
        const auto actions = w.menuBar()->actions();
        for (const QAction *a : actions)
            menus << a->objectName() + '=' + a->text();
        QCOMPARE(menus, (QStringList{"Grammar=&Grammar", "help=&Help", "about=&About", "worksheet=&Worksheet", "view=&View"}));
        // Tab order runs down the column of buttons to "Exit".
        QCOMPARE(button(&w, "cmdDec")->nextInFocusChain(), button(&w, "cmdInt"));
        QCOMPARE(button(&w, "cmdInt")->nextInFocusChain(), button(&w, "cmdImp"));
        QCOMPARE(button(&w, "cmdImp")->nextInFocusChain(), button(&w, "cmdExit"));
    }

    // The icon and the menu bar's overflow arrow are read only when first drawn, but then in
    // full: every size of the icon, and an arrow that is really there.
    void iconsArriveWhenDrawn()
    {
        frmGram1 w;
        const QIcon icon = w.windowIcon();
        QCOMPARE(icon.availableSizes(), (QList<QSize>{{16, 16}, {24, 24}, {32, 32}, {48, 48}, {64, 64}}));
        const QImage picture = icon.pixmap(32).toImage();
        QCOMPARE(picture.size(), QSize(32, 32));
        QVERIFY(picture.pixelColor(16, 16).alpha() > 0);
        const QIcon arrow = w.menuBar()->style()->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
        QVERIFY(!arrow.pixmap(16).isNull());
    }

    // The statement window opens modally over the hub, and the state carries over from one
    // sentence to the next while every window starts afresh.
    void sentenceWindowIsModalAndStartsAfresh()
    {
        frmGram1 w;
        w.show();
        QString firstSubject;
        QVERIFY(clickInto(button(&w, "cmdDec"), [&](QWidget *dec) {
            QCOMPARE(dec->objectName(), QString("frmDec"));
            QVERIFY(dec->isModal());
            QCOMPARE(dec->parentWidget(), &w);
            button(dec, "cmdSubj")->click();
            QVERIFY(choosePronoun(dec, 5));
            firstSubject = label(dec, "lblDecl")->text();
            button(dec, "cmdExit")->click();
        }));
        QCOMPARE(firstSubject, QString("we"));
        QVERIFY(clickInto(button(&w, "cmdDec"), [&](QWidget *dec) {
            QCOMPARE(label(dec, "lblDecl")->text(), QString());
            QCOMPARE(look(button(dec, "cmdSubj")), QString("enabled"));
        }));
        QCOMPARE(w.state().xsubj, QString("we"));
        QCOMPARE(w.state().xsentyp, QString("Dec"));
    }

    void exitEndsTheProgram()
    {
        frmGram1 w;
        w.show();
        // Exit quits the running event loop; run one so the request has somewhere to go.
        QTimer::singleShot(0, button(&w, "cmdExit"), &QAbstractButton::click);
        QTimer *watchdog = armWatchdog();
        QCOMPARE(QCoreApplication::exec(), 0);
        watchdog->stop();
        QVERIFY(!w.isVisible());
    }

    // What the program makes of its file arguments, which a Windows shell leaves as typed.
    void worksheetArgumentsExpanded_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("files");
        const QStringList ab{"a.parsella", "B.parsella"};
        QTest::newRow("folder") << QStringList{""} << ab;
        QTest::newRow("pattern") << QStringList{"*.parsella"} << ab;
        QTest::newRow("one-letter pattern") << QStringList{"?.PARSELLA"} << ab;
        QTest::newRow("pattern in a folder") << QStringList{"sub/*"} << QStringList{"sub/c.parsella"};
        QTest::newRow("in the order given") << QStringList{"B.parsella", "sub"} << QStringList{"B.parsella", "sub/c.parsella"};
        QTest::newRow("other files as named") << QStringList{"notes.txt"} << QStringList{"notes.txt"};
        QTest::newRow("missing file kept") << QStringList{"gone.parsella"} << QStringList{"gone.parsella"};
        QTest::newRow("pattern matching nothing kept") << QStringList{"*.sheet"} << QStringList{"*.sheet"};
        QTest::newRow("empty folder") << QStringList{"empty"} << QStringList{};
    }

    void worksheetArgumentsExpanded()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, files);
        QTemporaryDir dir;
        const QDir root(dir.path());
        QVERIFY(root.mkpath("sub") && root.mkpath("empty"));
        for (const char *name : {"B.parsella", "a.parsella", "notes.txt", "sub/c.parsella"})
            QVERIFY(QFile(root.filePath(name)).open(QIODevice::WriteOnly));
        const auto inDir = [&](QStringList names) {
            for (QString &name : names)
                name = name.isEmpty() ? dir.path() : root.filePath(name);
            return names;
        };
        QCOMPARE(parsella::expandWorksheetArguments(inDir(arguments)), inDir(files));
    }

    // A copy with a file "portable" beside the program keeps its settings beside it too.
    void portableCopyKeepsSettingsBesideIt()
    {
        QTemporaryDir dir;
        QCOMPARE(parsella::portableSettingsFolder(dir.path()), QString());
        QVERIFY(QDir(dir.path()).mkdir("portable")); // a folder of that name is no marker
        QCOMPARE(parsella::portableSettingsFolder(dir.path()), QString());
        QVERIFY(QDir(dir.path()).rmdir("portable"));
        QVERIFY(QFile(QDir(dir.path()).filePath("portable")).open(QIODevice::WriteOnly));
        QCOMPARE(parsella::portableSettingsFolder(dir.path()), QDir(dir.path()).filePath("settings"));
    }
};

PARSELLA_GUI_TEST_MAIN(tst_MainWindow)
#include "tst_mainwindow.moc"
