#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace parsella::grammar {

// The parts of speech and the phrases, named as the common tree drawers write them.
// Poss is the possessor that stands in a noun phrase where a determiner would: "Mary's",
// "the lady's", "King John's".
enum class Label { S, NP, VP, PP, AdjP, AdvP, Det, N, Pron, Adj, Adv, V, Aux, P, Poss };

// "NP": the label as bracket notation and the tree show it.
QString labelName(Label label);
// "noun phrase": the label in words, for a learner and a screen reader.
QString labelMeaning(Label label);

// One node of a sentence's tree, a plain value.
// - A word: a label and one word ("Det" "the"), no children.
// - A phrase: a label and its children, in the order they are said; `word` is empty.
// - A placeholder: a part not chosen yet. It has neither label nor children worth showing:
//   `word` is its caption in plain English ("Subject", "Noun"), drawn in red.
// - The understood subject of a command: an NP whose word is "you", which nobody says.
struct Node {
    enum class Kind { Chosen, Placeholder, Understood };

    Label label = Label::S;
    QString word;
    std::vector<Node> children;
    Kind kind = Kind::Chosen;

    bool isPlaceholder() const { return kind == Kind::Placeholder; }
    bool isUnderstood() const { return kind == Kind::Understood; }
    // A word that the sentence really says (not a placeholder, not understood).
    bool isSaidWord() const { return kind == Kind::Chosen && children.empty() && !word.isEmpty(); }

    // Nothing below this node is still to be chosen.
    bool isComplete() const;
    // The words this node says, in order: placeholders and the understood "you" say nothing.
    QStringList saidWords() const;

    bool operator==(const Node &) const = default;
};

Node wordNode(Label label, const QString &word);
Node phraseNode(Label label, std::vector<Node> children);
Node placeholderNode(const QString &caption);
Node understoodYou();

} // namespace parsella::grammar
