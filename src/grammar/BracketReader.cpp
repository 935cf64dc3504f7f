#include "grammar/BracketReader.h"

#include <QCoreApplication>
#include <algorithm>
#include <array>

namespace parsella::grammar {

QString quotedWords(const QString &words)
{
    // One catalogue entry for the marks, which the grey words' explanations have always used.
    return QCoreApplication::translate("Admission", "“%1”").arg(words);
}

namespace {

std::optional<Label> labelFromName(QStringView name)
{
    for (int i = 0; i <= int(Label::Poss); ++i) {
        if (name == labelName(Label(i)))
            return Label(i);
    }
    return std::nullopt;
}

bool isWordChar(QChar c)
{
    return c.isLetter() || c == QLatin1Char('\'');
}

// A character named so that a message can show it: printable ones as they are, any other
// (a control or formatting character, half a surrogate pair) by its code, never raw.
QString named(QChar c)
{
    const QString code = characterCode(c.unicode());
    if (c.category() == QChar::Other_Control)
        return QCoreApplication::translate("BracketReader", "the control character %1").arg(code);
    if (!showsAsItself(c.unicode()))
        return QCoreApplication::translate("BracketReader", "the invisible character %1").arg(code);
    return quotedWords(QString(c));
}

// Recursive descent over a string already known to hold only allowed characters. Each
// bracket is one call, and the depth is checked before descending, so the stack stays small
// whatever the input.
class Reader
{
public:
    explicit Reader(const QString &text)
        : s(text)
    {
    }

    std::optional<Node> read(BracketError *error)
    {
        std::optional<Node> root;
        if (!firstBadCharacter()) {
            skipBlanks();
            if (at >= s.size())
                fail(QCoreApplication::translate("BracketReader", "There are no brackets."));
            else
                root = node(1);
            if (root) {
                skipBlanks();
                if (at < s.size()) {
                    fail(QCoreApplication::translate(
                        "BracketReader", "Something follows the closing bracket of the sentence."));
                    root.reset();
                }
            }
        }
        if (!root && error)
            *error = problem;
        return root;
    }

private:
    void fail(const QString &message)
    {
        if (problem.isError())
            return; // the first problem is the one reported
        problem.message = message;
        problem.position = at;
    }

    bool firstBadCharacter()
    {
        if (s.size() > maxBracketsLength) {
            at = maxBracketsLength;
            fail(QCoreApplication::translate("BracketReader", "The brackets are longer than %1 characters.")
                     .arg(maxBracketsLength));
            return true;
        }
        for (at = 0; at < s.size(); ++at) {
            const QChar c = s.at(at);
            if (isWordChar(c) || c == QLatin1Char('[') || c == QLatin1Char(']') || c == QLatin1Char('(')
                || c == QLatin1Char(')') || c == QLatin1Char(' '))
                continue;
            fail(QCoreApplication::translate(
                "BracketReader", "The brackets hold %1, which bracket notation does not use.")
                     .arg(named(c)));
            return true;
        }
        at = 0;
        return false;
    }

    void skipBlanks()
    {
        while (at < s.size() && s.at(at) == QLatin1Char(' '))
            ++at;
    }

    bool peek(char c) const { return at < s.size() && s.at(at) == QLatin1Char(c); }

    QString word()
    {
        const qsizetype start = at;
        while (at < s.size() && isWordChar(s.at(at)))
            ++at;
        if (at - start > maxWordLength) {
            at = start;
            fail(QCoreApplication::translate("BracketReader", "A word is longer than %1 letters.").arg(maxWordLength));
            return {};
        }
        return s.mid(start, at - start);
    }

    // node := '[' label (' '+ (node | word | "(you)"))* ' '* ']'
    std::optional<Node> node(int depth)
    {
        if (depth > maxBracketDepth) {
            fail(QCoreApplication::translate("BracketReader", "The brackets nest deeper than %1 levels.")
                     .arg(maxBracketDepth));
            return std::nullopt;
        }
        if (!peek('[')) {
            fail(QCoreApplication::translate("BracketReader", "A bracket “[” was expected here."));
            return std::nullopt;
        }
        ++at;
        const qsizetype labelAt = at;
        const QString name = word();
        if (problem.isError())
            return std::nullopt;
        if (name.isEmpty()) {
            fail(QCoreApplication::translate("BracketReader", "A bracket opens without its label, such as NP."));
            return std::nullopt;
        }
        const std::optional<Label> label = labelFromName(name);
        if (!label) {
            at = labelAt;
            fail(QCoreApplication::translate("BracketReader", "“%1” is not a label of the tree, such as NP or VP.")
                     .arg(name));
            return std::nullopt;
        }

        Node n = phraseNode(*label, {});
        QString leaf;
        bool understood = false;
        for (;;) {
            const qsizetype before = at;
            skipBlanks();
            if (peek(']'))
                break;
            if (at >= s.size()) {
                fail(QCoreApplication::translate("BracketReader", "A bracket is not closed."));
                return std::nullopt;
            }
            if (at == before) {
                fail(QCoreApplication::translate("BracketReader", "A blank must separate the parts of a bracket."));
                return std::nullopt;
            }
            const qsizetype partAt = at;
            if (peek('[')) {
                std::optional<Node> child = node(depth + 1);
                if (!child)
                    return std::nullopt;
                n.children.push_back(std::move(*child));
            } else if (peek('(')) {
                if (QStringView(s).mid(at, 5) != QLatin1String("(you)")) {
                    fail(QCoreApplication::translate(
                        "BracketReader", "Only the understood subject is written in parentheses: “(you)”."));
                    return std::nullopt;
                }
                at += 5;
                understood = true;
            } else if (peek(')')) {
                fail(QCoreApplication::translate("BracketReader", "A “)” closes nothing."));
                return std::nullopt;
            } else {
                const QString w = word();
                if (problem.isError())
                    return std::nullopt;
                if (!leaf.isEmpty()) {
                    at = partAt;
                    fail(QCoreApplication::translate(
                        "BracketReader", "A bracket holds one word: “%1” needs a bracket of its own.")
                             .arg(w));
                    return std::nullopt;
                }
                leaf = w;
            }
            const int parts = int(n.children.size()) + (leaf.isEmpty() ? 0 : 1) + (understood ? 1 : 0);
            if (parts > 1 && (!leaf.isEmpty() || understood)) {
                at = partAt;
                fail(QCoreApplication::translate(
                    "BracketReader", "A bracket holds either one word or phrases, not both."));
                return std::nullopt;
            }
        }
        ++at; // ']'
        if (understood) {
            if (*label != Label::NP) {
                fail(QCoreApplication::translate(
                    "BracketReader", "The understood subject “(you)” is a noun phrase: write [NP (you)]."));
                return std::nullopt;
            }
            return understoodYou();
        }
        if (!leaf.isEmpty())
            return wordNode(*label, leaf);
        return n;
    }

    const QString &s;
    qsizetype at = 0;
    BracketError problem;
};

} // namespace

QString characterCode(char32_t c)
{
    return QStringLiteral("U+%1").arg(QString::number(c, 16).toUpper(), 4, QLatin1Char('0'));
}

QString shownSafely(const QString &text)
{
    // Cut by characters, not UTF-16 units, so that no pair of surrogates is split.
    const QList<uint> points = text.toUcs4();
    QString safe;
    for (qsizetype i = 0; i < std::min(points.size(), mostShown); ++i) {
        const char32_t c = points.at(i);
        safe += showsAsItself(c) ? QString::fromUcs4(&c, 1) : characterCode(c);
    }
    if (points.size() > mostShown)
        safe += QChar(0x2026);
    return safe;
}

bool showsAsItself(char32_t c)
{
    switch (QChar::category(c)) {
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Other_Surrogate:
    case QChar::Other_PrivateUse:
    case QChar::Other_NotAssigned:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return false;
    default:
        return true;
    }
}

std::optional<Node> readBrackets(const QString &text, BracketError *error)
{
    return Reader(text).read(error);
}

} // namespace parsella::grammar
