#include "pickers/frmComp.h"
#include "pickers/frmNPP.h"
#include "pickers/frmVerb.h"
#include "sentences/frmDec.h"
#include "grammar/Conjugation.h"
#include "GuiTest.h"
#include "Driver.h"

#include <QGroupBox>
#include <QPushButton>
#include <QTest>

using namespace parsella;
using namespace drive;

// The pronoun, verb and complement pickers opened on their own, as their sentence window
// opens them, and checked for what they show and what they leave in the shared state.
class tst_Pickers : public testsupport::GuiTest
{
    Q_OBJECT

    // The pronoun table's headings that are lit up (blue), by objectName.
    static QStringList blueHeadings(const QWidget *w)
    {
        QStringList lit;
        const auto labels = w->findChildren<QLabel *>();
        for (const QLabel *l : labels)
            if (textColour(l) == colour::blue)
                lit << l->objectName() + '=' + l->text();
        lit.sort();
        return lit;
    }

    static QStringList enabledComplements(const QWidget *w)
    {
        QStringList groups;
        for (const char *g : {"optPP", "optAdv", "optNP", "optPresP", "optAdj"}) {
            if (!enabledIds(w, g).isEmpty())
                groups << g;
        }
        return groups;
    }

private slots:
    void pronounPersonNumberAndHighlights_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<qint16>("person");
        QTest::addColumn<qint16>("number");
        QTest::addColumn<QStringList>("lit");
        const QString sing = "Label1(0)=-- Singular --", plur = "Label2=-- Plural --";
        const QStringList bothYou{"Label1(0)=-- Singular --", "Label1(2)=Second Person",
                                  "Label1(5)=Second Person", "Label2=-- Plural --"};
        QTest::newRow("I") << 0 << qint16(1) << qint16(1) << QStringList{sing, "Label1(1)=First Person"};
        QTest::newRow("you singular") << 1 << qint16(2) << qint16(1) << bothYou;
        QTest::newRow("he") << 2 << qint16(3) << qint16(1) << QStringList{sing, "Label1(3)=Third Person"};
        QTest::newRow("she") << 3 << qint16(3) << qint16(1) << QStringList{sing, "Label1(3)=Third Person"};
        QTest::newRow("it") << 4 << qint16(3) << qint16(1) << QStringList{sing, "Label1(3)=Third Person"};
        QTest::newRow("we") << 5 << qint16(1) << qint16(2) << QStringList{"Label1(4)=First Person", plur};
        QTest::newRow("you plural") << 6 << qint16(2) << qint16(2) << bothYou;
        QTest::newRow("they") << 7 << qint16(3) << qint16(2) << QStringList{"Label1(6)=Third Person", plur};
    }

    // Each pronoun lights up only the headings that describe it, even after another click.
    void pronounPersonNumberAndHighlights()
    {
        QFETCH(int, index);
        QFETCH(qint16, person);
        QFETCH(qint16, number);
        QFETCH(QStringList, lit);
        SentenceState st;
        st.xsubj = "earlier";
        QVERIFY(openModal<frmNPP>(st, [&](frmNPP &w) {
            QCOMPARE(st.xnumb, qint16(0));
            QCOMPARE(blueHeadings(&w), QStringList());
            QVERIFY(clickOption(&w, "optNPP", (index + 4) % 8)); // an earlier choice must leave no trace
            QVERIFY(clickOption(&w, "optNPP", index));
            QCOMPARE(st.xpers, person);
            QCOMPARE(st.xnumb, number);
            QCOMPARE(blueHeadings(&w), lit);
            QCOMPARE(label(&w, "lblNPP")->text(), option(&w, "optNPP", index)->text());
            QCOMPARE(st.xsubj, QString("earlier")); // only closing hands the subject back
            button(&w, "cmdExit")->click();
        }));
        QCOMPARE(st.xsubj, QStringList({"I", "you", "he", "she", "it", "we", "you", "they"}).at(index));
    }

    // Closing the pronoun picker by its title-bar button or Esc hands back the pronoun shown,
    // just as "Return" does, so the statement never pairs a number with a stale subject.
    void pronounPickerClosedAnyWayHandsBackTheSubject()
    {
        for (auto close : {+[](QWidget *w) { pressEscape(w); }, +[](QWidget *w) { closeByTitleBar(w); }}) {
            SentenceState st;
            st.xsubj = "stale";
            QVERIFY(openModal<frmDec>(st, [&](frmDec &w) {
                button(&w, "cmdSubj")->click();
                QVERIFY(clickInto(button(&w, "cmdNPP"), [&](QWidget *p) {
                    QVERIFY(clickOption(p, "optNPP", 7));
                    close(p);
                }));
                QCOMPARE(label(&w, "lblDecl")->text(), QString("they"));
                button(&w, "cmdPred")->click();
                QVERIFY(clickInto(button(&w, "cmdVP"), [](QWidget *p) {
                    QVERIFY(clickOption(p, "optVerb", 3));
                    button(p, "cmdExit")->click();
                }));
                QCOMPARE(label(&w, "lblDecl")->text(), QString("they walk."));
            }));

            // Closed without a choice: no subject, whatever an earlier sentence left.
            QVERIFY(openModal<frmNPP>(st, [&](frmNPP &w) { close(&w); }));
            QCOMPARE(st.xnumb, qint16(0));
            QCOMPARE(st.xsubj, QString());
            QCOMPARE(st.xpers, qint16(3));
        }
    }

    // Nothing of the verb chosen last time survives into the picker, nor, once it closes
    // with no verb, into the complement picker.
    void verbPickerStartsClean()
    {
        SentenceState st;
        st.xvp = "old";
        st.xv = "go";
        st.x0 = st.xa0 = st.xa4 = 1;
        st.verbTakes = grammar::complementsOf("go");
        QVERIFY(openModal<frmVerb>(st, [&](frmVerb &w) {
            QCOMPARE(st.xvp, QString());
            QCOMPARE(st.xv, QString());
            QCOMPARE(st.x0 + st.xa0 + st.xa1 + st.xa4 + st.xa7, 0);
            QCOMPARE(checkedIds(&w, "optTense"), QList<int>{0});
            QCOMPARE(checkedIds(&w, "optVerb"), QList<int>());
            // A tense with no verb shows nothing and records nothing.
            QVERIFY(clickOption(&w, "optTense", 1));
            QCOMPARE(label(&w, "lblVerb")->text(), QString());
            QCOMPARE(st.xv, QString());
            button(&w, "cmdExit")->click();
        }));
        QCOMPARE(st.xvp, QString());
        QVERIFY(openModal<frmComp>(st, [&](frmComp &w) {
            QCOMPARE(enabledComplements(&w), QStringList());
            button(&w, "cmdExit")->click();
        }));
    }

    // The label follows tense and verb changes at once; a second verb leaves no flag of
    // the first behind, which the complement picker then shows.
    void verbChangesAndTheFlagsTheyLeave()
    {
        SentenceState st;
        st.xsentyp = "Dec";
        st.xpers = 3;
        st.xnumb = 1;
        QVERIFY(openModal<frmVerb>(st, [&](frmVerb &w) {
            QLabel *lbl = label(&w, "lblVerb");
            QVERIFY(clickOption(&w, "optVerb", 2)); // bake
            QCOMPARE(lbl->text(), QString("bakes"));
            QCOMPARE(st.xa1, qint16(1));
            QVERIFY(clickOption(&w, "optVerb", 3)); // walk
            QCOMPARE(lbl->text(), QString("walks"));
            QCOMPARE(st.xa1, qint16(0));
            QVERIFY(clickOption(&w, "optTense", 1));
            QCOMPARE(lbl->text(), QString("walked"));
            QVERIFY(clickOption(&w, "optVerb", 7)); // go keeps the past tense
            QCOMPARE(lbl->text(), QString("went"));
            QCOMPARE(st.xv, QString("go"));
            QVERIFY(clickOption(&w, "optTense", 2));
            QCOMPARE(lbl->text(), QString("will go"));
            QVERIFY(clickOption(&w, "optVerb", 0)); // be
            QCOMPARE(st.x0, qint16(0));
            QCOMPARE(st.xa4, qint16(0));
            QCOMPARE(st.xa7, qint16(1));
            QVERIFY(clickOption(&w, "optVerb", 7)); // go again
            QCOMPARE(st.x0, qint16(1));
            QCOMPARE(st.xa7, qint16(0));
            QCOMPARE(st.xa4, qint16(1));
            button(&w, "cmdExit")->click();
        }));
        QCOMPARE(st.xvp, QString("will go"));
        QVERIFY(openModal<frmComp>(st, [&](frmComp &w) {
            QCOMPARE(label(&w, "lblCV")->text(), QString("go")); // the base form, not "will go"
            QCOMPARE(enabledComplements(&w), (QStringList{"optPP", "optAdv", "optPresP"}));
        }));
    }

    // Subjects whose person or number was never set take the forms of "you" and "they".
    void unsetSubjectTakesTheOtherForms()
    {
        SentenceState st;
        QVERIFY(openModal<frmVerb>(st, [&](frmVerb &w) {
            QVERIFY(clickOption(&w, "optVerb", 0));
            QCOMPARE(label(&w, "lblVerb")->text(), QString("are"));
            QVERIFY(clickOption(&w, "optTense", 1));
            QCOMPARE(label(&w, "lblVerb")->text(), QString("were"));
            QVERIFY(clickOption(&w, "optVerb", 6));
            QCOMPARE(label(&w, "lblVerb")->text(), QString("studied"));
        }));
    }

    // In a command the tense frame is hidden and every verb keeps its base form.
    void commandsTakeTheBaseForm()
    {
        SentenceState st;
        st.xsentyp = "Imp";
        st.xpers = 3;
        st.xnumb = 1;
        QVERIFY(openModal<frmVerb>(st, [&](frmVerb &w) {
            QCOMPARE(look(w.findChild<QGroupBox *>("frmTense")), QString("hidden"));
            for (int verb = 0; verb < 8; ++verb) {
                QVERIFY(clickOption(&w, "optVerb", verb));
                QCOMPARE(label(&w, "lblVerb")->text(), option(&w, "optVerb", verb)->text());
            }
            QVERIFY(clickOption(&w, "optVerb", 0));
            QCOMPARE(st.x0, qint16(0)); // "be" still needs its complement
            button(&w, "cmdExit")->click();
        }));
        QCOMPARE(st.xvp, QString("be"));
    }

    // What each verb admits, stated in grammatical terms: every verb takes a place or
    // manner; transitive verbs an object; "go" a participle; the copula an adjective.
    void complementGroupsEachVerbAdmits_data()
    {
        QTest::addColumn<int>("verb");
        QTest::addColumn<QStringList>("groups");
        const QStringList adverbial{"optPP", "optAdv"};
        const QStringList transitive{"optPP", "optAdv", "optNP"};
        QTest::newRow("be") << 0 << QStringList{"optPP", "optAdv", "optAdj"};
        QTest::newRow("stay") << 1 << adverbial;
        QTest::newRow("bake") << 2 << transitive;
        QTest::newRow("walk") << 3 << adverbial;
        QTest::newRow("wash") << 4 << transitive;
        QTest::newRow("change") << 5 << transitive;
        QTest::newRow("study") << 6 << transitive;
        QTest::newRow("go") << 7 << QStringList{"optPP", "optAdv", "optPresP"};
    }

    void complementGroupsEachVerbAdmits()
    {
        QFETCH(int, verb);
        QFETCH(QStringList, groups);
        SentenceState st;
        QVERIFY(openModal<frmVerb>(st, [&](frmVerb &w) {
            QVERIFY(clickOption(&w, "optVerb", verb));
            button(&w, "cmdExit")->click();
        }));
        QVERIFY(openModal<frmComp>(st, [&](frmComp &w) {
            QCOMPARE(enabledComplements(&w), groups);
            // An admitted group offers all its phrases.
            for (const QString &g : groups)
                QCOMPARE(enabledIds(&w, qPrintable(g)).size(), w.findChild<QButtonGroup *>(g)->buttons().size());
        }));
    }

    // The five groups act as one choice; closing by any means keeps the last choice.
    void complementIsOneChoice()
    {
        SentenceState st;
        st.xv = "be";
        st.verbTakes = grammar::complementsOf("be");
        QVERIFY(openModal<frmComp>(st, [&](frmComp &w) {
            QCOMPARE(w.focusWidget(), button(&w, "cmdExit"));
            QCOMPARE(st.xcomp1, QString());
            QVERIFY(clickOption(&w, "optAdv", 0));
            QVERIFY(clickOption(&w, "optAdj", 2));
            QCOMPARE(st.xcomp1, QString("extremely fast"));
            QCOMPARE(checkedIds(&w, "optAdv"), QList<int>());
            QVERIFY(clickOption(&w, "optPP", 3));
            QVERIFY(clickOption(&w, "optPP", 1));
            QCOMPARE(checkedIds(&w, "optAdj"), QList<int>());
            QCOMPARE(checkedIds(&w, "optPP"), QList<int>{1});
            pressEscape(&w);
        }));
        QCOMPARE(st.xcomp1, QString("by the sea"));
    }

    void complementWithNoVerbOffersNothing()
    {
        SentenceState st;
        st.xcomp1 = "stale";
        QVERIFY(openModal<frmComp>(st, [&](frmComp &w) {
            QCOMPARE(label(&w, "lblCV")->text(), QString());
            QCOMPARE(enabledComplements(&w), QStringList());
            button(&w, "cmdExit")->click();
        }));
        QCOMPARE(st.xcomp1, QString());
    }
};

PARSELLA_GUI_TEST_MAIN(tst_Pickers)
#include "tst_pickers.moc"
