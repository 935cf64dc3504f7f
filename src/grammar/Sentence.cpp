#include "grammar/Sentence.h"

namespace parsella::grammar {

std::optional<SentenceType> sentenceTypeFromCode(const QString &code)
{
    if (code == QLatin1String("Dec"))
        return SentenceType::Statement;
    if (code == QLatin1String("Int"))
        return SentenceType::Question;
    if (code == QLatin1String("Imp"))
        return SentenceType::Command;
    return std::nullopt;
}

QString sentenceTypeName(SentenceType type)
{
    switch (type) {
    case SentenceType::Statement: return QStringLiteral("Statement");
    case SentenceType::Question: return QStringLiteral("Question");
    case SentenceType::Command: return QStringLiteral("Command");
    }
    return {};
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
        s.children.push_back(subject ? *subject : placeholderNode(QStringLiteral("Subject")));

    if (!verb) {
        s.children.push_back(placeholderNode(QStringLiteral("Predicate")));
        return s;
    }
    Node vp = phraseNode(Label::VP, verb->words);
    if (complement)
        vp.children.push_back(*complement);
    else if (verb->needsComplement)
        vp.children.push_back(placeholderNode(QStringLiteral("Complement")));
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

static QString quoted(const Node &node)
{
    return QLatin1Char('\'') + node.saidWords().join(QLatin1Char(' ')) + QLatin1Char('\'');
}

static QString notChosen(const Node &placeholder)
{
    return placeholder.word.toLower() + QStringLiteral(" not chosen yet");
}

// A phrase in words with its parts one level down, enough to follow the tree by ear; a
// part is opened further only to say what it still lacks.
static QString describe(const Node &node)
{
    if (node.isPlaceholder())
        return notChosen(node);
    const QString said = labelMeaning(node.label) + QLatin1Char(' ') + quoted(node);
    if (node.children.empty())
        return said;
    QStringList parts;
    for (const Node &child : node.children)
        parts << (child.isComplete() ? labelMeaning(child.label) + QLatin1Char(' ') + quoted(child) : describe(child));
    return said + QStringLiteral(" (") + parts.join(QStringLiteral(", ")) + QLatin1Char(')');
}

QString Sentence::description() const
{
    const Node s = tree();
    const QString said = written();
    QString d = sentenceTypeName(type)
                + (isComplete() ? QStringLiteral(", complete") : QStringLiteral(", not complete yet"))
                + (said.isEmpty() ? QStringLiteral(".") : QStringLiteral(": ") + said);
    if (!d.endsWith(closingMark(type)) && !d.endsWith(QLatin1Char('.')))
        d += QLatin1Char('.');

    const Node &subjectNode = s.children.at(0);
    if (subjectNode.isUnderstood())
        d += QStringLiteral(" Subject: 'you', understood.");
    else if (subjectNode.isPlaceholder())
        d += QStringLiteral(" Subject: not chosen yet.");
    else
        d += QStringLiteral(" Subject: ") + describe(subjectNode) + QLatin1Char('.');

    const Node &predicate = s.children.at(1);
    if (predicate.isPlaceholder())
        d += QStringLiteral(" Predicate: not chosen yet.");
    else
        d += QStringLiteral(" Predicate: ") + describe(predicate) + QLatin1Char('.');
    return d;
}

} // namespace parsella::grammar
