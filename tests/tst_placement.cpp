#include "app/frmGram1.h"
#include "app/Worksheet.h"
#include "app/WorksheetDocument.h"
#include "pickers/frmComp.h"
#include "pickers/frmNP.h"
#include "pickers/frmNPP.h"
#include "pickers/frmVerb.h"
#include "sentences/frmDec.h"
#include "sentences/frmImp.h"
#include "sentences/frmInt.h"
#include "GuiTest.h"
#include "Driver.h"
#include "RecordingPlatform.h"
#include "ScriptedDialogs.h"

#include <algorithm>
#include <QAbstractScrollArea>
#include <QAction>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QRegion>
#include <QTemporaryDir>
#include <QScreen>
#include <QSettings>
#include <QTest>

using namespace parsella;
using namespace drive;

// Run on the screens named in the test's set-up (a desk screen at 1x and 2x, a small one at
// 1x): the Worksheet keeps to one side, lays out whole with its tasks, and every modal window
// opens beside it where the screen has room.
class tst_Placement : public testsupport::GuiTest
{
    Q_OBJECT
private slots:
    // The restore offer opens on the main window, wherever that is, not in a corner of the
    // screen.
    void restoreOfferIsCentredOnTheMainWindow()
    {
        frmGram1 main;
        main.show();
        const QRect screen = main.screen()->availableGeometry();
        main.move(screen.topLeft() + QPoint(200, 150));
        WorksheetDialogs real;
        for (int placed = 0; placed < 2; ++placed) {
            const QPoint expected = main.frameGeometry().center();
            auto ran = onNextModal([&](QWidget *box) {
                const QPoint off = box->frameGeometry().center() - expected;
                QVERIFY2(off.manhattanLength() < 8, qPrintable(QStringLiteral("%1,%2 off").arg(off.x()).arg(off.y())));
                QVERIFY(screen.contains(box->frameGeometry()));
                pressEscape(box);
            }, &main);
            QVERIFY(!real.askRestore(&main, "1 sentence"));
            QVERIFY(*ran);
            main.move(screen.topLeft() + QPoint(60, 90)); // as the learner may put it
        }
        main.close();
    }

    void windowsOpenBesideTheWorksheet()
    {
        QSettings().remove(QStringLiteral("worksheet")); // a first run: no place remembered
        RecordingPlatform system;
        frmGram1 main;
        main.setPlatform(system);
        main.show();
        // Where a window manager puts a new window: in the middle of the screen.
        main.move(main.screen()->availableGeometry().center() - main.rect().center());
        main.findChild<QAction *>(QStringLiteral("worksheet"))->trigger();
        auto *sheet = main.findChild<Worksheet *>();
        QVERIFY(sheet && sheet->isVisible());
        const QRect screen = main.screen()->availableGeometry();
        const QRect clear = sheet->frameGeometry();
        QVERIFY2(screen.contains(clear), "the Worksheet, title bar and all, is on the screen");
        QVERIFY(!main.frameGeometry().intersects(clear) || screen.width() < clear.width() + main.frameGeometry().width());

        int beside = 0, windows = 0;
        const auto check = [&](QWidget &w) {
            ++windows;
            const QRect frame = w.frameGeometry();
            if (screen.width() - clear.width() - 8 < frame.width())
                return; // no room: they may overlap
            ++beside;
            QVERIFY2(!frame.intersects(clear), qPrintable(w.objectName()));
            QVERIFY2(screen.contains(frame), qPrintable(w.objectName()));
        };
        SentenceState st;
        QVERIFY(openModal<frmDec>(st, std::function<void(frmDec &)>(check), &main));
        QVERIFY(openModal<frmInt>(st, std::function<void(frmInt &)>(check), &main));
        QVERIFY(openModal<frmImp>(st, std::function<void(frmImp &)>(check), &main));
        QVERIFY(openModal<frmNP>(st, std::function<void(frmNP &)>(check), &main));
        QVERIFY(openModal<frmNPP>(st, std::function<void(frmNPP &)>(check), &main));
        QVERIFY(openModal<frmVerb>(st, std::function<void(frmVerb &)>(check), &main));
        QVERIFY(openModal<frmComp>(st, std::function<void(frmComp &)>(check), &main));
        QCOMPARE(windows, 7);
        qInfo("%d of %d windows had room beside the Worksheet on a %dx%d screen", beside, windows, screen.width(),
              screen.height());
        // A screen of 1024 logical pixels or more leaves room for every window.
        if (screen.width() >= 1024)
            QCOMPARE(beside, windows);

        // The place is kept for the next run; one that is still wholly on the screen, since a
        // window that came out partly off it is brought back.
        sheet->move(sheet->pos() + QPoint(-40, std::clamp(screen.bottom() - clear.bottom(), 0, 60)));
        const QRect moved = sheet->frameGeometry();
        sheet->close();
        Worksheet next(st.record);
        next.placeBeside(&main);
        next.show();
        QCOMPARE(next.frameGeometry(), moved);
        next.close();
        main.close();
    }

    // Started with a learner's file of 1 to 8 tasks, with the feedback on a wrong answer in
    // view: the Worksheet and the main window stay on the screen and within reach, no widget
    // lies over another or is cut by its parent, no wrapped text is cut short, and every task
    // can be scrolled to.
    void worksheetLaysOutWithTasks_data()
    {
        QTest::addColumn<int>("count");
        for (int count = 1; count <= 8; ++count)
            QTest::addRow("%d tasks", count) << count;
    }
    void worksheetLaysOutWithTasks()
    {
        QFETCH(int, count);
        QSettings().remove(QStringLiteral("worksheet"));
        QTemporaryDir folder;
        const QString path = folder.filePath("zoe.parsella");
        {
            const QStringList asks{R"({"ask":{"tense":"past","number":"plural","complement":"noun phrase"}})",
                                   R"({"ask":{"type":"command","complement":"present participle"}})",
                                   R"({"ask":{"type":"statement"},"prompt":"Tell me what the small dogs will do tomorrow, and where they will go."})"};
            QStringList tasks;
            for (int i = 0; i < count; ++i)
                tasks << asks.at(i % asks.size());
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QStringLiteral(R"({"format":"parsella-worksheet","version":1,"learner":"Zoë","sentences":[
                {"type":"statement","brackets":"[S [NP [Det the] [Adj small] [N dog]] [VP [V walks] [AdvP [Adv here]]]]","task":1}],
                "tasks":[%1]})").arg(tasks.join(',')).toUtf8());
        }
        ScriptedDialogs dialogs;
        frmGram1 main;
        main.setWorksheetDialogs(dialogs);
        main.show();
        main.move(main.screen()->availableGeometry().center() - main.rect().center());
        main.startUp({path});
        auto *sheet = main.findChild<Worksheet *>();
        QVERIFY(sheet && sheet->isVisible());
        QCOMPARE(dialogs.failures, QStringList());
        auto *tasks = sheet->findChild<QListWidget *>("tasks");
        auto *feedback = sheet->findChild<QLabel *>("taskFeedback");
        tasks->setCurrentRow(0);
        sheet->findChild<QListWidget *>("sentences")->setCurrentRow(0);
        QTest::qWait(50); // the layouts settle on posted requests
        const int lines = feedback->height() / feedback->fontMetrics().lineSpacing();
        QVERIFY2(feedback->isVisible() && lines >= 2, qPrintable(QString::number(lines)));

        const QRect screen = main.screen()->availableGeometry();
        QVERIFY2(screen.contains(sheet->frameGeometry()), "the Worksheet, title bar and all, is on the screen");
        QVERIFY(screen.contains(main.frameGeometry()));
        // The main window shows beside the Worksheet, its buttons within reach.
        const QRegion uncovered = QRegion(main.frameGeometry()).subtracted(sheet->frameGeometry());
        qsizetype area = 0;
        for (const QRect &r : uncovered)
            area += qsizetype(r.width()) * r.height();
        QVERIFY2(area * 2 >= qsizetype(main.frameGeometry().width()) * main.frameGeometry().height(),
                 qPrintable(QStringLiteral("%1 pixels of the main window show").arg(area)));

        QStringList faults;
        int pairs = 0;
        const auto visible = [sheet](const QWidget *w) { return !w->isWindow() && w->isVisibleTo(sheet); };
        QList<QWidget *> all = sheet->findChildren<QWidget *>();
        all << sheet;
        for (const QWidget *parent : all) {
            if (!visible(parent) && parent != sheet)
                continue;
            QList<const QWidget *> children;
            for (const QObject *o : parent->children())
                if (o->isWidgetType() && visible(static_cast<const QWidget *>(o)))
                    children << static_cast<const QWidget *>(o);
            for (qsizetype i = 0; i < children.size(); ++i) {
                const QWidget *w = children.at(i);
                const QString name = w->objectName().isEmpty() ? w->metaObject()->className() : w->objectName();
                // What a scroll area shows may be larger than it: it scrolls.
                const bool scrolled = parent->parentWidget() && qobject_cast<const QAbstractScrollArea *>(parent->parentWidget());
                if (!parent->rect().contains(w->geometry()) && parent != sheet && !scrolled)
                    faults << name + " sticks out of " + parent->objectName();
                if (const auto *label = qobject_cast<const QLabel *>(w); label && label->wordWrap()
                    && label->height() < label->heightForWidth(label->width()))
                    faults << name + " is cut short";
                for (qsizetype j = i + 1; j < children.size(); ++j, ++pairs)
                    if (w->geometry().intersects(children.at(j)->geometry()))
                        faults << name + " lies over " + children.at(j)->objectName() + children.at(j)->metaObject()->className();
            }
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join("; ")));
        QVERIFY2(pairs >= 10, qPrintable(QString::number(pairs))); // the panes and the task panel's parts

        // Every task can be brought into view.
        QCOMPARE(tasks->count(), count);
        QVERIFY(tasks->viewport()->height() >= tasks->fontMetrics().lineSpacing());
        tasks->scrollToItem(tasks->item(count - 1));
        QVERIFY(tasks->viewport()->rect().intersects(tasks->visualItemRect(tasks->item(count - 1))));
        qInfo("%dx%d: Worksheet %dx%d, feedback %d lines", screen.width(), screen.height(), sheet->width(), sheet->height(), lines);
        main.document().reset({}, {}); // leave without the question about unsaved work
        sheet->close();
        main.close();
    }
};

PARSELLA_GUI_TEST_MAIN(tst_Placement)
#include "tst_placement.moc"
