#pragma once

#include <QList>
#include <QString>

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

// A sheet is what a teacher hands out: tasks, and neither a learner's name nor any answer
// (a sentence recorded for a task, or a task tried or done).
bool isSheet(const Document &document);

} // namespace parsella::grammar
