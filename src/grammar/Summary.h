#pragma once

#include <QString>
#include <QStringList>

class QTextStream;

namespace parsella::grammar {

struct Document;

// What a teacher collects from the learners' worksheets: CSV (RFC 4180, CRLF line ends) with
// one row per task per file, for a spreadsheet or a script.
//
//   file,learner,task,prompt,tries,done
//   anna.parsella,Anna,1,Build a command.,2,yes

// A field as CSV writes it: in quotes, quotes doubled, when it holds a comma, a quote or a
// line break.
QString csvField(const QString &text);
QString summaryHeader();
// The rows of one document read from `file`, the name as the teacher gave it.
QString summaryRows(const QString &file, const Document &document);

// Summarises every file on `out`; a file that cannot be read gets one line on `errors`
// naming it and why, and the others are still summarised. Gives the exit status: 1 if any
// file could not be read, else 0.
int summarize(const QStringList &files, QTextStream &out, QTextStream &errors);

} // namespace parsella::grammar
