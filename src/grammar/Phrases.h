#pragma once

#include "grammar/Node.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace parsella::grammar {

// The verb of a sentence as the verb picker chose it: [V walks], or [Aux will] [V walk].
struct VerbGroup {
    std::vector<Node> words;
    bool needsComplement = false; // "be": the sentence is not complete until a complement follows

    bool operator==(const VerbGroup &) const = default;
};

// The builders take what a window chose, exactly as its option buttons or its label show it,
// and give the phrase with the part of speech of every word. They give nothing for a choice
// that no window offers or that no window lets a learner make; a window then has a fault.

// A subject noun phrase from its captions in the order they are said, as far as it has
// grown: a pronoun ("she", "Who") alone, the proper noun "John" alone, or a determiner
// ("the", "a" + "lady's", "Mary's", "my", "Which"), perhaps an adjective with perhaps an adverb
// before it, and a noun. Words still to come show as placeholders: {"the", "very"} gives the
// determiner, an adjective phrase of the adverb and a placeholder "Adjective", and a
// placeholder "Noun". No captions give nothing.
std::optional<Node> nounPhrase(const QStringList &captions);

// The verb group of one form the verb picker shows: "walks", "went", "be", "will go".
std::optional<VerbGroup> verbGroup(const QString &form);

// One of the complement picker's phrases with its inner structure: "in the mountains" is
// [PP [P in] [NP [Det the] [N mountains]]].
std::optional<Node> complement(const QString &phrase);

// The complement picker's groups, and None for a sentence that has no complement.
enum class ComplementGroup { None, Prepositional, Adverb, NounPhrase, Participle, Adjective };

// The group a complement phrase belongs to, told by its label.
ComplementGroup complementGroupOf(const Node &complement);
inline ComplementGroup complementGroupOf(const std::optional<Node> &complement)
{
    return complement ? complementGroupOf(*complement) : ComplementGroup::None;
}

} // namespace parsella::grammar
