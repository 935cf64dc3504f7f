#pragma once

#include "grammar/BracketReader.h"
#include "grammar/Sentence.h"

#include <QString>
#include <optional>

namespace parsella::grammar {

// A sentence read back from bracket notation, and the check that it is one the windows could
// have built. The check asks the same rules that grey out words in the pickers
// (grammar/Admission, grammar/Conjugation), so its first problem is told in their words:
// “a” is for one thing, not “dogs”.

// The sentence of `type` that `brackets` writes, if the notation reads and the sentence passes
// sentenceProblem(); otherwise none, with `problem` (if given) the first problem in words.
std::optional<Sentence> readSentence(SentenceType type, const QString &brackets, QString *problem = nullptr);

// The same from a tree already read (the S node readBrackets gives).
std::optional<Sentence> sentenceFromTree(SentenceType type, const Node &tree, QString *problem = nullptr);

// Empty if the windows could have built `sentence`, complete: every word one a picker offers
// in that role, the subject one its picker or builder admits, the verb form agreeing with the
// subject (a command's the base form), the complement one the verb admits. Otherwise the first
// problem, in words.
QString sentenceProblem(const Sentence &sentence);

} // namespace parsella::grammar
