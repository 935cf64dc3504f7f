#include "grammar/Results.h"

#include "grammar/Document.h"
#include "grammar/Task.h"
#include "grammar/TaskList.h"

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
