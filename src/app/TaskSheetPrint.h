#pragma once

#include "grammar/Results.h"

class QPagedPaintDevice;

namespace parsella {

// Draws a task sheet on the pages of a printer or a PDF, the same content its text export
// holds: the title, a line for the name, and each task with its answer or lines to write one
// on. No task is split across pages. False if the device could not be used.
bool printTaskSheet(const grammar::TaskSheet &sheet, QPagedPaintDevice &printer);

} // namespace parsella
