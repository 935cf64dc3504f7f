#include "app/frmGram1.h"
#include "app/Worksheet.h"
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

#include <QAction>
#include <QScreen>
#include <QSettings>
#include <QTest>

using namespace parsella;
using namespace drive;

// Run on the screens named in the test's set-up (a desk screen at 1x and 2x, a small one at
// 1x): the Worksheet keeps to one side and every modal window opens beside it where the
// screen has room.
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

        // The place is kept for the next run.
        sheet->move(sheet->pos() + QPoint(-40, 60));
        const QRect moved = sheet->frameGeometry();
        sheet->close();
        Worksheet next(st.record);
        next.placeBeside(&main);
        next.show();
        QCOMPARE(next.frameGeometry(), moved);
        next.close();
        main.close();
    }
};

PARSELLA_GUI_TEST_MAIN(tst_Placement)
#include "tst_placement.moc"
