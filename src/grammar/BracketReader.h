#pragma once

#include "grammar/Node.h"

#include <QString>
#include <optional>

namespace parsella::grammar {

// English words quoted inside a text in the learner's language, with that language's marks:
// “walks” in English, „walks“ in German, «walks» in Spanish.
QString quotedWords(const QString &words);

// Labelled bracket notation read back into a tree: exactly what Sentence::brackets() writes,
// "[S [NP [Det the] [N dog]] [VP [V walks]]]", with a command's understood subject "[NP (you)]".
// The text may come from any file, so the reader is strict and bounded: only letters,
// apostrophes, brackets, the parentheses of "(you)" and blanks are read (a control character
// is refused by name), nesting stops at maxBracketDepth and a word at maxWordLength, and the
// first problem ends the reading. It never throws.

inline constexpr int maxBracketDepth = 16;     // a sentence nests five deep; more is no sentence
inline constexpr int maxWordLength = 40;       // the longest caption word is far shorter
inline constexpr qsizetype maxBracketsLength = 4096;

// The first problem met, in words, and where: the offset in characters from the start.
struct BracketError {
    QString message;
    qsizetype position = -1;

    bool isError() const { return !message.isEmpty(); }
};

// Whether a character from a file may show as itself in a message: not a control or
// formatting character (one that turns text around), a line break, nor half a surrogate pair.
bool showsAsItself(char32_t c);
// How a message names a character by its code: "U+001B".
QString characterCode(char32_t c);
// Text from a file as a message may show it: cut short after this many characters, and every
// character that would not show as itself named by its code, so that a hostile file can
// neither garble the message nor fill it.
inline constexpr qsizetype mostShown = 60;
QString shownSafely(const QString &text);

// The tree the notation writes, or none with `error` (if given) saying why. Words come back as
// Chosen word nodes, phrases as phrase nodes, "(you)" as the understood subject.
std::optional<Node> readBrackets(const QString &text, BracketError *error = nullptr);

} // namespace parsella::grammar
