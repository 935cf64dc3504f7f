#include "grammar/Summary.h"

#include "grammar/Document.h"
#include "grammar/Task.h"

#include <QTextStream>

namespace parsella::grammar {

namespace {
const QString crlf = QStringLiteral("\r\n");
}

QString csvField(const QString &text)
{
    static const QString special = QStringLiteral(",\"\r\n");
    if (std::none_of(text.begin(), text.end(), [](QChar c) { return special.contains(c); }))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString summaryHeader()
{
    return QStringLiteral("file,learner,task,prompt,tries,done") + crlf;
}

QString summaryRows(const QString &file, const Document &document)
{
    QString rows;
    const QList<Task> &tasks = document.tasks;
    for (int i = 0; i < tasks.size(); ++i) {
        const Task &task = tasks.at(i);
        const QStringList fields{csvField(file), csvField(document.learner), QString::number(i + 1),
                                 csvField(task.shownPrompt()), QString::number(task.tries),
                                 task.done ? QStringLiteral("yes") : QStringLiteral("no")};
        rows += fields.join(QLatin1Char(',')) + crlf;
    }
    return rows;
}

int summarize(const QStringList &files, QTextStream &out, QTextStream &errors)
{
    int status = 0;
    out << summaryHeader();
    for (const QString &file : files) {
        const DocumentReading reading = readDocumentFile(file);
        if (!reading.document) {
            errors << QStringLiteral("parsella: %1: %2").arg(file, reading.problem) << Qt::endl;
            status = 1;
            continue;
        }
        out << summaryRows(file, *reading.document);
    }
    out.flush();
    return status;
}

} // namespace parsella::grammar
