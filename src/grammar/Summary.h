#pragma once

#include <QString>
#include <QStringList>

class QTextStream;

namespace parsella::grammar {

struct Document;

// What a teacher collects from the learners' worksheets: CSV (RFC 4180, CRLF line ends, a
// UTF-8 byte-order mark first, as a spreadsheet's own "CSV UTF-8" is) for a spreadsheet or a
// script. Every task is checked against the sentences recorded for it; what a file says of
// itself is only reported. The layouts and their columns are described in docs/file-format.md.
//
//   Rows: one row per task per file.
//     file,learner,task,prompt,tries,done,answer,feedback,note
//   Grid: one row per file, one column per task, for a markbook.
//     file,learner,task 1,task 2,total,note
enum class SummaryLayout { Rows, Grid };

// A field as CSV writes it: in quotes, quotes doubled, when it holds a comma, a quote or a
// line break. One that begins with "=", "+", "-" or "@" gets a leading "'", so that no
// spreadsheet takes a learner's name for a formula.
QString csvField(const QString &text);

// Summarises every file on `out`. Each file named gets at least one row: one that cannot be
// read gets a row giving the reason, and a line on `errors`. A sheet (tasks, no learner and
// no answers) is left out and named on `errors`. Gives the exit status: 1 if any file could
// not be read, else 0.
int summarize(const QStringList &files, QTextStream &out, QTextStream &errors,
              SummaryLayout layout = SummaryLayout::Rows);

} // namespace parsella::grammar
