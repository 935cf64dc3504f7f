#include "grammar/Admission.h"
#include "grammar/BracketReader.h"

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
        .arg(quotedWords(article), quotedWords(noun));
}

// An adverb grades an adjective, so the noun waits until the adjective has come.
QString adverbNeedsAdjective(const QString &adverb, const QString &noun)
{
    return QCoreApplication::translate("Admission", "%1 needs its adjective first: choose one such as %2, then %3.")
        .arg(quotedWords(adverb), quotedWords(captions(Role::Adjective).value(0)), quotedWords(noun));
}

QString needsDeterminer(const QString &word)
{
    return QCoreApplication::translate("Admission", "%1 needs a determiner before it: choose “the”, “my” or “Mary's” first.")
        .arg(quotedWords(word));
}

QString needsArticle(const QString &possessive)
{
    const QString article = beginsWithVowelSound(possessive) ? QStringLiteral("an") : QStringLiteral("a");
    return QCoreApplication::translate("Admission", "%1 needs an article before it: choose %2 or “the” first.")
        .arg(quotedWords(possessive), quotedWords(article));
}

QString standsAlone(const QString &properNoun, const QString &word)
{
    return QCoreApplication::translate("Admission", "%1 stands alone; to use %2, start with a determiner such as “the”.")
        .arg(quotedWords(properNoun), quotedWords(word));
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
        return QCoreApplication::translate("Admission", "The question word %1 stays: to change it, start a new question.").arg(quotedWords(questionWord));
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
        return QCoreApplication::translate("Admission", "%1 needs an adjective: %2").arg(quotedWords(adverb), firstOf(Role::Adjective, 3, [](const QString &) { return true; }));
    return QCoreApplication::translate("Admission", "%1 needs a noun: %2")
        .arg(quotedWords(adjective.isEmpty() ? questionWord : adjective),
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
        return QCoreApplication::translate("Admission", "%1 takes no complement.").arg(quotedWords(verb));
    return QCoreApplication::translate("Admission", "%1 takes no %2; it takes %3: %4…")
        .arg(quotedWords(verb), groupName(group), t.names.join(QCoreApplication::translate("Admission", " or ")), t.examples.join(QStringLiteral(", ")));
}

QString subjectNeedsVerb(const QString &subject)
{
    return QCoreApplication::translate("Admission", "%1 needs a verb next: press %2.")
        .arg(quotedWords(subject), QCoreApplication::translate("frmDec", "Predicate"));
}

QString verbNeedsComplement(const QString &verbForm, const VerbComplements &takes)
{
    return QCoreApplication::translate("Admission", "%1 needs a complement: %2…").arg(quotedWords(verbForm), taken(takes).examples.join(QStringLiteral(", ")));
}

QString sentenceIsComplete()
{
    return QCoreApplication::translate("Admission", "The sentence is complete.");
}

// The step buttons by the captions the sentence windows give them. The statement window has
// every step, and the question and command windows' captions are translated alike.
static QString subjectButton() { return QCoreApplication::translate("frmDec", "Subject"); }
static QString predicateButton() { return QCoreApplication::translate("frmDec", "Predicate"); }
static QString verbButton() { return QCoreApplication::translate("frmDec", "Verb, Verb Phrase"); }
static QString complementButton() { return QCoreApplication::translate("frmDec", "Complement"); }
static QString returnButton() { return QCoreApplication::translate("frmDec", "Return"); }

// The one thing the learner can do next, whatever is grey: a button to press, either of two
// buttons for the subject's words, the complement or the end, or words chosen in the window.
namespace {
struct WayOn {
    enum Form { Words, Press, Either, OrReturn } form;
    QString first;
    QString second;
};
} // namespace

static WayOn wayOn(const SentenceProgress &p)
{
    using By = SentenceProgress::SubjectBy;
    if (p.subjectBy != By::Understood && !p.subjectDone) {
        if (p.subjectBy == By::Words)
            return {WayOn::Words, {}, {}};
        return p.subjectBegun ? WayOn{WayOn::Either, QCoreApplication::translate("frmDec", "Noun, Noun Phrase"),
                                      QCoreApplication::translate("frmDec", "Nominative Personal Pronoun")}
                              : WayOn{WayOn::Press, subjectButton(), {}};
    }
    if (!p.predicateBegun)
        return {WayOn::Press, predicateButton(), {}};
    if (!p.verbDone)
        return {WayOn::Press, verbButton(), {}};
    if (!p.complementDone)
        return {WayOn::OrReturn, complementButton(), returnButton()};
    return {WayOn::Press, returnButton(), {}};
}

// Each tip is one whole sentence, so that a translation can order its reason and its advice
// as the language wants. While the subject is missing, that is the reason whatever is grey.
QString greyStepTip(SentenceStep step, const SentenceProgress &p)
{
    const WayOn way = wayOn(p);
    const bool subjectStep = step == SentenceStep::Subject;
    switch (way.form) {
    case WayOn::Words:
        return QCoreApplication::translate("Admission", "Choose a subject first: choose “Who”, or “Which” and a noun.");
    case WayOn::Either:
        return (subjectStep ? QCoreApplication::translate("Admission", "The subject has begun: press %1 or %2.")
                            : QCoreApplication::translate("Admission", "Choose a subject first: press %1 or %2."))
            .arg(way.first, way.second);
    case WayOn::Press:
    case WayOn::OrReturn:
        break;
    }
    if (p.subjectBy == SentenceProgress::SubjectBy::Pickers && !p.subjectDone)
        return (subjectStep ? QCoreApplication::translate("Admission", "The subject has begun: press %1.")
                            : QCoreApplication::translate("Admission", "Choose a subject first: press %1."))
            .arg(way.first);

    // From here the subject is chosen (or understood), so the reason is the step's own.
    enum class Why { SubjectChosen, PredicateHasVerb, PredicateBegun, VerbChosen, PredicateFirst, ComplementChosen, VerbFirst };
    Why why = Why::SubjectChosen;
    switch (step) {
    case SentenceStep::Subject: why = Why::SubjectChosen; break;
    case SentenceStep::Predicate: why = p.verbDone ? Why::PredicateHasVerb : Why::PredicateBegun; break;
    case SentenceStep::Verb: why = p.verbDone ? Why::VerbChosen : Why::PredicateFirst; break;
    case SentenceStep::Complement: why = p.complementDone ? Why::ComplementChosen : Why::VerbFirst; break;
    }
    if (way.form == WayOn::OrReturn) {
        switch (why) {
        case Why::SubjectChosen:
            return QCoreApplication::translate("Admission", "The subject is chosen: press %1, or %2 if the sentence is complete.")
                .arg(way.first, way.second);
        case Why::PredicateHasVerb:
            return QCoreApplication::translate("Admission", "The predicate has its verb: press %1, or %2 if the sentence is complete.")
                .arg(way.first, way.second);
        case Why::VerbChosen:
            return QCoreApplication::translate("Admission", "The verb is chosen: press %1, or %2 if the sentence is complete.")
                .arg(way.first, way.second);
        default:
            break; // the complement is the one way on
        }
    }
    switch (why) {
    case Why::SubjectChosen: return QCoreApplication::translate("Admission", "The subject is chosen: press %1.").arg(way.first);
    case Why::PredicateHasVerb: return QCoreApplication::translate("Admission", "The predicate has its verb: press %1.").arg(way.first);
    case Why::PredicateBegun: return QCoreApplication::translate("Admission", "The predicate has begun: press %1.").arg(way.first);
    case Why::VerbChosen: return QCoreApplication::translate("Admission", "The verb is chosen: press %1.").arg(way.first);
    case Why::PredicateFirst: return QCoreApplication::translate("Admission", "Begin the predicate first: press %1.").arg(way.first);
    case Why::ComplementChosen: return QCoreApplication::translate("Admission", "The complement is chosen: press %1.").arg(way.first);
    case Why::VerbFirst: return QCoreApplication::translate("Admission", "Choose a verb first: press %1.").arg(way.first);
    }
    return {};
}

} // namespace parsella::grammar
