#include "grammar/TreeLayout.h"

#include <algorithm>
#include <cmath>

namespace parsella::grammar {

namespace {

// The tree as it is drawn: a word node becomes its label box over its word box.
struct DrawnNode {
    QString text;
    TreeBox::Kind kind;
    std::vector<DrawnNode> children;
};

DrawnNode drawn(const Node &node)
{
    if (node.isPlaceholder())
        return {node.word, TreeBox::Kind::Placeholder, {}};
    DrawnNode d{labelName(node.label), TreeBox::Kind::Label, {}};
    if (node.isUnderstood())
        d.children.push_back({QStringLiteral("(you)"), TreeBox::Kind::Understood, {}});
    else if (node.children.empty())
        d.children.push_back({node.word, TreeBox::Kind::Word, {}});
    for (const Node &child : node.children)
        d.children.push_back(drawn(child));
    return d;
}

class Layouter
{
public:
    Layouter(const TextWidth &width, const TreeSpacing &spacing) : width(width), sp(spacing) { }

    // Lays out a subtree with its left edge at 0; gives the right edge. Each box is recorded
    // with its x relative to the subtree, and shifted into place by the caller.
    struct Placed {
        std::vector<TreeBox> boxes;
        std::vector<std::pair<size_t, size_t>> edges; // parent, child: indexes into boxes
        qreal right = 0;
    };

    Placed place(const DrawnNode &node, int level)
    {
        Placed out;
        const qreal boxWidth = width(node.text) + 2 * sp.padding;
        out.boxes.push_back({QRectF(0, top(level), boxWidth, boxHeight()), node.text, node.kind, level});

        if (node.children.empty()) {
            out.right = boxWidth;
            return out;
        }

        qreal cursor = 0;
        std::vector<size_t> childRoots;
        for (const DrawnNode &child : node.children) {
            if (cursor > 0)
                cursor += sp.gap;
            Placed sub = place(child, level + 1);
            const size_t offset = out.boxes.size();
            for (TreeBox &box : sub.boxes) {
                box.rect.translate(cursor, 0);
                out.boxes.push_back(box);
            }
            for (const auto &[parent, kid] : sub.edges)
                out.edges.emplace_back(parent + offset, kid + offset);
            childRoots.push_back(offset);
            cursor += sub.right;
        }
        for (size_t root : childRoots)
            out.edges.emplace_back(0, root);

        // Centred over the first and last child; a parent wider than its children pushes
        // the whole subtree right so that nothing starts left of the subtree's edge.
        const qreal centre = (out.boxes[childRoots.front()].rect.center().x()
                              + out.boxes[childRoots.back()].rect.center().x()) / 2;
        qreal left = centre - boxWidth / 2;
        out.boxes[0].rect.moveLeft(left);
        if (left < 0) {
            for (TreeBox &box : out.boxes)
                box.rect.translate(-left, 0);
            cursor -= left;
            left = 0;
        }
        out.right = std::max(cursor, left + boxWidth);
        return out;
    }

    qreal boxHeight() const { return sp.lineHeight + 2 * sp.padding; }
    qreal top(int level) const { return sp.margin + level * std::max(sp.levelStep, boxHeight() + sp.gap); }

private:
    const TextWidth &width;
    const TreeSpacing &sp;
};

} // namespace

TreeLayout layOutTree(const Node &root, const TextWidth &width, const TreeSpacing &spacing)
{
    Layouter layouter(width, spacing);
    Layouter::Placed placed = layouter.place(drawn(root), 0);

    TreeLayout layout;
    qreal bottom = 0;
    for (TreeBox &box : placed.boxes) {
        box.rect.translate(spacing.margin, 0);
        bottom = std::max(bottom, box.rect.bottom());
    }
    for (const auto &[parent, child] : placed.edges) {
        const QRectF &from = placed.boxes[parent].rect;
        const QRectF &to = placed.boxes[child].rect;
        layout.lines.emplace_back(QPointF(from.center().x(), from.bottom()), QPointF(to.center().x(), to.top()));
    }
    layout.boxes = std::move(placed.boxes);
    layout.size = QSizeF(placed.right + 2 * spacing.margin, bottom + spacing.margin);
    return layout;
}

qreal TreeZoom::fitted(QSizeF natural, QSizeF room)
{
    if (natural.isEmpty() || room.isEmpty())
        return 1.0;
    const qreal fit = std::min(room.width() / natural.width(), room.height() / natural.height());
    return std::clamp(fit, minimum, 1.0);
}

qreal TreeZoom::scale(QSizeF natural, QSizeF room, int zoomSteps)
{
    return std::clamp(fitted(natural, room) * std::pow(step, zoomSteps), minimum, maximum);
}

} // namespace parsella::grammar
