#pragma once

#include <QString>

namespace parsella {

// The publisher's site as the About box shows it and opens it: "http://<host>/".
QString publisherAddress();
// The grammar notes on the publisher's site.
QString grammarPageAddress();

// A file in the program directory: the directory immediately followed by the file name,
// in the system's own separators.
QString besideProgram(const QString &programDirectory, const QString &fileName);

// The HTML help page. It is looked for beside the program first, where a program run from
// its build or unpacked directory keeps it, then in the data directory of an installed
// program. If neither has it, the path beside the program is given all the same, and a note
// for whoever runs the program from a terminal goes to standard error.
QString helpPage(const QString &programDirectory);

} // namespace parsella
