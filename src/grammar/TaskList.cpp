#include "grammar/TaskList.h"

#include <QCoreApplication>
#include <QJsonValue>
#include <functional>

namespace parsella::grammar {

namespace {

const QString taskKey = QStringLiteral("task");

// Every sentence's record of a task passed through `renumber` (index in, index or -1 out).
void renumberAnswers(Document &document, const std::function<int(int)> &renumber)
{
    for (DocumentSentence &s : document.sentences) {
        const std::optional<int> answered = answeredTask(s);
        if (!answered)
            continue;
        const int now = renumber(*answered);
        if (now < 0)
            s.extra.remove(taskKey);
        else
            s.extra.insert(taskKey, now + 1);
    }
}

} // namespace

int indexAfterMove(int i, int from, int to)
{
    if (i == from)
        return to;
    if (from < to && i > from && i <= to)
        return i - 1;
    if (to < from && i >= to && i < from)
        return i + 1;
    return i;
}

int indexAfterRemoval(int i, int removed)
{
    return i == removed ? -1 : i > removed ? i - 1 : i;
}

QString answersProblem(const Document &document)
{
    for (int i = 0; i < document.sentences.size(); ++i) {
        const QJsonValue task = document.sentences.at(i).extra.value(taskKey);
        if (task.isUndefined())
            continue;
        const double n = task.toDouble(0);
        if (!task.isDouble() || n != double(qint64(n)) || n < 1 || n > document.tasks.size())
            return QCoreApplication::translate("Task", "sentence %1: it answers a task the worksheet does not have").arg(i + 1);
    }
    return {};
}

std::optional<int> answeredTask(const DocumentSentence &sentence)
{
    const QJsonValue task = sentence.extra.value(taskKey);
    if (!task.isDouble() || task.toInt(0) < 1)
        return std::nullopt;
    return task.toInt() - 1;
}

void recordAnswer(Document &document, int index, const Sentence &sentence, bool met)
{
    DocumentSentence answer{sentence, {}};
    if (index >= 0 && index < document.tasks.size()) {
        Task &task = document.tasks[index];
        ++task.tries;
        task.done = task.done || met;
        answer.extra.insert(taskKey, index + 1);
    }
    document.sentences.append(answer);
}

QStringList answerTask(Document &document, int index, const Sentence &sentence)
{
    QStringList lines;
    if (index >= 0 && index < document.tasks.size())
        lines = feedbackOn(sentence, document.tasks.at(index).ask);
    recordAnswer(document, index, sentence, lines.isEmpty());
    return lines;
}

void addTask(Document &document, const Task &task)
{
    document.tasks.append(task);
}

void removeTask(Document &document, int index)
{
    if (index < 0 || index >= document.tasks.size())
        return;
    document.tasks.removeAt(index);
    renumberAnswers(document, [index](int i) { return indexAfterRemoval(i, index); });
}

void moveTask(Document &document, int index, int to)
{
    const qsizetype n = document.tasks.size();
    if (index < 0 || index >= n || to < 0 || to >= n || index == to)
        return;
    document.tasks.move(index, to);
    renumberAnswers(document, [index, to](int i) { return indexAfterMove(i, index, to); });
}

} // namespace parsella::grammar
