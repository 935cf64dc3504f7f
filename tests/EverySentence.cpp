#include "EverySentence.h"

#include "grammar/Admission.h"
#include "grammar/Conjugation.h"
#include "grammar/Lexicon.h"
#include "grammar/Phrases.h"

#include <functional>

using namespace parsella::grammar;

namespace everysentence {

namespace {

struct Predicate {
    QString verb; // base form
    Tense tense;
    QString complement; // empty: none
};

// Every verb, tense and complement the complement picker would enable after it.
QList<Predicate> predicates()
{
    QList<Predicate> all;
    for (const QString &verb : verbs()) {
        for (Tense tense : {Tense::Present, Tense::Past, Tense::Future}) {
            all << Predicate{verb, tense, {}};
            for (const QString &phrase : captions(Role::Complement)) {
                const ComplementGroup group = complementGroupOf(*complement(phrase));
                if (complementRefusal(verb, complementsOf(verb), group).isEmpty())
                    all << Predicate{verb, tense, phrase};
            }
        }
    }
    return all;
}

// Every noun phrase the generator completes, clicking its groups in the order of the
// phrase and only words its rules leave enabled.
QList<QStringList> generatorPhrases()
{
    using S = NounPhraseSlot;
    const QStringList possessives = captions(Role::PossessiveNoun);
    QStringList common, proper;
    for (const QString &p : possessives)
        (p.at(0).isUpper() ? proper : common) << p;
    const QList<std::pair<S, QStringList>> groups{
        {S::Article, captions(Role::Article)}, {S::CommonPossessive, common}, {S::ProperPossessive, proper},
        {S::PersonalPossessive, captions(Role::PossessiveAdjective)}, {S::Adverb, captions(Role::Adverb)},
        {S::Adjective, captions(Role::Adjective)}, {S::Noun, captions(Role::Noun)},
        {S::ProperNoun, captions(Role::ProperNoun)}};
    const auto position = [](S slot) {
        return slot == S::CommonPossessive ? 1 : slot == S::Adverb ? 2 : slot == S::Adjective ? 3 : slot == S::Noun ? 4 : 0;
    };
    QList<QStringList> complete;
    const std::function<void(const NounPhraseChoices &, const QStringList &, int)> walk =
        [&](const NounPhraseChoices &choices, const QStringList &words, int last) {
            if (choices.number() > 0) {
                complete << words;
                return;
            }
            for (const auto &[slot, list] : groups) {
                if (position(slot) <= last)
                    continue;
                for (const QString &word : list) {
                    if (!choices.refusal(slot, word).isEmpty())
                        continue;
                    NounPhraseChoices next = choices;
                    next.choose(slot, word);
                    walk(next, words + QStringList{word}, position(slot));
                }
            }
        };
    walk({}, {}, -1);
    return complete;
}

} // namespace

QList<Sentence> walk()
{
    const QList<Predicate> all = predicates();
    QList<Sentence> sentences;
    const auto add = [&](SentenceType type, const QStringList &subject, Agreement agreement, const Predicate &p) {
        Sentence s;
        s.type = type;
        if (type != SentenceType::Command)
            s.subject = nounPhrase(subject);
        s.verb = verbGroup(type == SentenceType::Command ? p.verb : conjugate(p.verb, p.tense, agreement));
        if (!p.complement.isEmpty())
            s.complement = complement(p.complement);
        sentences << s;
    };

    for (const QString &pronoun : captions(Role::Pronoun)) {
        if (pronoun == QLatin1String("Who"))
            continue; // the question builder's, not the pronoun picker's
        for (const Agreement &a : agreementsOf(*nounPhrase({pronoun}))) // "you": one, and several
            for (const Predicate &p : all)
                add(SentenceType::Statement, {pronoun}, a, p);
    }

    const QList<QStringList> phrases = generatorPhrases();
    const auto agreement = [](const QStringList &subject) { return agreementsOf(*nounPhrase(subject)).value(0); };
    for (int i = 0; i < phrases.size(); ++i)
        add(SentenceType::Statement, phrases.at(i), agreement(phrases.at(i)), all.at((i * 31) % all.size()));
    for (const QStringList &subject : {QStringList{"the", "dog"}, QStringList{"my", "strong", "tools"}})
        for (const Predicate &p : all)
            add(SentenceType::Statement, subject, agreement(subject), p);

    QList<QStringList> questions{{"Who"}};
    for (const QString &noun : captions(Role::Noun)) {
        questions << QStringList{"Which", noun};
        for (const QString &adjective : captions(Role::Adjective)) {
            questions << QStringList{"Which", adjective, noun};
            for (const QString &adverb : captions(Role::Adverb))
                questions << QStringList{"Which", adverb, adjective, noun};
        }
    }
    for (int i = 0; i < questions.size(); ++i)
        add(SentenceType::Question, questions.at(i), agreement(questions.at(i)), all.at((i * 37) % all.size()));
    for (const QStringList &subject : {QStringList{"Who"}, QStringList{"Which", "extremely", "interesting", "image"}, QStringList{"Which", "small", "dogs"}})
        for (const Predicate &p : all)
            add(SentenceType::Question, subject, agreement(subject), p);

    for (const Predicate &p : all)
        if (p.tense == Tense::Present) // a command has no tense
            add(SentenceType::Command, {}, {}, p);
    return sentences;
}

} // namespace everysentence
