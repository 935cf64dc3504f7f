#include "grammar/Node.h"

#include <array>

namespace parsella::grammar {

namespace {
struct LabelText {
    const char *name;
    const char *meaning;
};

// In the order of the enumeration.
constexpr std::array<LabelText, 15> labelTexts{{
    {"S", "sentence"},
    {"NP", "noun phrase"},
    {"VP", "verb phrase"},
    {"PP", "prepositional phrase"},
    {"AdjP", "adjective phrase"},
    {"AdvP", "adverb phrase"},
    {"Det", "determiner"},
    {"N", "noun"},
    {"Pron", "pronoun"},
    {"Adj", "adjective"},
    {"Adv", "adverb"},
    {"V", "verb"},
    {"Aux", "auxiliary verb"},
    {"P", "preposition"},
    {"Poss", "possessive"},
}};
} // namespace

QString labelName(Label label)
{
    return QString::fromLatin1(labelTexts.at(size_t(label)).name);
}

QString labelMeaning(Label label)
{
    return QString::fromLatin1(labelTexts.at(size_t(label)).meaning);
}

bool Node::isComplete() const
{
    if (isPlaceholder())
        return false;
    for (const Node &child : children) {
        if (!child.isComplete())
            return false;
    }
    return true;
}

QStringList Node::saidWords() const
{
    if (isSaidWord())
        return {word};
    QStringList words;
    for (const Node &child : children)
        words += child.saidWords();
    return words;
}

Node wordNode(Label label, const QString &word)
{
    return Node{label, word, {}, Node::Kind::Chosen};
}

Node phraseNode(Label label, std::vector<Node> children)
{
    return Node{label, QString(), std::move(children), Node::Kind::Chosen};
}

Node placeholderNode(const QString &caption)
{
    return Node{Label::S, caption, {}, Node::Kind::Placeholder};
}

Node understoodYou()
{
    return Node{Label::NP, QStringLiteral("you"), {}, Node::Kind::Understood};
}

} // namespace parsella::grammar
