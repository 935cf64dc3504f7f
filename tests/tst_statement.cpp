#include "Application.h"
#include "Driver.h"
#include "frmDec.h"

#include <QPushButton>
#include <QTest>

using namespace parsella;
using namespace drive;

// A statement built through the real pickers, as a learner clicks it.
class tst_Statement : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { configureApplication(*qobject_cast<QApplication *>(qApp)); }

    void pronounVerbComplement()
    {
        SentenceState st;
        const bool ran = openModal<frmDec>(st, [&](frmDec &w) {
            QLabel *lbl = label(&w, "lblDecl");
            button(&w, "cmdSubj")->click();
            QVERIFY(clickInto(button(&w, "cmdNPP"), [](QWidget *p) {
                clickOption(p, "optNPP", 3); // "she"
                button(p, "cmdExit")->click();
            }));
            QCOMPARE(lbl->text(), QString("she"));
            QVERIFY(isRed(lbl));
            button(&w, "cmdPred")->click();
            QVERIFY(clickInto(button(&w, "cmdVP"), [](QWidget *p) {
                clickOption(p, "optVerb", 3); // "walk"
                button(p, "cmdExit")->click();
            }));
            QCOMPARE(lbl->text(), QString("she walks."));
            QVERIFY(isBlack(lbl));
            QVERIFY(clickInto(button(&w, "cmdComp"), [](QWidget *p) {
                clickOption(p, "optAdv", 0); // "here"
                button(p, "cmdExit")->click();
            }));
            QCOMPARE(lbl->text(), QString("she walks here."));
            QVERIFY(isBlack(lbl));
            QCOMPARE(look(button(&w, "cmdComp")), QString("hidden"));
            button(&w, "cmdExit")->click();
        });
        QVERIFY(ran);
        QCOMPARE(st.xsentyp, QString("Dec"));
    }
};

QTEST_MAIN(tst_Statement)
#include "tst_statement.moc"
