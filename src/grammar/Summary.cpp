#include "grammar/Summary.h"

#include "grammar/Document.h"
#include "grammar/Results.h"
#include "grammar/Task.h"

#include <QCoreApplication>
#include <QTextStream>
#include <optional>

namespace parsella::grammar {

namespace {

struct SummaryText {
    Q_DECLARE_TR_FUNCTIONS(Summary)
};

const QString crlf = QStringLiteral("\r\n");

QString row(const QStringList &fields)
{
    QStringList written;
    for (const QString &field : fields)
        written << csvField(field);
    return written.join(QLatin1Char(',')) + crlf;
}

QString yesNo(bool yes) { return yes ? QStringLiteral("yes") : QStringLiteral("no"); }

QString overclaim() { return SummaryText::tr("The file says this task is done, but none of its sentences meets it."); }

// A file as the summary sees it: read and not a sheet, or a reason it has no results.
struct Collected {
    QString file;
    std::optional<Document> document;
    QList<TaskResult> results;
    QString problem;
};

QString rowsOf(const Collected &c)
{
    if (!c.document)
        return row({c.file, {}, {}, {}, {}, {}, {}, {}, c.problem});
    if (c.results.isEmpty())
        return row({c.file, c.document->learner, {}, {}, {}, {}, {}, {}, SummaryText::tr("The worksheet has no tasks.")});
    QString rows;
    for (const TaskResult &r : c.results)
        rows += row({c.file, c.document->learner, QString::number(r.number), r.prompt, QString::number(r.tries),
                     yesNo(r.done), r.answer, r.done ? QString() : r.feedback, r.overclaimed() ? overclaim() : QString()});
    return rows;
}

QString gridRowOf(const Collected &c, qsizetype columns)
{
    QStringList fields{c.file, c.document ? c.document->learner : QString()};
    QStringList notes;
    int total = 0;
    for (qsizetype i = 0; i < columns; ++i) {
        const TaskResult *r = i < c.results.size() ? &c.results.at(i) : nullptr;
        fields << (r ? r->state() : QString());
        if (r && r->done)
            ++total;
        if (r && r->overclaimed())
            notes << SummaryText::tr("task %1: %2").arg(r->number).arg(overclaim());
    }
    fields << (c.document ? QString::number(total) : QString());
    if (!c.document)
        notes << c.problem;
    else if (c.results.isEmpty())
        notes << SummaryText::tr("The worksheet has no tasks.");
    fields << notes.join(QLatin1Char(' '));
    return row(fields);
}

} // namespace

QString csvField(const QString &text)
{
    static const QString special = QStringLiteral(",\"\r\n");
    static const QString formula = QStringLiteral("=+-@");
    QString field = text;
    if (!field.isEmpty() && formula.contains(field.front()))
        field.prepend(QLatin1Char('\''));
    if (std::none_of(field.begin(), field.end(), [](QChar c) { return special.contains(c); }))
        return field;
    field.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + field + QLatin1Char('"');
}

int summarize(const QStringList &files, QTextStream &out, QTextStream &errors, SummaryLayout layout)
{
    int status = 0;
    QList<Collected> collected;
    for (const QString &file : files) {
        DocumentReading reading = readDocumentFile(file);
        if (!reading.document) {
            errors << QStringLiteral("parsella: %1: %2").arg(file, reading.problem) << Qt::endl;
            status = 1;
            collected.append({file, std::nullopt, {}, reading.problem});
            continue;
        }
        if (isSheet(*reading.document)) {
            errors << QStringLiteral("parsella: %1: %2")
                          .arg(file, SummaryText::tr("left out: a sheet, with tasks but no learner's name and no answers."))
                   << Qt::endl;
            continue;
        }
        const QList<TaskResult> results = resultsOf(*reading.document);
        collected.append({file, std::move(reading.document), results, {}});
    }

    // The byte-order mark tells a spreadsheet the file is UTF-8, so that names such as Zoë open right.
    out << QChar(0xFEFF);
    if (layout == SummaryLayout::Rows) {
        out << row({"file", "learner", "task", "prompt", "tries", "done", "answer", "feedback", "note"});
        for (const Collected &c : collected)
            out << rowsOf(c);
    } else {
        qsizetype columns = 0;
        for (const Collected &c : collected)
            columns = std::max(columns, c.results.size());
        QStringList header{"file", "learner"};
        for (qsizetype i = 0; i < columns; ++i)
            header << QStringLiteral("task %1").arg(i + 1);
        header << "total" << "note";
        out << row(header);
        for (const Collected &c : collected)
            out << gridRowOf(c, columns);
    }
    out.flush();
    return status;
}

} // namespace parsella::grammar
