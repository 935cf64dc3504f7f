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

    bool isPlaceholder() const { return kind == Kind::Placeholder; }
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

// The scale a tree of `natural` size is drawn at in a view of `room`. Fitted (zoomSteps 0), it
// fills the room but is never enlarged past its natural size, nor shrunk below `minimum`,
// where reading would suffer; below that the view scrolls. Each zoom step multiplies the
// fitted scale by a fixed factor, in or out, within the same bounds as a zoom may go.
struct TreeZoom {
    static constexpr qreal minimum = 0.7;
    static constexpr qreal maximum = 4.0;
    static constexpr qreal step = 1.25;

    static qreal fitted(QSizeF natural, QSizeF room);
    static qreal scale(QSizeF natural, QSizeF room, int zoomSteps);
};

} // namespace parsella::grammar
