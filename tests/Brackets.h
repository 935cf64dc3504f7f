#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

// Reads labelled bracket notation back as the tree drawers do, so that a test can check what
// the notation says rather than how it was written.
namespace brackets {

// A leaf with the label of the bracket it stands in: {"Det", "the"}.
using Leaf = std::pair<QString, QString>;

// The leaves in order, or nothing if the notation is malformed: a bracket that does not open
// with its label at once, children not separated by exactly one blank, brackets that do not
// balance, or anything after the closing bracket.
inline std::optional<std::vector<Leaf>> leaves(const QString &notation)
{
    std::vector<Leaf> found;
    qsizetype at = 0;
    const auto isLabelChar = [](QChar c) { return c.isLetter(); };
    const auto token = [&](auto accept) {
        const qsizetype start = at;
        while (at < notation.size() && accept(notation.at(at)))
            ++at;
        return notation.mid(start, at - start);
    };
    // node := '[' label (' ' (node | leaf))* ']'
    std::function<bool()> node = [&]() -> bool {
        if (at >= notation.size() || notation.at(at) != QLatin1Char('['))
            return false;
        ++at;
        const QString label = token(isLabelChar);
        if (label.isEmpty())
            return false;
        while (at < notation.size() && notation.at(at) == QLatin1Char(' ')) {
            ++at;
            if (at < notation.size() && notation.at(at) == QLatin1Char('[')) {
                if (!node())
                    return false;
                continue;
            }
            const QString leaf = token([](QChar c) {
                return c != QLatin1Char(' ') && c != QLatin1Char('[') && c != QLatin1Char(']');
            });
            if (leaf.isEmpty())
                return false;
            found.emplace_back(label, leaf);
        }
        if (at >= notation.size() || notation.at(at) != QLatin1Char(']'))
            return false;
        ++at;
        return true;
    };
    if (!node() || at != notation.size())
        return std::nullopt;
    return found;
}

} // namespace brackets
