#pragma once

#include "grammar/Results.h"

#include <QSizeF>
#include <functional>

class QPagedPaintDevice;
class QPainter;

namespace parsella {

// Draws a task sheet on the pages of a printer or a PDF, the same content its text export
// holds: the title, a line for the name, and each task with its answer or lines to write one
// on. No task is split across pages. False if the device could not be used.
bool printTaskSheet(const grammar::TaskSheet &sheet, QPagedPaintDevice &printer);
// The same on any painter, in screen pixels on pages of `room`; `newPage` goes on to the
// next page, false if it could not.
bool drawTaskSheet(const grammar::TaskSheet &sheet, QPainter &painter, QSizeF room, const std::function<bool()> &newPage);

} // namespace parsella
