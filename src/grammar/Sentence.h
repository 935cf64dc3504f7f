#pragma once

#include "grammar/Node.h"
#include "grammar/Phrases.h"

#include <QString>
#include <array>
#include <optional>

namespace parsella::grammar {

// The three kinds of sentence, with the codes the sentence windows write ("Dec", "Int", "Imp").
enum class SentenceType { Statement, Question, Command };
inline constexpr std::array<SentenceType, 3> sentenceTypes{SentenceType::Statement, SentenceType::Question,
                                                           SentenceType::Command};

QString sentenceTypeCode(SentenceType type);
std::optional<SentenceType> sentenceTypeFromCode(const QString &code);
QString sentenceTypeName(SentenceType type); // "Statement", "Question", "Command"
// The types as worksheet files and tasks name them: "statement", "question", "command".
QString sentenceTypeKey(SentenceType type);
std::optional<SentenceType> sentenceTypeFromKey(const QString &key);
// The name as a person reads it, in the installed translation.
QString sentenceTypeTitle(SentenceType type);

// A sentence as far as it is built. Any part may still be missing. A command has no subject
// of its own: its subject is the understood "you", which the tree shows as (you).
struct Sentence {
    SentenceType type = SentenceType::Statement;
    std::optional<Node> subject; // an NP, perhaps still with placeholders in it
    std::optional<VerbGroup> verb;
    std::optional<Node> complement;

    // Complete as the sentence label counts it: a whole subject (not needed in a command),
    // a verb, and a complement if the verb needs one.
    bool isComplete() const;

    // The sentence as its window's label shows it: subject (none in a command), verb group and
    // complement joined by single blanks, with "." "?" or "!" once it is complete.
    QString text() const;

    // The sentence as a teacher writes it: text() with its first letter a capital ("The small
    // dog walks here."). The worksheet hands sentences on this way; the sentence windows' labels
    // and the tree keep every word as it was chosen.
    QString written() const;

    // The tree, with placeholders for the parts still to choose: "Subject", "Predicate", and
    // "Complement" while a verb waits for one. The complement sits inside the VP.
    Node tree() const;

    // Labelled bracket notation for the tree drawers:
    // [S [NP [Det the] [Adj small] [N dog]] [VP [V walks] [AdvP [Adv here]]]].
    // Placeholders are left out, and a phrase left empty with them; a command's subject is
    // written [NP (you)]. A leaf keeps only letters and apostrophes, so no word can break the
    // notation; a leaf left with nothing is dropped.
    QString brackets() const;

    // The sentence and its structure in words, for a screen reader: "Statement, complete:
    // she walks here. Subject: noun phrase 'she' (pronoun 'she'). Predicate: ..."
    QString description() const;

    bool operator==(const Sentence &) const = default;
};

} // namespace parsella::grammar
