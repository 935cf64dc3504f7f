#include "grammar/Phrases.h"

#include "grammar/Lexicon.h"

#include <QCoreApplication>

#include <algorithm>

namespace parsella::grammar {

namespace {

// Reads captions from the front, one role at a time.
class Reader
{
public:
    explicit Reader(const QStringList &captions)
    {
        for (const QString &caption : captions)
            entries.push_back(lookUp(caption));
    }

    bool knowsEveryCaption() const
    {
        return std::find(entries.begin(), entries.end(), nullptr) == entries.end();
    }
    bool atEnd() const { return next == entries.size(); }

    // The next caption's entry if it has this role; it is then read.
    const Entry *take(Role role)
    {
        if (atEnd() || entries[next]->role != role)
            return nullptr;
        return entries[next++];
    }

private:
    std::vector<const Entry *> entries;
    size_t next = 0;
};

void append(std::vector<Node> &to, const std::vector<Node> &nodes)
{
    to.insert(to.end(), nodes.begin(), nodes.end());
}

} // namespace

// The article of a possessive belongs to the possessor, not to the head noun: in "a lady's
// pretty hands" "a" counts the lady, which is why a plural noun may follow. So the article
// and the possessive noun form the Poss, and the Poss stands where a determiner would.
std::optional<Node> nounPhrase(const QStringList &captions)
{
    Reader read(captions);
    if (captions.isEmpty() || !read.knowsEveryCaption())
        return std::nullopt;

    std::vector<Node> children;
    if (const Entry *pronoun = read.take(Role::Pronoun)) {
        append(children, pronoun->nodes);
    } else if (const Entry *name = read.take(Role::ProperNoun)) {
        append(children, name->nodes);
    } else {
        const Entry *article = read.take(Role::Article);
        if (const Entry *possessor = read.take(Role::PossessiveNoun)) {
            std::vector<Node> poss;
            if (article)
                append(poss, article->nodes);
            append(poss, possessor->nodes);
            children.push_back(phraseNode(Label::Poss, std::move(poss)));
        } else if (article) {
            append(children, article->nodes);
        } else if (const Entry *det = read.take(Role::PossessiveAdjective)) {
            append(children, det->nodes);
        } else if (const Entry *which = read.take(Role::QuestionDeterminer)) {
            append(children, which->nodes);
        } else {
            return std::nullopt; // a noun phrase here always begins with its determiner
        }

        // An adverb grades the adjective, so the two form one adjective phrase; a lone
        // adjective before the noun is shown as a word, as the tree drawers' examples do.
        const Entry *adverb = read.take(Role::Adverb);
        const Entry *adjective = read.take(Role::Adjective);
        if (adverb) {
            std::vector<Node> adjp{phraseNode(Label::AdvP, adverb->nodes)};
            if (adjective)
                append(adjp, adjective->nodes);
            else
                adjp.push_back(placeholderNode(QCoreApplication::translate("Sentence", "Adjective")));
            children.push_back(phraseNode(Label::AdjP, std::move(adjp)));
        } else if (adjective) {
            append(children, adjective->nodes);
        }

        if (const Entry *noun = read.take(Role::Noun))
            append(children, noun->nodes);
        else
            children.push_back(placeholderNode(QCoreApplication::translate("Sentence", "Noun")));
    }

    if (!read.atEnd())
        return std::nullopt; // words in an order no window allows
    return phraseNode(Label::NP, std::move(children));
}

std::optional<VerbGroup> verbGroup(const QString &form)
{
    const Entry *entry = lookUp(form);
    if (!entry || entry->role != Role::VerbForm)
        return std::nullopt;
    return VerbGroup{entry->nodes, entry->needsComplement};
}

std::optional<Node> complement(const QString &phrase)
{
    const Entry *entry = lookUp(phrase);
    if (!entry || entry->role != Role::Complement)
        return std::nullopt;
    return entry->nodes.front();
}

ComplementGroup complementGroupOf(const Node &complement)
{
    switch (complement.label) {
    case Label::PP: return ComplementGroup::Prepositional;
    case Label::AdvP: return ComplementGroup::Adverb;
    case Label::NP: return ComplementGroup::NounPhrase;
    case Label::VP: return ComplementGroup::Participle;
    default: return ComplementGroup::Adjective; // an adjective phrase, perhaps with its adverb
    }
}

} // namespace parsella::grammar
