#pragma once

#include "core/Language.h"

#include <QString>
#include <QUrl>

namespace parsella {

// The publisher's web host chosen when the program was built; empty where the build has none.
QString webHost();

// The publisher's site as the About box shows it and opens it: "http://<host>/"; empty
// without a host.
QString publisherAddress(const QString &host = webHost());
// The grammar notes on the publisher's site.
QString grammarPageAddress(const QString &host = webHost());

// A file in the program directory: the directory immediately followed by the file name,
// in the system's own separators.
QString besideProgram(const QString &programDirectory, const QString &fileName);

// The HTML help page, in `language` (its own folder, help/<language>/ in the sources) where
// there is one, else in English. It is looked for beside the program first, where a program run from
// its build or unpacked directory keeps it, then in the data directory of an installed
// program. If neither has it, the path beside the program is given all the same, and a note
// for whoever runs the program from a terminal goes to standard error.
QString helpPage(const QString &programDirectory, const QString &language = language::current());
// The grammar notes that ship with the program, looked for as the help page is.
QString grammarPage(const QString &programDirectory, const QString &language = language::current());

// What "Grammar" opens where documents go to their default application: the notes on the
// publisher's site, or, in a build without a web host, the notes shipped with the program, so
// that the learner is never sent to a site that does not exist.
QUrl grammarTarget(const QString &host, const QString &programDirectory);

} // namespace parsella
