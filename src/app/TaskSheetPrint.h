#pragma once

#include "grammar/Results.h"

#include <QSizeF>
#include <functional>
#include <optional>

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

// Begins `painter` on `printer` in screen pixels (96 to the inch), scaled to the printer's
// resolution; the fonts have pixel sizes, so they scale along. The room on a page in those
// pixels, or none if the printer cannot be painted on.
std::optional<QSizeF> beginPrinting(QPainter &painter, QPagedPaintDevice &printer);
} // namespace parsella
