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

} // namespace parsella::grammar
