#include "grammar/Conjugation.h"

#include "grammar/Lexicon.h"

#include <array>

namespace parsella::grammar {

namespace {

// Every form each verb takes, and what it admits after it. Nothing is inflected by rule: the
// forms are the words the verb picker shows, so a learner never meets a made-up form.
struct Verb {
    const char *base;
    bool endsSentence;
    VerbComplements takes; // a place, an object, an -ing word, an adjective
    const char *present1st;   // first person singular
    const char *present3rd;   // third person singular
    const char *presentOther; // every other subject
    const char *past1st3rd;   // first or third person singular
    const char *pastOther;
};

constexpr std::array<Verb, 8> table{{
    //                         place  object -ing   adjective   present: 1st  3rd     other    past: 1st/3rd other
    {"be", false, {true, false, false, true}, "am", "is", "are", "was", "were"},
    {"stay", true, {true, false, false, false}, "stay", "stays", "stay", "stayed", "stayed"},
    {"bake", true, {true, true, false, false}, "bake", "bakes", "bake", "baked", "baked"},
    {"walk", true, {true, false, false, false}, "walk", "walks", "walk", "walked", "walked"},
    {"wash", true, {true, true, false, false}, "wash", "washes", "wash", "washed", "washed"},
    {"change", true, {true, true, false, false}, "change", "changes", "change", "changed", "changed"},
    {"study", true, {true, true, false, false}, "study", "studies", "study", "studied", "studied"},
    {"go", true, {true, false, true, false}, "go", "goes", "go", "went", "went"},
}};

const Verb *find(const QString &base)
{
    for (const Verb &verb : table) {
        if (base == QLatin1String(verb.base))
            return &verb;
    }
    return nullptr;
}

} // namespace

const QStringList &verbs()
{
    static const QStringList all = [] {
        QStringList list;
        for (const Verb &verb : table)
            list << QString::fromLatin1(verb.base);
        return list;
    }();
    return all;
}

bool endsSentence(const QString &base)
{
    const Verb *verb = find(base);
    return verb && verb->endsSentence;
}

VerbComplements complementsOf(const QString &base)
{
    const Verb *verb = find(base);
    return verb ? verb->takes : VerbComplements{};
}

QString conjugate(const QString &base, Tense tense, Agreement subject)
{
    const Verb *verb = find(base);
    if (!verb)
        return {};
    // An unknown subject falls among the "other" subjects, as the verb picker has always done.
    const bool firstSingular = subject.person == 1 && subject.number == 1;
    const bool thirdSingular = subject.person == 3 && subject.number == 1;
    switch (tense) {
    case Tense::Present:
        return QString::fromLatin1(firstSingular ? verb->present1st : thirdSingular ? verb->present3rd : verb->presentOther);
    case Tense::Past:
        return QString::fromLatin1(firstSingular || thirdSingular ? verb->past1st3rd : verb->pastOther);
    case Tense::Future:
        return QStringLiteral("will ") + base;
    }
    return {};
}

QString baseOf(const QString &form)
{
    for (const Verb &verb : table) {
        const QString base = QString::fromLatin1(verb.base);
        for (const char *f : {verb.base, verb.present1st, verb.present3rd, verb.presentOther, verb.past1st3rd, verb.pastOther}) {
            if (form == QLatin1String(f))
                return base;
        }
        if (form == QStringLiteral("will ") + base)
            return base;
    }
    return {};
}

std::optional<Tense> tenseOf(const QString &form, Agreement subject)
{
    const QString base = baseOf(form);
    if (base.isEmpty())
        return std::nullopt;
    for (Tense tense : {Tense::Present, Tense::Past, Tense::Future}) {
        if (conjugate(base, tense, subject) == form)
            return tense;
    }
    return std::nullopt;
}

QList<Agreement> agreementsOf(const Node &subject)
{
    const QStringList said = subject.saidWords();
    if (said.size() == 1) {
        static const QList<std::pair<const char *, QList<Agreement>>> pronouns{
            {"I", {{1, 1}}}, {"you", {{2, 1}, {2, 2}}}, {"he", {{3, 1}}}, {"she", {{3, 1}}},
            {"it", {{3, 1}}}, {"we", {{1, 2}}}, {"they", {{3, 2}}}, {"Who", {{3, 1}}}};
        for (const auto &[pronoun, agreements] : pronouns) {
            if (said.first() == QLatin1String(pronoun))
                return agreements;
        }
    }
    // A noun phrase agrees as its head, the last noun said: "a lady's pretty hands" is plural.
    for (auto word = said.crbegin(); word != said.crend(); ++word) {
        if (partOfSpeech(*word) == Label::N)
            return {{3, isPlural(*word) ? 2 : 1}};
    }
    return {};
}

} // namespace parsella::grammar
