#include "app/frmGram1.h"
#include "sentences/frmInt.h"
#include "GuiTest.h"
#include "Driver.h"
#include "Sentences.h"

#include <QGroupBox>
#include <QPushButton>
#include <QTest>

using namespace parsella;
using namespace drive;
using namespace sentences;

// The question-word, adjective and noun frames as a learner sees them.
static QString builder(const QWidget *w)
{
    return QStringLiteral("Who/Which %1, Adjective %2, Noun %3")
        .arg(look(find(w, "fraWh")), look(find(w, "fraAdj")), look(find(w, "fraNoun")));
}

// Clicks the words of a subject one after the other: "Which very small dogs".
static bool clickWords(QWidget *w, const QString &words)
{
    const QStringList list = words.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString &word : list)
        if (!clickCaption(w, word))
            return false;
    return true;
}

static const QString start = QStringLiteral("Predicate hidden, Verb hidden, Complement hidden, Return enabled");
static const QString subjectDone = QStringLiteral("Predicate enabled, Verb hidden, Complement hidden, Return enabled");

// What a question window must look like when it has just opened.
static void checkDesignState(frmInt &w)
{
    QLabel *lbl = label(&w, "lblDecl");
    QCOMPARE(lbl->text(), QString());
    QCOMPARE(steps(&w), start);
    QCOMPARE(builder(&w), QString("Who/Which enabled, Adjective hidden, Noun hidden"));
    for (const char *group : {"optWh", "optAdv", "optAdj", "optNoun"})
        QVERIFY2(checkedIds(&w, group).isEmpty(), group);
    QCOMPARE(enabledIds(&w, "optWh"), QList<int>({0, 1}));
}

class tst_Question : public testsupport::GuiTest
{
    Q_OBJECT
private slots:
    void opensWithoutSubject()
    {
        // Leftovers of a statement, which a question must not start from.
        SentenceState st;
        st.xsubj = "she";
        st.xsentyp = "Dec";
        const bool ran = openModal<frmInt>(st, [&](frmInt &w) {
            QCOMPARE(w.windowTitle(), QString("Interrogative Sentence (Question)"));
            checkDesignState(w);
            QVERIFY(isBlack(label(&w, "lblDecl")));
            QCOMPARE(label(&w, "lblDecl")->accessibleName(), QString("Sentence"));
            QCOMPARE(st.xsentyp, QString("Int"));
            QCOMPARE(st.xsubj, QString());
            // The adverbs are a frame of their own inside the adjective frame.
            QCOMPARE(find(&w, "fraAdv")->parentWidget(), find(&w, "fraAdj"));
            QVERIFY(find(&w, "fraNoun")->font().bold());
            QVERIFY(!find(&w, "optNoun(0)")->font().bold());
            QCOMPARE(clippedCaptions(&w), QStringList());
        });
        QVERIFY(ran);
    }

    void subjectRules_data()
    {
        QTest::addColumn<QString>("words");
        QTest::addColumn<QString>("subject");
        QTest::addColumn<int>("number");
        QTest::addColumn<QList<int>>("nouns");      // enabled noun buttons
        QTest::addColumn<QList<int>>("adjective");  // selected adjective button
        QTest::addColumn<bool>("complete");

        const QList<int> all{0, 1, 2, 3, 4, 5, 6, 7};
        // The state starts with number 2 from an earlier sentence: "Which" leaves it alone.
        QTest::newRow("who") << "Who" << "Who" << 1 << all << QList<int>{} << true;
        QTest::newRow("which keeps the earlier number") << "Which" << "Which" << 2 << all << QList<int>{} << false;
        QTest::newRow("which then adjective") << "Which small" << "Which small" << 0 << all << QList<int>{0} << false;
        QTest::newRow("which then adjective and noun")
            << "Which small dogs" << "Which small dogs" << 2 << all << QList<int>{} << true;
        QTest::newRow("which then noun") << "Which dog" << "Which dog" << 1 << all << QList<int>{} << true;
        QTest::newRow("adverb disables nouns") << "Which very" << "Which very" << 0 << QList<int>{} << QList<int>{} << false;
        QTest::newRow("adjective after adverb enables nouns")
            << "Which very small" << "Which very small" << 0 << all << QList<int>{0} << false;
        QTest::newRow("adverb after adjective clears it")
            << "Which small very" << "Which very" << 0 << QList<int>{} << QList<int>{} << false;
        QTest::newRow("same adverb again clears the adjective")
            << "Which very small very" << "Which very" << 0 << QList<int>{} << QList<int>{} << false;
        QTest::newRow("later adverb replaces earlier") << "Which very extremely" << "Which extremely" << 0
                                                       << QList<int>{} << QList<int>{} << false;
        QTest::newRow("later adjective replaces earlier")
            << "Which strong interesting" << "Which interesting" << 0 << all << QList<int>{1} << false;
        QTest::newRow("longest subject") << "Which extremely pretty images" << "Which extremely pretty images" << 2
                                         << all << QList<int>{2} << true;
        QTest::newRow("adverb in between") << "Which small very pretty hand" << "Which very pretty hand" << 1 << all
                                           << QList<int>{2} << true;
    }

    void subjectRules()
    {
        QFETCH(QString, words);
        QFETCH(QString, subject);
        QFETCH(int, number);
        QFETCH(QList<int>, nouns);
        QFETCH(QList<int>, adjective);
        QFETCH(bool, complete);

        SentenceState st;
        st.xnumb = 2;
        st.xpers = 1;
        const bool ran = openModal<frmInt>(st, [&](frmInt &w) {
            QVERIFY(clickWords(&w, words));
            QLabel *lbl = label(&w, "lblDecl");
            QCOMPARE(lbl->text(), subject);
            QVERIFY(isRed(lbl));
            QCOMPARE(st.xsubj, subject);
            QCOMPARE(int(st.xnumb), number);
            QCOMPARE(int(st.xpers), complete ? 3 : 1);
            if (complete) {
                // The subject is fixed: no word group is left to click.
                QCOMPARE(builder(&w), QString("Who/Which disabled, Adjective hidden, Noun hidden"));
                QCOMPARE(steps(&w), subjectDone);
            } else {
                QCOMPARE(builder(&w), QString("Who/Which disabled, Adjective enabled, Noun enabled"));
                QCOMPARE(steps(&w), start);
                QCOMPARE(enabledIds(&w, "optNoun"), nouns);
                QCOMPARE(checkedIds(&w, "optAdj"), adjective);
                QCOMPARE(enabledIds(&w, "optAdj"), QList<int>({0, 1, 2, 3}));
                QCOMPARE(checkedIds(&w, "optNoun"), QList<int>());
                QCOMPARE(look(find(&w, "fraAdv")), QString("enabled"));
                QCOMPARE(enabledIds(&w, "optAdv"), QList<int>({0, 1}));
            }
        });
        QVERIFY(ran);
    }

    void nounsAlternateSingularPlural()
    {
        const QList<std::pair<QString, int>> nouns{{"dog", 1},   {"dogs", 2},  {"image", 1}, {"images", 2},
                                                   {"hand", 1},  {"hands", 2}, {"tool", 1},  {"tools", 2}};
        for (const auto &[noun, number] : nouns) {
            SentenceState st;
            const bool ran = openModal<frmInt>(st, [&](frmInt &w) {
                QVERIFY(clickWords(&w, "Which pretty " + noun));
                QCOMPARE(st.xsubj, "Which pretty " + noun);
            });
            QVERIFY(ran);
            QCOMPARE(int(st.xnumb), number);
            QCOMPARE(int(st.xpers), 3);
        }
    }

    // The predicate after a subject: each row picks its verb (and complement), leaving
    // pickers empty on the way where it says, and is checked after every step.
    void predicate_data()
    {
        QTest::addColumn<QString>("subject");
        QTest::addColumn<Predicate>("predicate");

        const struct {
            const char *subject, *verb, *tense, *question; // a question without "?" still needs its complement
        } agreement[] = {
            {"Who", "be", "Present", "Who is"},
            {"Who", "be", "Past", "Who was"},
            {"Who", "be", "Future", "Who will be"},
            {"Who", "study", "Present", "Who studies?"},
            {"Who", "study", "Past", "Who studied?"},
            {"Who", "study", "Future", "Who will study?"},
            {"Which dog", "be", "Present", "Which dog is"},
            {"Which dog", "be", "Past", "Which dog was"},
            {"Which dog", "be", "Future", "Which dog will be"},
            {"Which dog", "wash", "Present", "Which dog washes?"},
            {"Which dog", "wash", "Past", "Which dog washed?"},
            {"Which dog", "wash", "Future", "Which dog will wash?"},
            {"Which dogs", "be", "Present", "Which dogs are"},
            {"Which dogs", "be", "Past", "Which dogs were"},
            {"Which dogs", "be", "Future", "Which dogs will be"},
            {"Which dogs", "wash", "Present", "Which dogs wash?"},
            {"Which dogs", "wash", "Past", "Which dogs washed?"},
            {"Which dogs", "wash", "Future", "Which dogs will wash?"},
            {"Which very strong hand", "go", "Present", "Which very strong hand goes?"},
            {"Which extremely pretty images", "be", "Present", "Which extremely pretty images are"},
            {"Which interesting tools", "go", "Past", "Which interesting tools went?"},
        };
        for (const auto &row : agreement)
            QTest::addRow("%s %s %s", row.subject, row.verb, row.tense)
                << row.subject << Predicate{.verb = row.verb, .tense = row.tense, .withVerb = row.question};

        QTest::newRow("who walks everywhere")
            << "Who"
            << Predicate{.verb = "walk", .tense = "Present", .form = "walks", .withVerb = "Who walks?",
                         .complement = "everywhere", .sentence = "Who walks everywhere?"};
        QTest::newRow("which small dogs will go dancing")
            << "Which small dogs"
            << Predicate{.verb = "go", .tense = "Future", .form = "will go", .withVerb = "Which small dogs will go?",
                         .complement = "dancing", .sentence = "Which small dogs will go dancing?"};
        // "be" needs its complement: still red, no question mark, Complement offered.
        QTest::newRow("who was here after empty pickers")
            << "Who"
            << Predicate{.verb = "be", .tense = "Past", .form = "was", .withVerb = "Who was", .complement = "here",
                         .sentence = "Who was here?", .verbLeftBy = "Esc", .complementLeftBy = {"title bar", "Return"}};
    }

    void predicate()
    {
        QFETCH(QString, subject);
        QFETCH(Predicate, predicate);

        SentenceState st;
        st.xpers = 1; // as "I" would have left it: the question subject must overwrite it
        st.xnumb = 1;
        const bool ran = openModal<frmInt>(st, [&](frmInt &w) {
            QVERIFY(clickWords(&w, subject));
            QVERIFY(buildPredicate(&w, predicate));
            button(&w, "cmdExit")->click();
        });
        QVERIFY(ran);
        QCOMPARE(st.xsentyp, QString("Int"));
        QCOMPARE(st.xsubj, subject);
    }

    // Each word moves the focus on to the next group the subject still needs, never to Return,
    // where a second Space would close the window on an unfinished question.
    void focusGoesOnToTheNextStep()
    {
        SentenceState st;
        const bool ran = openModal<frmInt>(st, [&](frmInt &w) {
            QVERIFY(clickCaption(&w, "Which"));
            const std::pair<const char *, const char *> steps[] = {
                {"extremely", "optAdj"}, {"strong", "optNoun"}, {"very", "optAdj"}, {"pretty", "optNoun"}, {"tools", "cmdPred"}};
            for (const auto &[word, next] : steps) {
                QWidget *clicked = optionShowing(&w, QLatin1String(word));
                QVERIFY(clicked);
                clicked->setFocus(); // a learner's click puts the focus on the option first
                QVERIFY(clickCaption(&w, word));
                QWidget *focus = w.focusWidget();
                QVERIFY2(focus && focus->isEnabled() && focus->isVisible(), word);
                auto *inGroup = qobject_cast<QAbstractButton *>(focus);
                const QString landed = inGroup && inGroup->group() ? inGroup->group()->objectName() : focus->objectName();
                QCOMPARE(landed, QString(next));
            }
        });
        QVERIFY(ran);
    }

    void longestQuestionFits()
    {
        SentenceState st;
        const bool ran = openModal<frmInt>(st, [&](frmInt &w) {
            QVERIFY(clickWords(&w, "Which extremely interesting images"));
            QCOMPARE(clippedCaptions(&w), QStringList());
            button(&w, "cmdPred")->click();
            QCOMPARE(pickVerb(&w, "change", "Future"), QString("will change"));
            QVERIFY(pickComplement(&w, "the delicious cookies"));
            QCOMPARE(label(&w, "lblDecl")->text(),
                     QString("Which extremely interesting images will change the delicious cookies?"));
            QCOMPARE(clippedCaptions(&w), QStringList());
        });
        QVERIFY(ran);
    }

    // Every way of closing leaves a fresh window for the next opening from the main window.
    void reopensInDesignState()
    {
        frmGram1 main;
        SentenceState &st = main.state();
        QAbstractButton *cmdInt = button(&main, "cmdInt");

        QVERIFY(clickInto(cmdInt, [](QWidget *w) {
            QVERIFY(clickWords(w, "Which very"));
            pressEscape(w);
        }));
        QCOMPARE(st.xsubj, QString("Which very"));
        QCOMPARE(st.xnumb, qint16(0));

        QVERIFY(clickInto(cmdInt, [&](QWidget *w) {
            checkDesignState(*qobject_cast<frmInt *>(w));
            QCOMPARE(st.xsubj, QString());
            QVERIFY(clickCaption(w, "Who"));
            button(w, "cmdPred")->click();
            closeByTitleBar(w);
        }));
        QVERIFY(clickInto(cmdInt, [&](QWidget *w) {
            checkDesignState(*qobject_cast<frmInt *>(w));
            QVERIFY(clickWords(w, "Which strong tools"));
            button(w, "cmdPred")->click();
            QCOMPARE(pickVerb(w, "bake", "Past"), QString("baked"));
            button(w, "cmdExit")->click();
        }));
        QCOMPARE(st.xsubj, QString("Which strong tools"));
        QCOMPARE(st.xsentyp, QString("Int"));
        QVERIFY(clickInto(cmdInt, [](QWidget *w) { checkDesignState(*qobject_cast<frmInt *>(w)); }));
    }
};

PARSELLA_GUI_TEST_MAIN(tst_Question)
#include "tst_question.moc"
