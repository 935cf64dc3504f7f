#pragma once

#include "grammar/Node.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace parsella::grammar {

// What a caption the windows offer is, as a part of its phrase. A caption is the unit a
// learner chooses: one option button, or one form the verb picker shows. It may be several
// words ("King John's", "will go", "in the mountains").
enum class Role {
    Article,             // "a", "an", "the"
    PossessiveNoun,      // "lady's", "engineer's" (after an article), "King John's", "Mary's"
    PossessiveAdjective, // "my" ... "their"
    QuestionDeterminer,  // "Which"
    Adverb,              // "very", "extremely": they modify the adjective that follows
    Adjective,
    Noun,                // a common noun, singular or plural
    ProperNoun,          // "John"
    Pronoun,             // "I" ... "they", and "Who"
    VerbForm,            // every form of the verb picker's eight verbs, "will" forms included
    Complement,          // the complement picker's fifteen phrases
};

// One caption and its structure: the word nodes it is made of (a verb form, a noun phrase
// word), or for a complement the one phrase it forms.
struct Entry {
    QString caption;
    Role role;
    std::vector<Node> nodes;
    bool needsComplement = false; // a form of "be": it cannot end a sentence on its own
};

// The caption's entry, or none if no window offers it. Captions match exactly, case included.
const Entry *lookUp(const QString &caption);

// The part of speech of a single word of any caption ("mountains" is N, "will" is Aux).
std::optional<Label> partOfSpeech(const QString &word);

// Every caption the windows offer, in the windows' order, with this role.
QStringList captions(Role role);

// Whether a caption begins with a vowel sound, as "an" needs: "image", "engineer's",
// "extremely". It is the sound that counts, not the letter, so it is known word by word.
bool beginsWithVowelSound(const QString &caption);

// Whether a noun names more than one thing: "dogs", "hands".
bool isPlural(const QString &noun);

} // namespace parsella::grammar
