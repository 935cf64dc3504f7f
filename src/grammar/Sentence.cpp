#include "grammar/Sentence.h"

#include <QCoreApplication>

namespace parsella::grammar {

namespace {

// Every spelling of a sentence type, kept together so that none can drift from the others.
struct TypeSpelling {
    SentenceType type;
    const char *code; // what the sentence windows write
    const char *key;  // what files and tasks write
    const char *name; // what a person reads, before translation
};

constexpr std::array<TypeSpelling, 3> spellings{{
    {SentenceType::Statement, "Dec", "statement", QT_TRANSLATE_NOOP("Sentence", "Statement")},
    {SentenceType::Question, "Int", "question", QT_TRANSLATE_NOOP("Sentence", "Question")},
    {SentenceType::Command, "Imp", "command", QT_TRANSLATE_NOOP("Sentence", "Command")},
}};

static_assert(spellings[0].type == SentenceType::Statement && spellings[1].type == SentenceType::Question
              && spellings[2].type == SentenceType::Command, "the spellings are looked up by the type's value");

const TypeSpelling &spellingOf(SentenceType type) { return spellings.at(static_cast<size_t>(type)); }

} // namespace

QString sentenceTypeCode(SentenceType type) { return QString::fromLatin1(spellingOf(type).code); }

std::optional<SentenceType> sentenceTypeFromCode(const QString &code)
{
    for (const TypeSpelling &s : spellings) {
        if (code == QLatin1String(s.code))
            return s.type;
    }
    return std::nullopt;
}

QString sentenceTypeName(SentenceType type) { return QString::fromLatin1(spellingOf(type).name); }

QString sentenceTypeKey(SentenceType type) { return QString::fromLatin1(spellingOf(type).key); }

std::optional<SentenceType> sentenceTypeFromKey(const QString &key)
{
    for (const TypeSpelling &s : spellings) {
        if (key == QLatin1String(s.key))
            return s.type;
    }
    return std::nullopt;
}

QString sentenceTypeTitle(SentenceType type)
{
    return QCoreApplication::translate("Sentence", qUtf8Printable(sentenceTypeName(type)));
}

static QChar closingMark(SentenceType type)
{
    switch (type) {
    case SentenceType::Statement: return QLatin1Char('.');
    case SentenceType::Question: return QLatin1Char('?');
    case SentenceType::Command: return QLatin1Char('!');
    }
    return {};
}

bool Sentence::isComplete() const
{
    const bool hasSubject = type == SentenceType::Command || (subject && subject->isComplete());
    return hasSubject && verb && (complement ? complement->isComplete() : !verb->needsComplement);
}

QString Sentence::text() const
{
    QString said = tree().saidWords().join(QLatin1Char(' '));
    if (isComplete())
        said += closingMark(type);
    return said;
}

QString Sentence::written() const
{
    QString said = text();
    if (!said.isEmpty())
        said[0] = said.at(0).toUpper();
    return said;
}

Node Sentence::tree() const
{
    Node s = phraseNode(Label::S, {});
    if (type == SentenceType::Command)
        s.children.push_back(understoodYou());
    else
        s.children.push_back(subject ? *subject : placeholderNode(QCoreApplication::translate("Sentence", "Subject")));

    if (!verb) {
        s.children.push_back(placeholderNode(QCoreApplication::translate("Sentence", "Predicate")));
        return s;
    }
    Node vp = phraseNode(Label::VP, verb->words);
    if (complement)
        vp.children.push_back(*complement);
    else if (verb->needsComplement)
        vp.children.push_back(placeholderNode(QCoreApplication::translate("Sentence", "Complement")));
    s.children.push_back(std::move(vp));
    return s;
}

// Only letters and apostrophes reach a leaf: the drawers read blanks, brackets and their
// markup characters (_ ^ * # % @ ~ \ < > ") as structure or formatting.
static QString cleanLeaf(const QString &word)
{
    QString clean;
    for (QChar c : word) {
        if (c.isLetter() || c == QLatin1Char('\''))
            clean += c;
    }
    return clean;
}

static QString bracketsOf(const Node &node, bool keepEmpty = false)
{
    if (node.isPlaceholder())
        return {};
    const QString open = QLatin1Char('[') + labelName(node.label);
    if (node.isUnderstood())
        return open + QStringLiteral(" (you)]");
    if (node.children.empty()) {
        const QString leaf = cleanLeaf(node.word);
        return leaf.isEmpty() ? QString() : open + QLatin1Char(' ') + leaf + QLatin1Char(']');
    }
    QString inner;
    for (const Node &child : node.children) {
        const QString written = bracketsOf(child);
        if (!written.isEmpty())
            inner += QLatin1Char(' ') + written;
    }
    if (inner.isEmpty() && !keepEmpty)
        return {};
    return open + inner + QLatin1Char(']');
}

QString Sentence::brackets() const
{
    return bracketsOf(tree(), true);
}

// A part named by what it is and then its words: "noun phrase 'the dog'".
static QString named(const Node &node)
{
    return QCoreApplication::translate("Sentence", "%1 '%2'")
        .arg(labelMeaning(node.label), node.saidWords().join(QLatin1Char(' ')));
}

// Whole phrases, one for each part a placeholder stands for: a language that writes its
// nouns with a capital, or puts the part's name elsewhere, cannot be reached by lowering a
// caption.
static QString notChosen(const Node &placeholder)
{
    const std::pair<const char *, const char *> parts[] = {
        {QT_TRANSLATE_NOOP("Sentence", "Subject"), QT_TRANSLATE_NOOP("Sentence", "subject not chosen yet")},
        {QT_TRANSLATE_NOOP("Sentence", "Predicate"), QT_TRANSLATE_NOOP("Sentence", "predicate not chosen yet")},
        {QT_TRANSLATE_NOOP("Sentence", "Complement"), QT_TRANSLATE_NOOP("Sentence", "complement not chosen yet")},
        {QT_TRANSLATE_NOOP("Sentence", "Adjective"), QT_TRANSLATE_NOOP("Sentence", "adjective not chosen yet")},
        {QT_TRANSLATE_NOOP("Sentence", "Noun"), QT_TRANSLATE_NOOP("Sentence", "noun not chosen yet")},
    };
    for (const auto &[caption, phrase] : parts) {
        if (placeholder.word == QCoreApplication::translate("Sentence", caption))
            return QCoreApplication::translate("Sentence", phrase);
    }
    return QCoreApplication::translate("Sentence", "%1 not chosen yet").arg(placeholder.word);
}

// A phrase in words with its parts one level down, enough to follow the tree by ear; a
// part is opened further only to say what it still lacks.
static QString describe(const Node &node)
{
    if (node.isPlaceholder())
        return notChosen(node);
    const QString said = named(node);
    if (node.children.empty())
        return said;
    QStringList parts;
    for (const Node &child : node.children)
        parts << (child.isComplete() ? named(child) : describe(child));
    return QCoreApplication::translate("Sentence", "%1 (%2)")
        .arg(said, parts.join(QCoreApplication::translate("Sentence", ", ", "between the parts of a phrase")));
}

QString Sentence::description() const
{
    const Node s = tree();
    const QString said = written();
    const QString state = isComplete() ? QCoreApplication::translate("Sentence", "complete")
                                       : QCoreApplication::translate("Sentence", "not complete yet");
    QString d = said.isEmpty() ? QCoreApplication::translate("Sentence", "%1, %2.").arg(sentenceTypeTitle(type), state)
                               : QCoreApplication::translate("Sentence", "%1, %2: %3").arg(sentenceTypeTitle(type), state, said);
    if (!d.endsWith(closingMark(type)) && !d.endsWith(QLatin1Char('.')))
        d += QLatin1Char('.');

    // Whole sentences, each said on its own, joined by a blank.
    const Node &subjectNode = s.children.at(0);
    if (subjectNode.isUnderstood())
        d += QLatin1Char(' ') + QCoreApplication::translate("Sentence", "Subject: 'you', understood.");
    else if (subjectNode.isPlaceholder())
        d += QLatin1Char(' ') + QCoreApplication::translate("Sentence", "Subject: not chosen yet.");
    else
        d += QLatin1Char(' ') + QCoreApplication::translate("Sentence", "Subject: %1.").arg(describe(subjectNode));

    const Node &predicate = s.children.at(1);
    if (predicate.isPlaceholder())
        d += QLatin1Char(' ') + QCoreApplication::translate("Sentence", "Predicate: not chosen yet.");
    else
        d += QLatin1Char(' ') + QCoreApplication::translate("Sentence", "Predicate: %1.").arg(describe(predicate));
    return d;
}

} // namespace parsella::grammar
