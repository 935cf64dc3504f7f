#include "grammar/Results.h"

#include "grammar/Document.h"
#include "grammar/Task.h"
#include "grammar/TaskList.h"

#include <QCoreApplication>

namespace parsella::grammar {

QString TaskResult::state() const
{
    Task seen;
    seen.done = done;
    seen.tries = std::max(tries, answers);
    return taskState(seen);
}

QList<TaskResult> resultsOf(const Document &document)
{
    const QList<Task> &tasks = document.tasks;
    QList<TaskResult> results;
    for (int i = 0; i < tasks.size(); ++i) {
        const Task &task = tasks.at(i);
        TaskResult result;
        result.number = i + 1;
        result.prompt = task.shownPrompt();
        result.tries = task.tries;
        result.claimed = task.done;
        for (const DocumentSentence &entry : document.sentences) {
            if (answeredTask(entry) != i)
                continue;
            ++result.answers;
            if (result.done)
                continue;
            const QStringList lacks = feedbackOn(entry.sentence, task.ask);
            result.answer = entry.sentence.written();
            result.feedback = lacks.value(0);
            result.done = lacks.isEmpty();
        }
        results << result;
    }
    return results;
}

QList<std::optional<AnswerResult>> answersOf(const Document &document)
{
    QList<std::optional<AnswerResult>> answers;
    answers.reserve(document.sentences.size());
    QList<bool> met(document.tasks.size(), false);
    for (const DocumentSentence &entry : document.sentences) {
        const std::optional<int> task = answeredTask(entry);
        if (!task || *task >= document.tasks.size()) {
            answers << std::nullopt;
            continue;
        }
        AnswerResult answer;
        answer.task = *task;
        answer.lacks = feedbackOn(entry.sentence, document.tasks.at(*task).ask);
        answer.doneBefore = met.at(*task);
        met[*task] = met.at(*task) || answer.meets();
        answers << answer;
    }
    return answers;
}

QString sentenceEntry(int row, const Sentence &sentence, const std::optional<AnswerResult> &answer)
{
    // Under the name the catalogues have long translated it by.
    const QString entry = QCoreApplication::translate("QObject", "%1. %2: %3")
                              .arg(row + 1)
                              .arg(sentenceTypeTitle(sentence.type), sentence.written());
    if (!answer)
        return entry;
    return QCoreApplication::translate("Results", "%1. Task %2 · %3: %4 — %5")
        .arg(row + 1)
        .arg(answer->task + 1)
        .arg(sentenceTypeTitle(sentence.type), sentence.written(),
             answer->meets() ? QCoreApplication::translate("Results", "meets it")
                             : QCoreApplication::translate("Task", "not yet")); // as the task list says it
}

bool isSheet(const Document &document)
{
    if (document.tasks.isEmpty() || !document.learner.trimmed().isEmpty())
        return false;
    if (std::any_of(document.sentences.begin(), document.sentences.end(),
                    [](const DocumentSentence &s) { return answeredTask(s).has_value(); }))
        return false;
    const QList<Task> &tasks = document.tasks;
    return std::none_of(tasks.begin(), tasks.end(), [](const Task &t) { return t.tries > 0 || t.done; });
}

} // namespace parsella::grammar
