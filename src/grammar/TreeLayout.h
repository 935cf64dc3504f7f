#pragma once

#include "grammar/Node.h"

#include <QLineF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <functional>
#include <vector>

namespace parsella::grammar {

// The width of a text as it will be drawn; the caller measures with its own font
// (QFontMetricsF::horizontalAdvance), so the layout needs no widgets.
using TextWidth = std::function<qreal(const QString &)>;

// The spacing of a tree, in the caller's units. Give lineHeight from the font; the rest
// scale with it if the caller likes.
struct TreeSpacing {
    qreal lineHeight = 16; // the height of one box's text
    qreal padding = 4;     // around the text inside a box, on every side
    qreal gap = 12;        // between neighbouring boxes on one level
    qreal levelStep = 44;  // from the top of one level to the top of the next
    qreal margin = 8;      // around the whole tree
};

// One box of the drawn tree: a label ("NP"), a word ("dog"), a placeholder caption
// ("Subject", to be drawn red) or the understood "(you)" of a command.
struct TreeBox {
    enum class Kind { Label, Word, Placeholder, Understood };

    QRectF rect;
    QString text;
    Kind kind = Kind::Label;
    int level = 0; // 0 for the S at the top
};

// A tree laid out for drawing: the boxes, the lines from each parent's bottom edge to its
// children's top edges, and the size that holds it all with its margin.
struct TreeLayout {
    std::vector<TreeBox> boxes;
    std::vector<QLineF> lines;
    QSizeF size;
};

// A tidy layout: words and placeholders left to right in the order they are said, each
// parent centred over its children, levels at fixed vertical steps. A word stands one level
// below its label. No two boxes overlap, and every box lies inside `size`.
TreeLayout layOutTree(const Node &root, const TextWidth &width, const TreeSpacing &spacing = {});

} // namespace parsella::grammar
