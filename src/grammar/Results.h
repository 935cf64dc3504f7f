#pragma once

#include "grammar/Sentence.h"
#include "grammar/Task.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace parsella::grammar {

struct Document;

// What a worksheet shows of each task, worked out anew from the task and the sentences
// recorded for it, never taken from what the file says of itself: a file is anyone's to edit.
struct TaskResult {
    int number = 0;       // counted from 1
    QString prompt;       // as the learner reads it
    int tries = 0;        // as the file counts them
    int answers = 0;      // the sentences in the file recorded for the task
    bool done = false;    // a recorded sentence meets the task
    bool claimed = false; // the file says the task is done
    QString answer;       // the sentence that met the task, or else the last try; empty if none
    QString feedback;     // the first thing the last try lacks, in the learner's words

    // "done", "not yet" or "to do", as the Worksheet says it.
    QString state() const;
    // The file says the task is done, but none of its sentences meets it.
    bool overclaimed() const { return claimed && !done; }
};

// One result for each task of a document.
QList<TaskResult> resultsOf(const Document &document);

// What a sentence recorded for a task was told when it was finished, worked out anew from the
// task and the sentence, so that a reopened worksheet tells it again.
struct AnswerResult {
    int task = 0;        // counted from 0
    QStringList lacks;   // empty if the sentence meets the task
    bool doneBefore = false; // an earlier sentence of the document met the task

    bool meets() const { return lacks.isEmpty(); }
    QString note() const { return answerNote(task, lacks, doneBefore); }
};

// One for each sentence of a document, in its order; none for a sentence only listed.
QList<std::optional<AnswerResult>> answersOf(const Document &document);

// Sentence `row` (from 0) as the worksheet lists it: its number, the task it answered and
// whether it met it, its type and the sentence ("3. Task 2 · Question: Does she walk? — not yet").
QString sentenceEntry(int row, const Sentence &sentence, const std::optional<AnswerResult> &answer = std::nullopt);

// A sheet is what a teacher hands out: tasks, and neither a learner's name nor any answer
// (a sentence recorded for a task, or a task tried or done).
bool isSheet(const Document &document);

// The name a learner's answers to a sheet are first saved under, beside the sheet:
// "<sheet> – <learner>.parsella", the name made safe on every system's file names, and
// "<sheet> – answers.parsella" while there is no name. `sheetName` is the sheet's file name
// without its ending.
QString answersFileName(const QString &sheetName, const QString &learner);

// The tasks as they go on paper, printed or exported: a title, a line for the learner's
// name, and each task's prompt followed by its answer and state, or by room to write one.
struct TaskSheetEntry {
    int number = 0;
    QString prompt;
    QString answer;   // "Answer (done): She walked here."; empty: room is left to answer
    QString feedback; // what a not yet done answer lacks; empty if nothing
};
struct TaskSheet {
    QString title;
    QString nameCaption; // "Name:"
    QString learner;     // empty: a line to write the name on
    QList<TaskSheetEntry> entries;
};
TaskSheet taskSheetOf(const Document &document, const QString &title);
// Lines of answering room under a prompt on paper with no answer yet.
inline constexpr int answerRoomLines = 2;
// The task sheet as plain UTF-8 text, ready to print from any editor: underscores are the
// lines to write on.
QByteArray taskSheetText(const TaskSheet &sheet);

} // namespace parsella::grammar
