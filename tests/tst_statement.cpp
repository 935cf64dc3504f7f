#include "sentences/frmDec.h"
#include "GuiTest.h"
#include "Driver.h"
#include "Sentences.h"

#include <QPushButton>
#include <QTest>

using namespace parsella;
using namespace drive;
using namespace sentences;

// Statements built through the real statement window and its real pickers, checked after
// every step for what the learner sees: the sentence, its colour and the buttons on offer.
class tst_Statement : public testsupport::GuiTest
{
    Q_OBJECT

    // The buttons of the statement window, in one line a test can compare:
    // Subject, Noun Phrase, Pronoun, Predicate, Verb Phrase, Complement, Return.
    static QString buttons(const QWidget *w)
    {
        QStringList parts;
        for (const char *name : {"cmdSubj", "cmdNP", "cmdNPP", "cmdPred", "cmdVP", "cmdComp", "cmdExit"})
            parts << look(button(w, name));
        return parts.join(' ');
    }

    // Builds pronoun + verb (+ complement) and returns the label as the learner sees it, or
    // a text no sentence reads if a window did not open or a step failed.
    static QString statement(SentenceState &st, int pronoun, int verb, int tense,
                             const char *compGroup = nullptr, int comp = 0, bool *black = nullptr)
    {
        QString text;
        const bool ran = openModal<frmDec>(st, [&](frmDec &w) {
            button(&w, "cmdSubj")->click();
            QVERIFY(choosePronoun(&w, pronoun));
            button(&w, "cmdPred")->click();
            QVERIFY(chooseVerb(&w, verb, tense));
            if (compGroup)
                QVERIFY(chooseComplement(&w, compGroup, comp));
            text = label(&w, "lblDecl")->text();
            if (black)
                *black = isBlack(label(&w, "lblDecl"));
            button(&w, "cmdExit")->click();
        });
        return ran ? text : QStringLiteral("<not built: a window did not open or a step failed>");
    }

private slots:
    void everyStepOfAStatement()
    {
        SentenceState st;
        const bool ran = openModal<frmDec>(st, [&](frmDec &w) {
            QLabel *lbl = label(&w, "lblDecl");
            QCOMPARE(st.xsentyp, QString("Dec"));
            QCOMPARE(lbl->text(), QString());
            QCOMPARE(buttons(&w), QString("enabled hidden hidden disabled hidden hidden enabled"));

            button(&w, "cmdSubj")->click();
            QCOMPARE(buttons(&w), QString("disabled enabled enabled disabled hidden hidden enabled"));

            QVERIFY(choosePronoun(&w, 3)); // "she"
            QCOMPARE(lbl->text(), QString("she"));
            QVERIFY(isRed(lbl));
            QCOMPARE(buttons(&w), QString("disabled hidden hidden enabled hidden hidden enabled"));

            button(&w, "cmdPred")->click();
            QCOMPARE(buttons(&w), QString("disabled hidden hidden disabled enabled disabled enabled"));

            QVERIFY(chooseVerb(&w, 3)); // "walk", present
            QCOMPARE(lbl->text(), QString("she walks."));
            QVERIFY(isBlack(lbl));
            QCOMPARE(buttons(&w), QString("disabled hidden hidden disabled hidden enabled enabled"));

            QVERIFY(chooseComplement(&w, "optAdv", 0)); // "here"
            QCOMPARE(lbl->text(), QString("she walks here."));
            QVERIFY(isBlack(lbl));
            QCOMPARE(buttons(&w), QString("disabled hidden hidden disabled hidden hidden enabled"));
            button(&w, "cmdExit")->click();
        });
        QVERIFY(ran);
    }

    // The predicate after a pronoun, checked after every step.
    void predicate_data()
    {
        QTest::addColumn<int>("pronoun");
        QTest::addColumn<Predicate>("predicate");
        QTest::newRow("be stays red until its complement")
            << 3 << Predicate{.verb = "be", .tense = "Present", .form = "is", .withVerb = "she is", .complement = "ready",
                              .sentence = "she is ready."};
    }

    void predicate()
    {
        QFETCH(int, pronoun);
        QFETCH(Predicate, predicate);
        SentenceState st;
        const bool ran = openModal<frmDec>(st, [&](frmDec &w) {
            button(&w, "cmdSubj")->click();
            QVERIFY(choosePronoun(&w, pronoun));
            QVERIFY(buildPredicate(&w, predicate));
            QLabel *lbl = label(&w, "lblDecl");
            QCOMPARE(lbl->accessibleName(), QString("Sentence"));
            QCOMPARE(lbl->accessibleDescription(), QString("complete"));
        });
        QVERIFY(ran);
    }

    // A picker closed without a choice leaves the statement exactly as it was.
    void pickersClosedWithoutAChoiceChangeNothing()
    {
        SentenceState st;
        const bool ran = openModal<frmDec>(st, [&](frmDec &w) {
            QLabel *lbl = label(&w, "lblDecl");
            button(&w, "cmdSubj")->click();
            QVERIFY(clickInto(button(&w, "cmdNPP"), [](QWidget *p) { button(p, "cmdExit")->click(); }));
            QCOMPARE(lbl->text(), QString());
            QCOMPARE(buttons(&w), QString("disabled enabled enabled disabled hidden hidden enabled"));

            QVERIFY(choosePronoun(&w, 7)); // "they"
            button(&w, "cmdPred")->click();
            QVERIFY(clickInto(button(&w, "cmdVP"), [](QWidget *p) { button(p, "cmdExit")->click(); }));
            QVERIFY(clickInto(button(&w, "cmdVP"), [&](QWidget *p) {
                QVERIFY(clickOption(p, "optVerb", 2)); // chosen, then closed by Esc: no verb phrase
                QCOMPARE(st.record.shown()->text(), QString("they bake.")); // the tree grows with it
                pressEscape(p);
            }));
            QCOMPARE(lbl->text(), QString("they"));
            QVERIFY(isRed(lbl));
            QVERIFY(st.record.shown() == st.record.recordedSentence());
            QCOMPARE(st.record.shown()->text(), QString("they"));
            QCOMPARE(buttons(&w), QString("disabled hidden hidden disabled enabled disabled enabled"));

            QVERIFY(chooseVerb(&w, 2, 1)); // "bake", past
            QCOMPARE(lbl->text(), QString("they baked."));
            QVERIFY(clickInto(button(&w, "cmdComp"), [](QWidget *p) { button(p, "cmdExit")->click(); }));
            QCOMPARE(lbl->text(), QString("they baked."));
            QVERIFY(isBlack(lbl));
            QCOMPARE(look(button(&w, "cmdComp")), QString("enabled"));
        });
        QVERIFY(ran);
    }

    // The complement replaces the full stop of a sentence that was already complete;
    // a sentence never ends in two closing marks.
    void completeSentenceGetsOneFullStop()
    {
        SentenceState st;
        bool black = false;
        QCOMPARE(statement(st, 5, 2, 2, "optNP", 1, &black), QString("we will bake the delicious cookies."));
        QVERIFY(black);
        QCOMPARE(statement(st, 7, 0, 1, "optPP", 0, &black), QString("they were in the mountains."));
        QCOMPARE(statement(st, 0, 0, 0, "optAdj", 0, &black), QString("I am ready."));
        QCOMPARE(statement(st, 2, 7, 0, "optPresP", 0, &black), QString("he goes dancing."));
        QCOMPARE(statement(st, 1, 6, 1, "optAdv", 1, &black), QString("you studied everywhere."));
    }

    // Agreement through the real pickers: every pronoun with "be" and with a regular verb,
    // in each tense, against the rules of English agreement stated here.
    void agreement_data()
    {
        QTest::addColumn<int>("pronoun");
        QTest::addColumn<QString>("word");
        QTest::addColumn<bool>("firstSingular");
        QTest::addColumn<bool>("thirdSingular");
        const struct { const char *word; bool first, third; } pronouns[] = {
            {"I", true, false}, {"you", false, false}, {"he", false, true}, {"she", false, true},
            {"it", false, true}, {"we", false, false}, {"you", false, false}, {"they", false, false}};
        for (int i = 0; i < 8; ++i)
            QTest::newRow(qPrintable(QString("%1:%2").arg(i).arg(pronouns[i].word)))
                << i << QString(pronouns[i].word) << pronouns[i].first << pronouns[i].third;
    }

    void agreement()
    {
        QFETCH(int, pronoun);
        QFETCH(QString, word);
        QFETCH(bool, firstSingular);
        QFETCH(bool, thirdSingular);
        SentenceState st;
        bool black = false;

        const QString be[3] = {firstSingular ? "am" : thirdSingular ? "is" : "are",
                               firstSingular || thirdSingular ? "was" : "were", "will be"};
        for (int tense = 0; tense < 3; ++tense) {
            QCOMPARE(statement(st, pronoun, 0, tense, nullptr, 0, &black), word + ' ' + be[tense]);
            QVERIFY(!black);
        }
        // A regular verb adds -s only for the third person singular in the present.
        const QString walk[3] = {thirdSingular ? "walks" : "walk", "walked", "will walk"};
        for (int tense = 0; tense < 3; ++tense) {
            QCOMPARE(statement(st, pronoun, 3, tense, nullptr, 0, &black), word + ' ' + walk[tense] + '.');
            QVERIFY(black);
        }
    }

    // Every way of closing the statement window leaves it to start afresh next time, and
    // the subject of the last sentence stays in the shared state.
    void reopenedWindowStartsAfresh()
    {
        SentenceState st;
        QCOMPARE(statement(st, 3, 3, 0, "optAdv", 0), QString("she walks here."));
        for (auto close : {+[](QWidget *w) { button(w, "cmdExit")->click(); }, +[](QWidget *w) { pressEscape(w); },
                           +[](QWidget *w) { closeByTitleBar(w); }}) {
            const bool ran = openModal<frmDec>(st, [&](frmDec &w) {
                QCOMPARE(label(&w, "lblDecl")->text(), QString());
                QCOMPARE(buttons(&w), QString("enabled hidden hidden disabled hidden hidden enabled"));
                button(&w, "cmdSubj")->click();
                close(&w);
                QVERIFY(!w.isVisible());
            });
            QVERIFY(ran);
        }
        QCOMPARE(st.xsubj, QString("she"));
        QCOMPARE(st.xnumb, qint16(1));
    }
};

PARSELLA_GUI_TEST_MAIN(tst_Statement)
#include "tst_statement.moc"
