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

QString answersFileName(const QString &sheetName, const QString &learner)
{
    // Characters Windows refuses in a name, and the folder separators everywhere; a name
    // is kept short enough for every file system even in a script of three bytes a letter.
    static const QString refused = QStringLiteral("<>:\"/\\|?*");
    constexpr int longestName = 64;
    // Direction marks would let a name show its ending as something else ("…nosrap.exe").
    const auto directionMark = [](QChar c) {
        const char16_t u = c.unicode();
        return u == 0x061C || u == 0x200E || u == 0x200F || (u >= 0x202A && u <= 0x202E) || (u >= 0x2066 && u <= 0x2069);
    };
    QString safe;
    for (const QChar c : learner) {
        if (directionMark(c))
            continue;
        safe += c.category() == QChar::Other_Control || refused.contains(c) ? QChar(u' ') : c;
    }
    safe = safe.simplified();
    if (safe.size() > longestName) {
        safe.truncate(longestName);
        if (safe.back().isHighSurrogate())
            safe.chop(1);
    }
    // Windows drops trailing dots and blanks from a name, so the file would not be the one offered.
    while (!safe.isEmpty() && (safe.back() == u'.' || safe.back() == u' '))
        safe.chop(1);
    if (safe.isEmpty())
        safe = QCoreApplication::translate("TaskSheet", "answers");
    return QStringLiteral("%1 \u2013 %2.parsella").arg(sheetName, safe);
}

TaskSheet taskSheetOf(const Document &document, const QString &title)
{
    TaskSheet sheet;
    sheet.title = title;
    sheet.nameCaption = QCoreApplication::translate("TaskSheet", "Name:");
    sheet.learner = document.learner.simplified();
    for (const TaskResult &result : resultsOf(document)) {
        TaskSheetEntry entry;
        entry.number = result.number;
        entry.prompt = result.prompt;
        if (!result.answer.isEmpty()) {
            entry.answer = QCoreApplication::translate("TaskSheet", "Answer (%1): %2").arg(result.state(), result.answer);
            if (!result.done)
                entry.feedback = result.feedback;
        }
        sheet.entries << entry;
    }
    return sheet;
}

QByteArray taskSheetText(const TaskSheet &sheet)
{
    const QString rule(40, u'_');
    QString text = sheet.title + QLatin1Char('\n');
    text += QString(sheet.title.size(), u'=') + QStringLiteral("\n\n");
    text += sheet.nameCaption + QLatin1Char(' ') + (sheet.learner.isEmpty() ? rule : sheet.learner) + QStringLiteral("\n");
    for (const TaskSheetEntry &entry : sheet.entries) {
        const QString number = QStringLiteral("%1. ").arg(entry.number);
        const QString indent(number.size(), u' ');
        // A teacher's line breaks in a prompt stay, under the prompt's first letter.
        text += QLatin1Char('\n') + number + QString(entry.prompt).replace(QLatin1Char('\n'), QLatin1Char('\n') + indent)
              + QLatin1Char('\n');
        if (entry.answer.isEmpty()) {
            for (int line = 0; line < answerRoomLines; ++line)
                text += QLatin1Char('\n') + indent + rule + QLatin1Char('\n');
            continue;
        }
        text += indent + entry.answer + QLatin1Char('\n');
        if (!entry.feedback.isEmpty())
            text += indent + entry.feedback + QLatin1Char('\n');
    }
    return text.toUtf8();
}

} // namespace parsella::grammar
