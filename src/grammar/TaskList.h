#pragma once

#include "grammar/Document.h"
#include "grammar/Task.h"

#include <QStringList>
#include <optional>

namespace parsella::grammar {

// A worksheet's tasks and the sentences that answered them. A sentence finished while a task
// was current records it under "task", the task's number counted from 1; the records follow
// their tasks through every edit of the list.

// Where an entry at `i` of a list stands after the entry at `from` was moved to `to`.
int indexAfterMove(int i, int from, int to);
// Where an entry at `i` stands after the entry at `removed` went; -1 for that entry itself.
int indexAfterRemoval(int i, int removed);

// Empty if every sentence's "task" names a task of `document`; otherwise the first problem,
// naming the sentence by its number.
QString answersProblem(const Document &document);
// The index of the task a sentence answered, if it answered one.
std::optional<int> answeredTask(const DocumentSentence &sentence);

// A sentence finished while task `index` is current joins the document with its record of
// the task, which counts one more try and is done once it is `met` (and stays done). With no
// such task it is only listed.
void recordAnswer(Document &document, int index, const Sentence &sentence, bool met);
// The same, with the sentence checked here: gives the feedback lines, empty when it met the task.
QStringList answerTask(Document &document, int index, const Sentence &sentence);

// The edits of the task list. The sentences' records follow their tasks; a sentence that
// answered a removed task no longer records one.
void addTask(Document &document, const Task &task);
void removeTask(Document &document, int index);
void moveTask(Document &document, int index, int to);

} // namespace parsella::grammar
