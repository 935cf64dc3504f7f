#pragma once

#include <QRect>

namespace parsella::core {

// Where the windows go on a screen so that the Worksheet's tree stays in view. Rectangles are
// window frames (title bar and borders included) in the screen's logical pixels.

// The space left between windows placed side by side.
constexpr int windowGap = 8;

// The Worksheet's frame: against the right edge of `screen`, at its top, as wide and high as
// `wanted` allows. Where the screen has room it leaves `keepFree` pixels on the left, for the
// sentence windows and pickers, narrowing down to `narrowest`. Where it has not, the windows
// will overlap; the Worksheet still leaves `openerWidth` on the left for the main window as far
// as it can without narrowing below `narrowest`, so that the main window can be reached beside
// it. Never larger than the screen, so its title bar stays on it.
QRect worksheetPlace(const QRect &screen, const QSize &wanted, int keepFree, int narrowest, int openerWidth = 0);

// Where a window first shown at `shown` goes so as not to cover `clear`: where it is if it
// does not; else beside `clear`, on the side with room, as near its place as the screen
// allows; where it is if neither side has room.
QRect placeClearOf(const QRect &shown, const QRect &clear, const QRect &screen);

} // namespace parsella::core
