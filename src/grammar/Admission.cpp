#include "grammar/Admission.h"

#include "grammar/Lexicon.h"

#include <QCoreApplication>
#include <QStringList>

namespace parsella::grammar {

namespace {

using S = NounPhraseSlot;

constexpr unsigned bit(S slot) { return 1u << unsigned(slot); }

// What a choice in each slot drops: every word later in the phrase, and any determiner (or the
// proper noun) that it competes with. A common possessive noun belongs to its article, so it
// keeps it.
constexpr unsigned later(S slot)
{
    switch (slot) {
    case S::Article:
    case S::ProperPossessive:
    case S::PersonalPossessive:
    case S::ProperNoun:
        return ~bit(slot);
    case S::CommonPossessive: return bit(S::Adverb) | bit(S::Adjective) | bit(S::Noun);
    case S::Adverb: return bit(S::Adjective) | bit(S::Noun);
    case S::Adjective: return bit(S::Noun);
    case S::Noun: return 0;
    }
    return 0;
}

QString quoted(const QString &word)
{
    return QCoreApplication::translate("Admission", "“%1”").arg(word);
}

bool isIndefinite(const QString &article)
{
    return article == QLatin1String("a") || article == QLatin1String("an");
}

// "a" and "an" agree with the sound of the word straight after them.
QString soundAgreement(const QString &article, const QString &word)
{
    const bool vowel = beginsWithVowelSound(word);
    if (article == QLatin1String("a") && vowel)
        return QCoreApplication::translate("Admission", "“a” goes before a consonant sound (a dog); say “an %1”.").arg(word);
    if (article == QLatin1String("an") && !vowel)
        return QCoreApplication::translate("Admission", "“an” goes before a vowel sound (an image); say “a %1”.").arg(word);
    return {};
}

QString oneThing(const QString &article, const QString &noun)
{
    return QCoreApplication::translate("Admission", "%1 is for one thing, not %2: start with “the” for more than one.")
        .arg(quoted(article), quoted(noun));
}

// An adverb grades an adjective, so the noun waits until the adjective has come.
QString adverbNeedsAdjective(const QString &adverb, const QString &noun)
{
    return QCoreApplication::translate("Admission", "%1 needs its adjective first: choose one such as %2, then %3.")
        .arg(quoted(adverb), quoted(captions(Role::Adjective).value(0)), quoted(noun));
}

QString needsDeterminer(const QString &word)
{
    return QCoreApplication::translate("Admission", "%1 needs a determiner before it: choose “the”, “my” or “Mary's” first.")
        .arg(quoted(word));
}

QString needsArticle(const QString &possessive)
{
    const QString article = beginsWithVowelSound(possessive) ? QStringLiteral("an") : QStringLiteral("a");
    return QCoreApplication::translate("Admission", "%1 needs an article before it: choose %2 or “the” first.")
        .arg(quoted(possessive), quoted(article));
}

QString standsAlone(const QString &properNoun, const QString &word)
{
    return QCoreApplication::translate("Admission", "%1 stands alone; to use %2, start with a determiner such as “the”.")
        .arg(quoted(properNoun), quoted(word));
}

QString firstOf(Role role, int count, bool (*keep)(const QString &))
{
    QStringList list;
    const QStringList all = captions(role);
    for (const QString &caption : all) {
        if (list.size() < count && keep(caption))
            list << caption;
    }
    return list.join(QStringLiteral(", ")) + QStringLiteral("…");
}

// The shortest complement of a kind shows it best ("by the sea" for a place).
QString exampleOf(Label phrase)
{
    QString best;
    const QStringList all = captions(Role::Complement);
    for (const QString &caption : all) {
        const Entry *entry = lookUp(caption);
        if (entry && !entry->nodes.empty() && entry->nodes.front().label == phrase
            && (best.isEmpty() || caption.size() < best.size()))
            best = caption;
    }
    return best;
}

// The kinds a verb takes, each named once with its examples, in the order a learner meets
// them most: how something is, where, what, doing what.
struct Taken {
    QStringList names;
    QStringList examples;
};

Taken taken(const VerbComplements &takes)
{
    Taken t;
    if (takes.adjective) {
        t.names << QCoreApplication::translate("Admission", "an adjective");
        t.examples << exampleOf(Label::AdjP);
    }
    if (takes.place) {
        t.names << QCoreApplication::translate("Admission", "a place");
        t.examples << exampleOf(Label::AdvP) << exampleOf(Label::PP);
    }
    if (takes.object) {
        t.names << QCoreApplication::translate("Admission", "an object");
        t.examples << exampleOf(Label::NP);
    }
    if (takes.participle) {
        t.names << QCoreApplication::translate("Admission", "an -ing word");
        t.examples << exampleOf(Label::VP);
    }
    return t;
}

QString groupName(ComplementGroup group)
{
    switch (group) {
    case ComplementGroup::None: break;
    case ComplementGroup::Prepositional:
    case ComplementGroup::Adverb:
        return QCoreApplication::translate("Admission", "place");
    case ComplementGroup::NounPhrase: return QCoreApplication::translate("Admission", "object");
    case ComplementGroup::Participle: return QCoreApplication::translate("Admission", "-ing word");
    case ComplementGroup::Adjective: return QCoreApplication::translate("Admission", "adjective");
    }
    return {};
}

} // namespace

void NounPhraseChoices::choose(NounPhraseSlot slot, const QString &word)
{
    const unsigned drop = later(slot);
    for (size_t i = 0; i < words.size(); ++i) {
        if (drop & (1u << i))
            words[i].clear();
    }
    words.at(size_t(slot)) = word;
}

QString NounPhraseChoices::refusal(NounPhraseSlot slot, const QString &word) const
{
    // A determiner or the proper noun can always start the phrase afresh.
    if (slot == S::Article || slot == S::ProperPossessive || slot == S::PersonalPossessive || slot == S::ProperNoun)
        return {};
    if (has(S::ProperNoun))
        return standsAlone(chosen(S::ProperNoun), word);

    const QString article = chosen(S::Article);
    if (slot == S::CommonPossessive)
        return article.isEmpty() ? needsArticle(word) : soundAgreement(article, word);
    if (article.isEmpty() && !has(S::ProperPossessive) && !has(S::PersonalPossessive))
        return needsDeterminer(word);

    // The article governs the words after it until a possessive noun takes them over; its
    // sound binds only the word straight after it, its number holds as far as the noun.
    const bool governs = !article.isEmpty() && !has(S::CommonPossessive);
    switch (slot) {
    case S::Adverb:
        return governs ? soundAgreement(article, word) : QString();
    case S::Adjective:
        return governs && !has(S::Adverb) ? soundAgreement(article, word) : QString();
    case S::Noun:
        if (has(S::Adverb) && !has(S::Adjective))
            return adverbNeedsAdjective(chosen(S::Adverb), word);
        if (governs && isIndefinite(article) && isPlural(word))
            return oneThing(article, word);
        if (governs && !has(S::Adverb) && !has(S::Adjective))
            return soundAgreement(article, word);
        return {};
    default:
        return {};
    }
}

int NounPhraseChoices::number() const
{
    if (has(S::Noun))
        return isPlural(chosen(S::Noun)) ? 2 : 1;
    return has(S::ProperNoun) ? 1 : 0;
}

QString QuestionSubject::refusal(QuestionSlot slot, const QString &word) const
{
    if (slot == QuestionSlot::QuestionWord && !questionWord.isEmpty())
        return QCoreApplication::translate("Admission", "The question word %1 stays: to change it, start a new question.").arg(quoted(questionWord));
    if (slot == QuestionSlot::Noun && !adverb.isEmpty() && adjective.isEmpty())
        return adverbNeedsAdjective(adverb, word);
    return {};
}

QString QuestionSubject::need() const
{
    if (questionWord.isEmpty())
        return QCoreApplication::translate("Admission", "Choose “Who” or “Which” to begin the question.");
    // "Who" is a pronoun, a whole subject; "Which" is a determiner and wants its noun.
    const Entry *entry = lookUp(questionWord);
    if ((entry && entry->role == Role::Pronoun) || !noun.isEmpty())
        return {};
    if (!adverb.isEmpty() && adjective.isEmpty())
        return QCoreApplication::translate("Admission", "%1 needs an adjective: %2").arg(quoted(adverb), firstOf(Role::Adjective, 3, [](const QString &) { return true; }));
    return QCoreApplication::translate("Admission", "%1 needs a noun: %2")
        .arg(quoted(adjective.isEmpty() ? questionWord : adjective),
             firstOf(Role::Noun, 3, [](const QString &noun) { return !isPlural(noun); }));
}

bool VerbComplements::takes(ComplementGroup group) const
{
    switch (group) {
    case ComplementGroup::None: return false;
    case ComplementGroup::Prepositional:
    case ComplementGroup::Adverb:
        return place;
    case ComplementGroup::NounPhrase: return object;
    case ComplementGroup::Participle: return participle;
    case ComplementGroup::Adjective: return adjective;
    }
    return false;
}

QString complementRefusal(const QString &verb, const VerbComplements &takes, ComplementGroup group)
{
    if (takes.takes(group))
        return {};
    if (verb.isEmpty())
        return QCoreApplication::translate("Admission", "A complement follows its verb: choose the verb first.");
    const Taken t = taken(takes);
    if (t.names.isEmpty())
        return QCoreApplication::translate("Admission", "%1 takes no complement.").arg(quoted(verb));
    return QCoreApplication::translate("Admission", "%1 takes no %2; it takes %3: %4…")
        .arg(quoted(verb), groupName(group), t.names.join(QCoreApplication::translate("Admission", " or ")), t.examples.join(QStringLiteral(", ")));
}

QString subjectNeedsVerb(const QString &subject)
{
    return QCoreApplication::translate("Admission", "%1 needs a verb next: press Predicate.").arg(quoted(subject));
}

QString verbNeedsComplement(const QString &verbForm, const VerbComplements &takes)
{
    return QCoreApplication::translate("Admission", "%1 needs a complement: %2…").arg(quoted(verbForm), taken(takes).examples.join(QStringLiteral(", ")));
}

QString sentenceIsComplete()
{
    return QCoreApplication::translate("Admission", "The sentence is complete.");
}

// The one thing the learner can do next, whatever is grey.
static QString wayOn(const SentenceProgress &p)
{
    using By = SentenceProgress::SubjectBy;
    if (p.subjectBy != By::Understood && !p.subjectDone) {
        if (p.subjectBy == By::Words)
            return QStringLiteral("choose \u201cWho\u201d, or \u201cWhich\u201d and a noun");
        return p.subjectBegun ? QStringLiteral("press Noun, Noun Phrase or Nominative Personal Pronoun")
                              : QStringLiteral("press Subject");
    }
    if (!p.predicateBegun)
        return QStringLiteral("press Predicate");
    if (!p.verbDone)
        return QStringLiteral("press Verb, Verb Phrase");
    if (!p.complementDone)
        return QStringLiteral("press Complement, or Return if the sentence is complete");
    return QStringLiteral("press Return");
}

QString greyStepTip(SentenceStep step, const SentenceProgress &p)
{
    const bool needsSubject = p.subjectBy != SentenceProgress::SubjectBy::Understood && !p.subjectDone;
    QString why;
    switch (step) {
    case SentenceStep::Subject:
        why = p.subjectDone ? QStringLiteral("The subject is chosen") : QStringLiteral("The subject has begun");
        break;
    case SentenceStep::Predicate:
        why = needsSubject ? QStringLiteral("Choose a subject first")
                           : p.verbDone ? QStringLiteral("The predicate has its verb") : QStringLiteral("The predicate has begun");
        break;
    case SentenceStep::Verb:
        why = p.verbDone ? QStringLiteral("The verb is chosen")
                         : needsSubject ? QStringLiteral("Choose a subject first")
                                        : QStringLiteral("Begin the predicate first");
        break;
    case SentenceStep::Complement:
        why = p.complementDone ? QStringLiteral("The complement is chosen")
                               : needsSubject ? QStringLiteral("Choose a subject first")
                                              : QStringLiteral("Choose a verb first");
        break;
    }
    return QStringLiteral("%1: %2.").arg(why, wayOn(p));
}

} // namespace parsella::grammar
