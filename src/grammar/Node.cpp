#include "grammar/Node.h"

#include <QCoreApplication>

#include <array>

namespace parsella::grammar {

namespace {
struct LabelText {
    const char *name;
    const char *meaning;
};

// In the order of the enumeration.
constexpr std::array<LabelText, 15> labelTexts{{
    {"S", QT_TRANSLATE_NOOP("Node", "sentence")},
    {"NP", QT_TRANSLATE_NOOP("Node", "noun phrase")},
    {"VP", QT_TRANSLATE_NOOP("Node", "verb phrase")},
    {"PP", QT_TRANSLATE_NOOP("Node", "prepositional phrase")},
    {"AdjP", QT_TRANSLATE_NOOP("Node", "adjective phrase")},
    {"AdvP", QT_TRANSLATE_NOOP("Node", "adverb phrase")},
    {"Det", QT_TRANSLATE_NOOP("Node", "determiner")},
    {"N", QT_TRANSLATE_NOOP("Node", "noun")},
    {"Pron", QT_TRANSLATE_NOOP("Node", "pronoun")},
    {"Adj", QT_TRANSLATE_NOOP("Node", "adjective")},
    {"Adv", QT_TRANSLATE_NOOP("Node", "adverb")},
    {"V", QT_TRANSLATE_NOOP("Node", "verb")},
    {"Aux", QT_TRANSLATE_NOOP("Node", "auxiliary verb")},
    {"P", QT_TRANSLATE_NOOP("Node", "preposition")},
    {"Poss", QT_TRANSLATE_NOOP("Node", "possessive")},
}};
} // namespace

QString labelName(Label label)
{
    return QString::fromLatin1(labelTexts.at(size_t(label)).name);
}

QString labelMeaning(Label label)
{
    return QCoreApplication::translate("Node", labelTexts.at(size_t(label)).meaning);
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
