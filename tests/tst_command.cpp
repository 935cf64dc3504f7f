#include "app/frmGram1.h"
#include "sentences/frmDec.h"
#include "sentences/frmImp.h"
#include "GuiTest.h"
#include "Driver.h"
#include "Sentences.h"

#include <QPushButton>
#include <QTest>

using namespace parsella;
using namespace drive;
using namespace sentences;

static const QString start = QStringLiteral("Predicate enabled, Verb hidden, Complement hidden, Return enabled");

static void checkDesignState(QWidget *w)
{
    QCOMPARE(w->objectName(), QString("frmImp"));
    QCOMPARE(label(w, "lblDecl")->text(), QString());
    QCOMPARE(steps(w), start);
}

class tst_Command : public testsupport::GuiTest
{
    Q_OBJECT
private slots:
    void opensAtPredicate()
    {
        SentenceState st;
        st.xsubj = "Who";
        st.xsentyp = "Int";
        const bool ran = openModal<frmImp>(st, [&](frmImp &w) {
            QCOMPARE(w.windowTitle(), QString("Imperative Sentence (Command)"));
            checkDesignState(&w);
            QVERIFY(isBlack(label(&w, "lblDecl")));
            QCOMPARE(label(&w, "lblDecl")->accessibleName(), QString("Sentence"));
            QCOMPARE(st.xsentyp, QString("Imp"));
            QCOMPARE(st.xsubj, QString());
            QCOMPARE(clippedCaptions(&w), QStringList());
        });
        QVERIFY(ran);
    }

    // The predicate is all a command has: each row picks its verb and complement, leaving
    // pickers empty on the way where it says, and is checked after every step.
    void predicate_data()
    {
        QTest::addColumn<Predicate>("predicate");
        // Nothing shows before the verb, and a verb picker left empty shows nothing either.
        QTest::newRow("bake the delicious cookies")
            << Predicate{.verb = "bake", .form = "bake", .withVerb = "bake!", .complement = "the delicious cookies",
                         .sentence = "bake the delicious cookies!", .verbLeftBy = "title bar"};
        // A complement picker left without a choice does not complete the command.
        QTest::newRow("be waits for its complement")
            << Predicate{.verb = "be", .form = "be", .withVerb = "be", .complement = "ready", .sentence = "be ready!",
                         .complementLeftBy = {"Esc"}};
    }

    void predicate()
    {
        QFETCH(Predicate, predicate);
        SentenceState st;
        const bool ran = openModal<frmImp>(st, [&](frmImp &w) {
            QVERIFY(buildPredicate(&w, predicate));
            button(&w, "cmdExit")->click();
        });
        QVERIFY(ran);
        QCOMPARE(st.xsentyp, QString("Imp"));
        QCOMPARE(st.xsubj, QString());
    }

    void baseFormWithoutTenses_data()
    {
        QTest::addColumn<QString>("verb");
        QTest::addColumn<QString>("command");
        QTest::newRow("be") << "be" << "be";
        QTest::newRow("stay") << "stay" << "stay!";
        QTest::newRow("bake") << "bake" << "bake!";
        QTest::newRow("walk") << "walk" << "walk!";
        QTest::newRow("wash") << "wash" << "wash!";
        QTest::newRow("change") << "change" << "change!";
        QTest::newRow("study") << "study" << "study!";
        QTest::newRow("go") << "go" << "go!";
    }

    void baseFormWithoutTenses()
    {
        QFETCH(QString, verb);
        QFETCH(QString, command);

        // A third-person singular subject from an earlier statement must not inflect a command.
        SentenceState st;
        st.xpers = 3;
        st.xnumb = 1;
        const bool ran = openModal<frmImp>(st, [&](frmImp &w) {
            button(&w, "cmdPred")->click();
            QVERIFY(clickInto(button(&w, "cmdVP"), [&](QWidget *picker) {
                QCOMPARE(look(find(picker, "frmTense")), QString("hidden"));
                QVERIFY(clickCaption(picker, verb));
                QCOMPARE(label(picker, "lblVerb")->text(), verb);
                button(picker, "cmdExit")->click();
            }));
            QCOMPARE(st.xvp, verb);
            QCOMPARE(label(&w, "lblDecl")->text(), command);
        });
        QVERIFY(ran);
    }

    // Statement, command, question and command again, from the one main window: each window
    // starts from its design state, and each closing leaves the state as the next one expects.
    void oneSentenceAfterAnother()
    {
        frmGram1 main;
        SentenceState &st = main.state();

        QVERIFY(clickInto(button(&main, "cmdDec"), [](QWidget *w) {
            button(w, "cmdSubj")->click();
            QVERIFY(clickInto(button(w, "cmdNPP"), [](QWidget *p) {
                QVERIFY(clickCaption(p, "she"));
                button(p, "cmdExit")->click();
            }));
            button(w, "cmdPred")->click();
            QCOMPARE(pickVerb(w, "go", "Present"), QString("goes"));
            QCOMPARE(label(w, "lblDecl")->text(), QString("she goes."));
        }));
        QCOMPARE(st.xsubj, QString("she"));

        QVERIFY(clickInto(button(&main, "cmdImp"), [](QWidget *w) {
            checkDesignState(w);
            button(w, "cmdPred")->click();
            QCOMPARE(pickVerb(w, "go"), QString("go"));
            QCOMPARE(label(w, "lblDecl")->text(), QString("go!"));
            button(w, "cmdExit")->click();
        }));
        QCOMPARE(st.xsubj, QString());
        QCOMPARE(st.xsentyp, QString("Imp"));

        // Closed half-way by Esc: the next opening is fresh all the same.
        QVERIFY(clickInto(button(&main, "cmdImp"), [](QWidget *w) {
            checkDesignState(w);
            button(w, "cmdPred")->click();
            pressEscape(w);
        }));
        QCOMPARE(st.xsentyp, QString("Imp"));
        QVERIFY(clickInto(button(&main, "cmdImp"), [](QWidget *w) { checkDesignState(w); }));

        // A question after a command has its tenses back and inflects again.
        QVERIFY(clickInto(button(&main, "cmdInt"), [&](QWidget *w) {
            QCOMPARE(w->objectName(), QString("frmInt"));
            QCOMPARE(label(w, "lblDecl")->text(), QString());
            QCOMPARE(st.xsentyp, QString("Int"));
            QVERIFY(clickCaption(w, "Who"));
            button(w, "cmdPred")->click();
            QVERIFY(clickInto(button(w, "cmdVP"), [](QWidget *p) {
                QCOMPARE(look(find(p, "frmTense")), QString("enabled"));
                QVERIFY(clickCaption(p, "go"));
                button(p, "cmdExit")->click();
            }));
            QCOMPARE(label(w, "lblDecl")->text(), QString("Who goes?"));
        }));
        QCOMPARE(st.xsubj, QString("Who"));

        QVERIFY(clickInto(button(&main, "cmdImp"), [](QWidget *w) {
            checkDesignState(w);
            closeByTitleBar(w);
        }));
        QCOMPARE(st.xsubj, QString());
        QCOMPARE(st.xsentyp, QString("Imp"));
    }
};

PARSELLA_GUI_TEST_MAIN(tst_Command)
#include "tst_command.moc"
