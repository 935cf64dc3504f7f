#include "grammar/Lexicon.h"

#include "grammar/Conjugation.h"

#include <QHash>

namespace parsella::grammar {

namespace {

std::vector<Node> words(Label label, const QString &caption)
{
    std::vector<Node> nodes;
    const QStringList parts = caption.split(QLatin1Char(' '));
    for (const QString &part : parts)
        nodes.push_back(wordNode(label, part));
    return nodes;
}

void addWords(std::vector<Entry> &entries, Role role, Label label, std::initializer_list<const char *> list)
{
    for (const char *caption : list) {
        const QString text = QString::fromUtf8(caption);
        entries.push_back({text, role, words(label, text)});
    }
}

void addVerbs(std::vector<Entry> &entries)
{
    // Every form the verb picker can show, once each. The base form serves the command and
    // the present of most subjects, and follows "will" in the future.
    const QString will = QStringLiteral("will");
    for (const QString &base : verbs()) {
        // Only "be" leaves the sentence waiting for a complement.
        const bool needs = !endsSentence(base);
        QStringList forms{base};
        for (Tense tense : {Tense::Present, Tense::Past}) {
            for (Agreement subject : {Agreement{1, 1}, Agreement{3, 1}, Agreement{2, 2}}) {
                const QString form = conjugate(base, tense, subject);
                if (!forms.contains(form))
                    forms << form;
            }
        }
        for (const QString &form : forms)
            entries.push_back({form, Role::VerbForm, {wordNode(Label::V, form)}, needs});
        // The future is a verb group: "will" is the auxiliary, the verb keeps its base form.
        entries.push_back({will + QLatin1Char(' ') + base, Role::VerbForm,
                           {wordNode(Label::Aux, will), wordNode(Label::V, base)}, needs});
    }
}

Node np(std::vector<Node> children) { return phraseNode(Label::NP, std::move(children)); }
Node w(Label label, const char *word) { return wordNode(label, QString::fromLatin1(word)); }

// An adjective complement is an adjective phrase, even of one word: after "be" it describes
// the subject ("she is ready"), so "fast" in "extremely fast" is an adjective, and the
// adverb that grades it forms an adverb phrase inside the adjective phrase, as it does in a
// noun phrase ("a very small dog"). A complement is always a phrase, the verb's sister, so
// single words are wrapped too: "here" is an AdvP, "dancing" a VP of its own.
void addComplements(std::vector<Entry> &entries)
{
    using L = Label;
    const auto pp = [](const char *p, Node object) {
        return phraseNode(L::PP, {w(L::P, p), std::move(object)});
    };
    const auto advp = [](const char *adv) { return phraseNode(L::AdvP, {w(L::Adv, adv)}); };
    const auto adjp = [](std::vector<Node> children) { return phraseNode(L::AdjP, std::move(children)); };
    const auto participle = [](const char *v) { return phraseNode(L::VP, {w(L::V, v)}); };

    const std::pair<const char *, Node> phrases[] = {
        {"in the mountains", pp("in", np({w(L::Det, "the"), w(L::N, "mountains")}))},
        {"by the sea", pp("by", np({w(L::Det, "the"), w(L::N, "sea")}))},
        {"under a pillow", pp("under", np({w(L::Det, "a"), w(L::N, "pillow")}))},
        {"in the bathtub", pp("in", np({w(L::Det, "the"), w(L::N, "bathtub")}))},
        {"here", advp("here")},
        {"everywhere", advp("everywhere")},
        {"her pet", np({w(L::Det, "her"), w(L::N, "pet")})},
        {"the delicious cookies", np({w(L::Det, "the"), w(L::Adj, "delicious"), w(L::N, "cookies")})},
        {"our clothes", np({w(L::Det, "our"), w(L::N, "clothes")})},
        {"dancing", participle("dancing")},
        {"walking", participle("walking")},
        {"ready", adjp({w(L::Adj, "ready")})},
        {"quick", adjp({w(L::Adj, "quick")})},
        {"extremely fast", adjp({advp("extremely"), w(L::Adj, "fast")})},
        {"brown", adjp({w(L::Adj, "brown")})},
    };
    for (const auto &[caption, node] : phrases)
        entries.push_back({QString::fromLatin1(caption), Role::Complement, {node}});
}

std::vector<Entry> makeEntries()
{
    std::vector<Entry> e;
    addWords(e, Role::Article, Label::Det, {"a", "an", "the"});
    // "King John's": a title is a noun too, so every word of a possessive noun is N.
    addWords(e, Role::PossessiveNoun, Label::N, {"lady's", "engineer's", "King John's", "Mary's"});
    addWords(e, Role::PossessiveAdjective, Label::Det, {"my", "your", "his", "her", "its", "our", "their"});
    addWords(e, Role::QuestionDeterminer, Label::Det, {"Which"});
    addWords(e, Role::Adverb, Label::Adv, {"very", "extremely"});
    addWords(e, Role::Adjective, Label::Adj, {"small", "interesting", "pretty", "strong"});
    addWords(e, Role::Noun, Label::N, {"dog", "dogs", "image", "images", "hand", "hands", "tool", "tools"});
    addWords(e, Role::ProperNoun, Label::N, {"John"});
    addWords(e, Role::Pronoun, Label::Pron, {"I", "you", "he", "she", "it", "we", "they", "Who"});
    addVerbs(e);
    addComplements(e);
    return e;
}

const std::vector<Entry> &entries()
{
    static const std::vector<Entry> all = makeEntries();
    return all;
}

void collect(const Node &node, QHash<QString, Label> &into)
{
    if (node.isSaidWord())
        into.insert(node.word, node.label);
    for (const Node &child : node.children)
        collect(child, into);
}

} // namespace

const Entry *lookUp(const QString &caption)
{
    static const QHash<QString, const Entry *> byCaption = [] {
        QHash<QString, const Entry *> index;
        for (const Entry &entry : entries())
            index.insert(entry.caption, &entry);
        return index;
    }();
    return byCaption.value(caption, nullptr);
}

std::optional<Label> partOfSpeech(const QString &word)
{
    static const QHash<QString, Label> byWord = [] {
        QHash<QString, Label> index;
        for (const Entry &entry : entries()) {
            for (const Node &node : entry.nodes)
                collect(node, index);
        }
        return index;
    }();
    const auto found = byWord.constFind(word);
    if (found == byWord.cend())
        return std::nullopt;
    return *found;
}

QStringList captions(Role role)
{
    QStringList list;
    for (const Entry &entry : entries()) {
        if (entry.role == role)
            list << entry.caption;
    }
    return list;
}

bool beginsWithVowelSound(const QString &caption)
{
    static const QStringList vowelSounds{
        QStringLiteral("engineer's"), QStringLiteral("extremely"), QStringLiteral("interesting"),
        QStringLiteral("image"), QStringLiteral("images")};
    return vowelSounds.contains(caption);
}

bool isPlural(const QString &noun)
{
    static const QStringList plurals{
        QStringLiteral("dogs"), QStringLiteral("images"), QStringLiteral("hands"), QStringLiteral("tools")};
    return plurals.contains(noun);
}

} // namespace parsella::grammar
