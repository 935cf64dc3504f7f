#pragma once

#include "grammar/Sentence.h"
#include "grammar/TreeLayout.h"

#include <QFont>
#include <QWidget>
#include <optional>

class QPainter;

namespace parsella {

// One sentence's tree, laid out once and drawn wherever it is wanted: in the worksheet
// window, into a saved picture and onto a printed page. Units are device-independent
// pixels; the font has a pixel size, so a painter's scale enlarges text and lines alike.
class TreePicture
{
public:
    // `complete` colours the words black, as the sentence label shows a complete sentence;
    // otherwise they are red.
    TreePicture(const grammar::Sentence &sentence, bool complete);

    QSizeF size() const { return layout.size; }
    // Draws the tree with its top-left corner at `origin`; the background is left as it is.
    void draw(QPainter &painter, QPointF origin = {}) const;

    static QFont font();

private:
    grammar::TreeLayout layout;
    bool complete;
};

// Shows the tree of one sentence, or a line saying where the tree will come from. Put in a
// resizable scroll area, it fits the tree to the area's viewport, centred, within the bounds
// of TreeZoom; zoomed in past the viewport, or below the readable minimum, it asks for the
// whole drawing's size, so the scroll area scrolls and never clips a word.
class TreeView : public QWidget
{
    Q_OBJECT
public:
    explicit TreeView(QWidget *parent = nullptr);

    // While a picker is open the tree shows its draft, but the words take the colour of the
    // sentence label, which the draft joins only once the picker's step succeeds.
    void setSentence(const std::optional<grammar::Sentence> &sentence, bool complete);
    bool isComplete() const { return complete; }
    const std::optional<grammar::Sentence> &sentence() const { return shown; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // Ctrl++ and Ctrl+- step the zoom from the fitted scale; fitting again forgets it. The
    // zoom holds while the sentence grows.
    void zoomIn() { setZoom(zoomSteps + 1); }
    void zoomOut() { setZoom(zoomSteps - 1); }
    void fit() { setZoom(0); }
    // The scale the tree is drawn at now: 1 is its natural size.
    qreal scale() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void rebuild();
    void setZoom(int steps);
    void refit();
    // The room the tree may fill: the scroll area's viewport, or its own size if it has none.
    QSizeF room() const;
    int zoomSteps = 0;

    std::optional<grammar::Sentence> shown;
    bool complete = false;
    std::optional<TreePicture> picture;
};

} // namespace parsella
