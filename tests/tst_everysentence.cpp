#include "Application.h"
#include "Driver.h"
#include "frmComp.h"
#include "frmDec.h"
#include "frmNPP.h"
#include "frmVerb.h"

#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace parsella;
using namespace drive;

// Every sentence the worksheet can build, built through the real windows and compared with
// what English grammar says it must read. The grammar here is stated as rules (agreement,
// the -s and -ed endings, the irregular verbs, what each kind of verb admits), independently
// of the program's own tables.
namespace grammar {

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

} // namespace grammar

using namespace grammar;

// One predicate: a verb by its button, a tense, and a complement (group and index) or none.
struct Predicate {
    int verb;
    Tense tense;
    QString group; // empty: no complement
    int comp = -1;
};

class tst_EverySentence : public QObject
{
    Q_OBJECT

    QStringList verbs;                       // base forms, by button
    QMap<QString, QStringList> complements;  // phrases of each complement group, by button
    QList<Predicate> allPredicates;
    int built = 0;

    static QString mark(QChar m) { return QString(m); }

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

    // Runs the predicate steps in the sentence window `w` and returns the label's text;
    // `black` tells its colour.
    static QString predicate(QWidget *w, const Predicate &p, bool command, bool *black)
    {
        button(w, "cmdPred")->click();
        clickInto(button(w, "cmdVP"), [&](QWidget *v) {
            if (!command)
                clickOption(v, "optTense", int(p.tense));
            clickOption(v, "optVerb", p.verb);
            button(v, "cmdExit")->click();
        });
        if (!p.group.isEmpty()) {
            clickInto(button(w, "cmdComp"), [&](QWidget *c) {
                clickOption(c, qPrintable(p.group), p.comp);
                button(c, "cmdExit")->click();
            });
        }
        const QLabel *lbl = label(w, "lblDecl");
        *black = isBlack(lbl);
        if (!*black && !isRed(lbl))
            return QStringLiteral("<neither red nor black>");
        return lbl->text();
    }

    void checkSentence(const QString &got, bool black, const QString &want, QChar closing)
    {
        ++built;
        QCOMPARE(got, want);
        QCOMPARE(black, want.endsWith(closing));
    }

private slots:
    void initTestCase()
    {
        configureApplication(*qobject_cast<QApplication *>(qApp));
        // The words themselves come from the windows; which of them go together is grammar.
        SentenceState st;
        openModal<frmVerb>(st, [&](frmVerb &w) {
            for (int i = 0; i < 8; ++i)
                verbs << option(&w, "optVerb", i)->text();
        });
        openModal<frmComp>(st, [&](frmComp &w) {
            for (const char *g : {"optPP", "optAdv", "optNP", "optPresP", "optAdj"})
                for (QAbstractButton *b : w.findChild<QButtonGroup *>(g)->buttons())
                    complements[g] << b->text();
        });
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
                openModal<frmDec>(st, [&](frmDec &w) {
                    button(&w, "cmdSubj")->click();
                    clickInto(button(&w, "cmdNPP"), [&](QWidget *n) {
                        clickOption(n, "optNPP", pronoun.button);
                        subject = option(n, "optNPP", pronoun.button)->text();
                        button(n, "cmdExit")->click();
                    });
                    got = predicate(&w, p, false, &black);
                });
                checkSentence(got, black, expected(subject, pronoun.a, p, '.', false), '.');
            }
        }
    }

    void cleanupTestCase() { qInfo("%d sentences built and checked", built); }
};

QTEST_MAIN(tst_EverySentence)
#include "tst_everysentence.moc"
