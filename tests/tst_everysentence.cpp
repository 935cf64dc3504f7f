#include "pickers/frmComp.h"
#include "pickers/frmNPP.h"
#include "pickers/frmVerb.h"
#include "sentences/frmDec.h"
#include "sentences/frmImp.h"
#include "sentences/frmInt.h"
#include "Brackets.h"
#include "GuiTest.h"
#include "Driver.h"
#include "NounPhrases.h"

#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace parsella;
using namespace drive;

// Every sentence the worksheet can build, built through the real windows and compared with
// what English grammar says it must read. The grammar here is stated as rules (agreement,
// the -s and -ed endings, the irregular verbs, what each kind of verb admits), independently
// of the program's own tables.
namespace english {

enum class Person { First = 1, Second = 2, Third = 3 };
struct Agreement {
    Person person;
    bool plural;
};

bool endsWithAny(const QString &w, std::initializer_list<const char *> endings)
{
    for (const char *e : endings)
        if (w.endsWith(QLatin1String(e)))
            return true;
    return false;
}

bool consonantThenY(const QString &w)
{
    return w.endsWith('y') && w.size() > 1 && !QString("aeiou").contains(w.at(w.size() - 2));
}

// Third person singular present: "walks", "washes", "goes", "studies".
QString sForm(const QString &base)
{
    if (endsWithAny(base, {"s", "sh", "ch", "x", "z", "o"}))
        return base + "es";
    if (consonantThenY(base))
        return base.chopped(1) + "ies";
    return base + 's';
}

// Regular past: "walked", "baked", "studied".
QString edForm(const QString &base)
{
    if (base.endsWith('e'))
        return base + 'd';
    if (consonantThenY(base))
        return base.chopped(1) + "ied";
    return base + "ed";
}

enum class Tense { Present, Past, Future };

QString conjugate(const QString &base, Tense tense, Agreement a)
{
    const bool firstSingular = a.person == Person::First && !a.plural;
    const bool thirdSingular = a.person == Person::Third && !a.plural;
    if (tense == Tense::Future)
        return "will " + base;
    if (base == "be") {
        if (tense == Tense::Present)
            return firstSingular ? "am" : thirdSingular ? "is" : "are";
        return firstSingular || thirdSingular ? "was" : "were";
    }
    if (tense == Tense::Present)
        return thirdSingular ? sForm(base) : base;
    return base == "go" ? "went" : edForm(base);
}

// Which kinds of complement each verb takes: every verb a place or manner (prepositional
// phrase, adverb); transitive verbs an object; "go" a present participle ("go dancing");
// the copula "be" an adjective, and it cannot end a sentence without a complement.
bool admits(const QString &verb, const QString &kind)
{
    static const QStringList transitive{"bake", "wash", "change", "study"};
    if (kind == "optPP" || kind == "optAdv")
        return true;
    if (kind == "optNP")
        return transitive.contains(verb);
    if (kind == "optPresP")
        return verb == "go";
    if (kind == "optAdj")
        return verb == "be";
    return false;
}

bool needsComplement(const QString &verb) { return verb == "be"; }

} // namespace english

using namespace english;

// One predicate: a verb by its button, a tense, and a complement (group and index) or none.
struct Predicate {
    int verb;
    Tense tense;
    QString group; // empty: no complement
    int comp = -1;
};

class tst_EverySentence : public testsupport::GuiTest
{
    Q_OBJECT

    QStringList verbs;                       // base forms, by button
    QMap<QString, QStringList> complements;  // phrases of each complement group, by button
    QList<Predicate> allPredicates;
    int built = 0;

    QString expected(const QString &subject, Agreement a, const Predicate &p, QChar closing, bool command) const
    {
        const QString base = verbs.at(p.verb);
        QString text = command ? base : subject + ' ' + conjugate(base, p.tense, a);
        if (!p.group.isEmpty())
            text += ' ' + complements.value(p.group).at(p.comp);
        if (!p.group.isEmpty() || !needsComplement(base))
            text += closing;
        return text;
    }

    QStringList recordFaults; // of the sentence being built

    // The recorded structure says what the label shows: the same text and completeness,
    // and balanced bracket notation whose leaves read the label's words in order (a
    // command's understood subject aside).
    void checkRecord(const QWidget *w)
    {
        const QLabel *lbl = label(w, "lblDecl");
        const auto &record = qobject_cast<const Form *>(w)->state().record;
        const auto sentence = record.recordedSentence().value_or(parsella::grammar::Sentence{});
        QString said = lbl->text();
        if (isBlack(lbl) && !said.isEmpty())
            said.chop(1); // the closing mark
        const auto read = brackets::leaves(sentence.brackets());
        QStringList leaves;
        for (const auto &[tag, word] : read.value_or(std::vector<brackets::Leaf>{}))
            if (word != QLatin1String("(you)"))
                leaves << word;
        if (sentence.text() != lbl->text() || (!said.isEmpty() && sentence.isComplete() != isBlack(lbl))
            || !read || leaves != said.split(' ', Qt::SkipEmptyParts))
            recordFaults << QStringLiteral("\"%1\" recorded as \"%2\" %3")
                                .arg(lbl->text(), sentence.text(), sentence.brackets());
    }

    // Runs the predicate steps in the sentence window `w` and returns the label's text;
    // `black` tells its colour. The record is checked after every step.
    QString predicate(QWidget *w, const Predicate &p, bool command, bool *black)
    {
        button(w, "cmdPred")->click();
        checkRecord(w);
        if (!clickInto(button(w, "cmdVP"), [&](QWidget *v) {
                if (!command)
                    QVERIFY(clickOption(v, "optTense", int(p.tense)));
                QVERIFY(clickOption(v, "optVerb", p.verb));
                button(v, "cmdExit")->click();
            }))
            return QStringLiteral("<the verb picker did not open, or a click in it failed>");
        checkRecord(w);
        if (!p.group.isEmpty()) {
            if (!clickInto(button(w, "cmdComp"), [&](QWidget *c) {
                    QVERIFY(clickOption(c, qPrintable(p.group), p.comp));
                    button(c, "cmdExit")->click();
                }))
                return QStringLiteral("<the complement picker did not open, or a click in it failed>");
            checkRecord(w);
        }
        const QLabel *lbl = label(w, "lblDecl");
        *black = isBlack(lbl);
        if (!*black && !isRed(lbl))
            return QStringLiteral("<neither red nor black>");
        return lbl->text();
    }

    // The caller stops when this fails (QTest::currentTestFailed()): one fault, one report.
    void checkSentence(const QString &got, bool black, const QString &want, QChar closing)
    {
        ++built;
        const QStringList faults = std::exchange(recordFaults, {});
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
        QCOMPARE(got, want);
        QCOMPARE(black, want.endsWith(closing));
    }

private slots:
    void initTestCase()
    {
        // The words themselves come from the windows; which of them go together is grammar.
        SentenceState st;
        QVERIFY(openModal<frmVerb>(st, [&](frmVerb &w) {
            for (int i = 0; i < 8; ++i)
                verbs << option(&w, "optVerb", i)->text();
        }));
        QVERIFY(openModal<frmComp>(st, [&](frmComp &w) {
            for (const char *g : {"optPP", "optAdv", "optNP", "optPresP", "optAdj"})
                complements[g] = captions(&w, g);
        }));
        QCOMPARE(verbs.size(), 8);
        for (auto it = complements.cbegin(); it != complements.cend(); ++it)
            QVERIFY2(!it.value().isEmpty() && !it.value().first().startsWith("missing"), qPrintable(it.key()));
        for (int v = 0; v < verbs.size(); ++v)
            for (Tense t : {Tense::Present, Tense::Past, Tense::Future}) {
                allPredicates << Predicate{v, t, {}};
                for (auto it = complements.cbegin(); it != complements.cend(); ++it)
                    if (admits(verbs.at(v), it.key()))
                        for (int c = 0; c < it.value().size(); ++c)
                            allPredicates << Predicate{v, t, it.key(), c};
            }
        QVERIFY(allPredicates.size() > 100);
    }

    // Every pronoun with every predicate: the six persons of agreement, "you" in both numbers.
    void pronounStatements()
    {
        const struct { int button; Agreement a; } pronouns[] = {
            {0, {Person::First, false}}, {1, {Person::Second, false}}, {2, {Person::Third, false}},
            {3, {Person::Third, false}}, {4, {Person::Third, false}}, {5, {Person::First, true}},
            {6, {Person::Second, true}}, {7, {Person::Third, true}}};
        for (const auto &pronoun : pronouns) {
            for (const Predicate &p : allPredicates) {
                SentenceState st;
                QString subject, got;
                bool black = false;
                QVERIFY(openModal<frmDec>(st, [&](frmDec &w) {
                    button(&w, "cmdSubj")->click();
                    QVERIFY(clickInto(button(&w, "cmdNPP"), [&](QWidget *n) {
                        QVERIFY(clickOption(n, "optNPP", pronoun.button));
                        subject = option(n, "optNPP", pronoun.button)->text();
                        button(n, "cmdExit")->click();
                    }));
                    got = predicate(&w, p, false, &black);
                }));
                checkSentence(got, black, expected(subject, pronoun.a, p, '.', false), '.');
                if (QTest::currentTestFailed())
                    return;
            }
        }
    }

    // Every noun phrase the generator can complete, each as the subject of some statement;
    // and every predicate with a singular and a plural noun phrase.
    void nounPhraseStatements()
    {
        QList<nounphrases::Path> complete;
        SentenceState probe;
        nounphrases::walk(probe, [&](const nounphrases::Path &path, QWidget &) {
            if (probe.xnumb > 0)
                complete << path;
        });
        QVERIFY2(complete.size() >= 1000, qPrintable(QString::number(complete.size())));
        const auto state = [&](const nounphrases::Path &path, const Predicate &p) {
            SentenceState st;
            QStringList words;
            QString got;
            bool black = false;
            QVERIFY(openModal<frmDec>(st, [&](frmDec &w) {
                button(&w, "cmdSubj")->click();
                QVERIFY(clickInto(button(&w, "cmdNP"), [&](QWidget *n) {
                    for (const nounphrases::Click &c : path) {
                        QVERIFY(clickOption(n, c.group, c.index));
                        words << option(n, c.group, c.index)->text();
                    }
                    button(n, "cmdExit")->click();
                }));
                got = predicate(&w, p, false, &black);
            }));
            // A noun phrase is third person; it is plural when its head noun is, and
            // English plurals of these nouns end in -s.
            const bool plural = words.last().endsWith('s') && !words.last().endsWith("'s");
            checkSentence(got, black, expected(words.join(' '), {Person::Third, plural}, p, '.', false), '.');
        };
        for (int i = 0; i < complete.size() && !QTest::currentTestFailed(); ++i)
            state(complete.at(i), allPredicates.at((i * 31) % allPredicates.size()));
        const nounphrases::Path singular{{"optArt", 2}, {"optNoun", 0}}; // "the dog"
        const nounphrases::Path plural{{"optPPA", 0}, {"optAdj", 3}, {"optNoun", 7}}; // "my strong tools"
        for (const Predicate &p : allPredicates) {
            if (QTest::currentTestFailed())
                return;
            state(singular, p);
            state(plural, p);
        }
        qInfo("%d noun phrase subjects", int(complete.size()));
    }

    // Every question subject the window can build, each with some predicate; and every
    // predicate with "Who" and with a singular and a plural "Which" subject.
    void questions()
    {
        SentenceState probe;
        QStringList adverbs, adjectives, nouns;
        QVERIFY(openModal<frmInt>(probe, [&](frmInt &w) {
            adverbs = captions(&w, "optAdv");
            adjectives = captions(&w, "optAdj");
            nouns = captions(&w, "optNoun");
        }));
        // A missing group reads as one caption: each holds several words.
        QVERIFY(adverbs.size() > 1 && adjectives.size() > 1 && nouns.size() > 1);

        // A subject is a click path: "Who", or "Which" (adverb and adjective, or an adjective
        // alone, or neither) and a noun. -1 leaves a group out.
        struct Path { int wh, adv, adj, noun; };
        QList<Path> paths{{0, -1, -1, -1}};
        for (int n = 0; n < nouns.size(); ++n) {
            paths << Path{1, -1, -1, n};
            for (int a = 0; a < adjectives.size(); ++a) {
                paths << Path{1, -1, a, n};
                for (int v = 0; v < adverbs.size(); ++v)
                    paths << Path{1, v, a, n};
            }
        }
        const auto ask = [&](const Path &path, const Predicate &p) {
            SentenceState st;
            QString got, subject = path.wh == 0 ? "Who" : "Which";
            for (const QString &word : {path.adv < 0 ? QString() : adverbs.at(path.adv),
                                        path.adj < 0 ? QString() : adjectives.at(path.adj),
                                        path.noun < 0 ? QString() : nouns.at(path.noun)})
                if (!word.isEmpty())
                    subject += ' ' + word;
            // "Who" agrees as a singular; a "Which" subject as its noun, and English plurals
            // of these nouns end in -s.
            const bool plural = path.noun >= 0 && nouns.at(path.noun).endsWith('s');
            bool black = false;
            QVERIFY(openModal<frmInt>(st, [&](frmInt &w) {
                QVERIFY(clickOption(&w, "optWh", path.wh));
                if (path.adv >= 0)
                    QVERIFY(clickOption(&w, "optAdv", path.adv));
                if (path.adj >= 0)
                    QVERIFY(clickOption(&w, "optAdj", path.adj));
                if (path.noun >= 0)
                    QVERIFY(clickOption(&w, "optNoun", path.noun));
                got = predicate(&w, p, false, &black);
            }));
            checkSentence(got, black, expected(subject, {Person::Third, plural}, p, '?', false), '?');
        };
        for (int i = 0; i < paths.size() && !QTest::currentTestFailed(); ++i)
            ask(paths.at(i), allPredicates.at((i * 37) % allPredicates.size()));
        const Path classes[] = {{0, -1, -1, -1}, {1, 1, 1, 2}, {1, -1, 0, 1}}; // Who, singular, plural
        for (const Path &path : classes)
            for (const Predicate &p : allPredicates) {
                if (QTest::currentTestFailed())
                    return;
                ask(path, p);
            }
        qInfo("%d question subjects", int(paths.size()));
    }

    // Every command: the base form, with or without each complement the verb admits.
    void commands()
    {
        for (const Predicate &p : allPredicates) {
            if (p.tense != Tense::Present)
                continue; // a command has no tense
            SentenceState st;
            st.xsubj = "she"; // left by an earlier statement: a command must not use it
            st.xpers = 3;
            st.xnumb = 1;
            QString got;
            bool black = false;
            QVERIFY(openModal<frmImp>(st, [&](frmImp &w) { got = predicate(&w, p, true, &black); }));
            checkSentence(got, black, expected({}, {Person::Second, false}, p, '!', true), '!');
            if (QTest::currentTestFailed())
                return;
        }
    }

    void cleanupTestCase() { qInfo("%d sentences built and checked", built); }
};

PARSELLA_GUI_TEST_MAIN(tst_EverySentence)
#include "tst_everysentence.moc"
