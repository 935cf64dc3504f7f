#pragma once

#include "grammar/Phrases.h"

#include <QString>
#include <array>

namespace parsella::grammar {

// Which words a picker may offer at this moment, and why it refuses the others. One rule
// decides both: a refusal is empty for a word that may be chosen now, and otherwise says in
// one short sentence which rule refuses it, naming the words involved and the way on. A
// window enables a word exactly when its refusal is empty and shows the refusal as the
// word's tool tip, so a rule and its explanation cannot drift apart.

// The word groups of the noun phrase generator, in the order of the phrase: one determiner
// (an article, perhaps with a common possessive noun after it, or a proper possessive noun,
// or a personal possessive adjective), an adverb, an adjective, a noun; or the proper noun.
enum class NounPhraseSlot {
    Article,
    CommonPossessive,
    ProperPossessive,
    PersonalPossessive,
    Adverb,
    Adjective,
    Noun,
    ProperNoun,
};

// What the learner has chosen in the noun phrase generator: at most one word per slot.
class NounPhraseChoices
{
public:
    // The learner chose `word` in `slot`. It replaces that slot's word, and every word that
    // came later in the phrase or competes with it as a determiner is dropped.
    void choose(NounPhraseSlot slot, const QString &word);
    // The word chosen in `slot`, empty if none.
    QString chosen(NounPhraseSlot slot) const { return words.at(size_t(slot)); }
    // Empty if `word` of `slot` may be chosen now; otherwise why not.
    QString refusal(NounPhraseSlot slot, const QString &word) const;
    // 0 while the phrase has no noun, 1 for one thing, 2 for more than one.
    int number() const;

private:
    bool has(NounPhraseSlot slot) const { return !chosen(slot).isEmpty(); }

    std::array<QString, 8> words;
};

// The question-subject builder: "Who" alone, or "Which" with perhaps an adverb and an
// adjective, and a noun. The groups after the question word are offered by the window only
// once "Which" is chosen; these rules say what may be chosen within them.
enum class QuestionSlot { QuestionWord, Adverb, Adjective, Noun };

// The words chosen in the question-subject builder, empty where none.
struct QuestionSubject {
    QString questionWord;
    QString adverb;
    QString adjective;
    QString noun;

    QString refusal(QuestionSlot slot, const QString &word) const;
    // What the subject still lacks, empty once it is complete.
    QString need() const;
};

// What a verb takes after it, as the verb picker records it. A place is said either by a
// prepositional phrase or by an adverb, so one admission opens both.
struct VerbComplements {
    bool place = false;
    bool object = false;
    bool participle = false;
    bool adjective = false;

    // Whether a complement of `group` may follow; never for None, which is no complement.
    bool takes(ComplementGroup group) const;
};

// Empty if the complements of `group` may follow `verb` (its base form, empty while no verb is
// chosen); otherwise why not.
QString complementRefusal(const QString &verb, const VerbComplements &takes, ComplementGroup group);

// What a sentence label tells while it is red, and once it is complete.
QString subjectNeedsVerb(const QString &subject);
QString verbNeedsComplement(const QString &verbForm, const VerbComplements &takes);
QString sentenceIsComplete();

// The steps of a sentence window, and how far the learner has come through them. A grey step
// button says why it is grey and what to do next, from the same rules as the words'
// explanations.
enum class SentenceStep { Subject, Predicate, Verb, Complement };

struct SentenceProgress {
    // How the subject is made: by the Subject button and its pickers, from words chosen in the
    // window itself (a question's "Who" or "Which" and a noun), or not at all (a command).
    enum class SubjectBy { Pickers, Words, Understood };
    SubjectBy subjectBy = SubjectBy::Pickers;
    bool subjectBegun = false;
    bool subjectDone = false;
    bool predicateBegun = false;
    bool verbDone = false;
    bool complementDone = false;
};

// What a grey `step` tells the learner ("Choose a subject first: press Subject.").
QString greyStepTip(SentenceStep step, const SentenceProgress &progress);

} // namespace parsella::grammar
