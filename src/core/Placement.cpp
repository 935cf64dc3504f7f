#include "core/Placement.h"

#include <algorithm>

namespace parsella::core {

QRect worksheetPlace(const QRect &screen, const QSize &wanted, int keepFree, int narrowest, int openerWidth)
{
    const int room = screen.width() - keepFree;
    int width = std::min(wanted.width(), screen.width());
    if (room >= narrowest)
        width = std::min(width, room);
    else if (openerWidth > 0)
        width = std::min(width, std::max(narrowest, screen.width() - openerWidth - windowGap));
    const int height = std::min(wanted.height(), screen.height());
    return QRect(screen.left() + screen.width() - width, screen.top(), width, height);
}

QRect placeClearOf(const QRect &shown, const QRect &clear, const QRect &screen)
{
    if (clear.isEmpty() || !shown.intersects(clear))
        return shown;
    const int leftRoom = clear.left() - windowGap - screen.left();
    const int rightRoom = screen.left() + screen.width() - (clear.left() + clear.width() + windowGap);
    QRect placed = shown;
    if (leftRoom >= shown.width())
        placed.moveRight(clear.left() - windowGap - 1);
    else if (rightRoom >= shown.width())
        placed.moveLeft(clear.left() + clear.width() + windowGap);
    else
        return shown;
    // Kept on the screen from top to bottom as well, title bar first.
    placed.moveTop(std::clamp(placed.top(), screen.top(), std::max(screen.top(), screen.top() + screen.height() - placed.height())));
    return placed;
}

} // namespace parsella::core
