#include "grammar/Document.h"

#include "grammar/BracketReader.h"
#include "grammar/SentenceReader.h"
#include "grammar/TaskList.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonParseError>
#include <algorithm>
#include <cmath>

namespace parsella::grammar {

namespace {

const QLatin1String formatName("parsella-worksheet");
const QLatin1String formatKey("format");
const QLatin1String versionKey("version");
const QLatin1String learnerKey("learner");
const QLatin1String sentencesKey("sentences");
const QLatin1String tasksKey("tasks");
const QLatin1String typeKey("type");
const QLatin1String bracketsKey("brackets");
const QLatin1String textKey("text");

// A name with a pair of surrogates (an emoji) is a name; one with a control character is not.
bool hasControlCharacter(const QString &text)
{
    const QList<uint> points = text.toUcs4();
    return std::any_of(points.begin(), points.end(), [](uint c) { return !showsAsItself(c); });
}

// Where a byte of the file is, as an editor shows it: lines and characters counted from 1.
struct TextPosition {
    qsizetype line = 1;
    qsizetype column = 1;
};

TextPosition positionOf(const QByteArray &json, qsizetype offset)
{
    const QByteArray before = json.left(std::clamp<qsizetype>(offset, 0, json.size()));
    const qsizetype lineStart = before.lastIndexOf('\n') + 1;
    return {before.count('\n') + 1, QString::fromUtf8(before.mid(lineStart)).toUcs4().size() + 1};
}

// A file cut off in copying stops inside a string, an object or a list, or where a value or
// a letter should still follow.
bool endsTooEarly(const QByteArray &json, const QJsonParseError &error)
{
    switch (error.error) {
    case QJsonParseError::UnterminatedObject:
    case QJsonParseError::UnterminatedArray:
    case QJsonParseError::UnterminatedString:
        return true;
    default:
        break;
    }
    const QByteArray text = json.trimmed();
    // A letter of several bytes, cut after its first.
    for (qsizetype back = 1; back <= std::min<qsizetype>(4, text.size()); ++back) {
        const auto byte = static_cast<unsigned char>(text.at(text.size() - back));
        if ((byte & 0xC0) == 0x80)
            continue;
        const int length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
        if (length > back)
            return true;
        break;
    }
    // A value cut short ("tr" of "true") is refused a few bytes before the end; a file whose
    // last object or list is closed was not cut.
    return error.offset >= text.size() - 5 && !text.endsWith('}') && !text.endsWith(']');
}

QString tooLarge()
{
    return QCoreApplication::translate("Document", "The file is larger than %1 MiB, far more than any worksheet.")
        .arg(maxDocumentBytes / (1024 * 1024));
}

DocumentReading refused(const QString &problem)
{
    return {std::nullopt, problem};
}

QJsonObject without(QJsonObject object, std::initializer_list<QLatin1String> keys)
{
    for (const QLatin1String &key : keys)
        object.remove(key);
    return object;
}

// One entry of `sentences`, numbered from 1 as the Worksheet lists them.
std::optional<DocumentSentence> readSentenceObject(const QJsonValue &value, qsizetype number, QString *problem)
{
    const auto fail = [&](const QString &message) {
        *problem = QCoreApplication::translate("Document", "sentence %1: %2").arg(number).arg(message);
        return std::nullopt;
    };
    if (!value.isObject())
        return fail(QCoreApplication::translate("Document", "it is not an object with a “type” and “brackets”."));
    const QJsonObject object = value.toObject();
    const QJsonValue type = object.value(typeKey);
    if (!type.isString())
        return fail(QCoreApplication::translate(
            "Document", "its “type” is missing or not text; it is “statement”, “question” or “command”."));
    const std::optional<SentenceType> sentenceType = sentenceTypeFromKey(type.toString());
    if (!sentenceType)
        return fail(
            QCoreApplication::translate("Document", "its type “%1” is none of “statement”, “question” or “command”.")
                .arg(shownSafely(type.toString())));
    const QJsonValue brackets = object.value(bracketsKey);
    if (!brackets.isString())
        return fail(QCoreApplication::translate("Document", "its “brackets” are missing or not text."));
    QString why;
    std::optional<Sentence> sentence = readSentence(*sentenceType, brackets.toString(), &why);
    if (!sentence)
        return fail(why);
    // The text is for people reading the file; the sentence is what the brackets say.
    return DocumentSentence{std::move(*sentence), without(object, {typeKey, bracketsKey, textKey})};
}

} // namespace

DocumentReading readDocument(const QByteArray &json)
{
    if (json.size() > maxDocumentBytes)
        return refused(tooLarge());
    if (json.trimmed().isEmpty())
        return refused(QCoreApplication::translate("Document", "The file is empty."));
    QJsonParseError error;
    const QJsonDocument parsed = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError) {
        if (endsTooEarly(json, error))
            return refused(QCoreApplication::translate(
                "Document", "The file ends too early: it may have been cut off while being copied."));
        const TextPosition at = positionOf(json, error.offset);
        return refused(QCoreApplication::translate(
            "Document", "The file is not a worksheet: its JSON does not read (%1 at line %2, column %3).")
                           .arg(error.errorString())
                           .arg(at.line)
                           .arg(at.column));
    }
    if (!parsed.isObject())
        return refused(
            QCoreApplication::translate("Document", "The file is not a worksheet: it holds no JSON object."));
    const QJsonObject top = parsed.object();

    const QJsonValue format = top.value(formatKey);
    if (!format.isString())
        return refused(
            QCoreApplication::translate("Document", "The file is not a Parsella worksheet: it has no “format”."));
    if (format.toString() != formatName)
        return refused(
            QCoreApplication::translate("Document", "The file is not a Parsella worksheet: its format is “%1”.")
                .arg(shownSafely(format.toString())));

    // The version is read before anything else: a newer file may be shaped otherwise.
    const QJsonValue version = top.value(versionKey);
    const double v = version.toDouble(0);
    if (!version.isDouble() || v < 1 || v != std::floor(v))
        return refused(
            QCoreApplication::translate("Document", "The file's “version” is missing or not a whole number."));
    if (v > documentVersion)
        return refused(QCoreApplication::translate("Document",
            "The file was written by a newer Parsella (its format version is %1); this one reads version %2.")
                           .arg(QString::number(v, 'g', 17))
                           .arg(documentVersion));

    Document document;
    const QJsonValue learner = top.value(learnerKey);
    if (!learner.isUndefined() && !learner.isString())
        return refused(QCoreApplication::translate("Document", "The learner's name is not text."));
    document.learner = learner.toString();
    if (document.learner.size() > maxLearnerLength)
        return refused(QCoreApplication::translate("Document", "The learner's name is longer than %1 characters.")
                           .arg(maxLearnerLength));
    if (hasControlCharacter(document.learner))
        return refused(QCoreApplication::translate("Document", "The learner's name holds a control character."));

    const QJsonValue sentences = top.value(sentencesKey);
    if (!sentences.isArray())
        return refused(QCoreApplication::translate("Document", "The file has no list of “sentences”."));
    const QJsonArray list = sentences.toArray();
    document.sentences.reserve(list.size());
    for (qsizetype i = 0; i < list.size(); ++i) {
        QString problem;
        std::optional<DocumentSentence> sentence = readSentenceObject(list.at(i), i + 1, &problem);
        if (!sentence)
            return refused(problem);
        document.sentences.append(std::move(*sentence));
    }

    const QJsonValue tasks = top.value(tasksKey);
    if (!tasks.isUndefined() && !tasks.isArray())
        return refused(QCoreApplication::translate("Document", "The file's “tasks” are not a list."));
    const QJsonArray taskList = tasks.toArray();
    for (qsizetype i = 0; i < taskList.size(); ++i) {
        if (!taskList.at(i).isObject())
            return refused(QCoreApplication::translate("Document", "task %1: it is not an object.").arg(i + 1));
    }
    // The tasks are checked as the sentences are: a worksheet with one it cannot set is refused.
    document.tasks.reserve(taskList.size());
    for (qsizetype i = 0; i < taskList.size(); ++i) {
        QString problem;
        std::optional<Task> task = readTask(taskList.at(i), int(i + 1), readSentence, &problem);
        if (!task)
            return refused(problem.endsWith(QLatin1Char('.')) ? problem : problem + QLatin1Char('.'));
        document.tasks.append(std::move(*task));
    }
    // A sentence may only record a task the worksheet has.
    if (QString problem = answersProblem(document); !problem.isEmpty())
        return refused(problem + QLatin1Char('.'));

    document.extra = without(top, {formatKey, versionKey, learnerKey, sentencesKey, tasksKey});
    return {std::move(document), QString()};
}

DocumentReading readDocumentFile(const QString &path)
{
    const QFileInfo info(path);
    if (info.isDir())
        return refused(QCoreApplication::translate("Document", "It is a folder, not a file."));
    // A pipe or a device would block the reading or never end: a worksheet is an ordinary file.
    if (info.exists() && !info.isFile())
        return refused(QCoreApplication::translate("Document", "It is not an ordinary file."));
    if (info.size() > maxDocumentBytes)
        return refused(tooLarge());
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return refused(file.errorString());
    return readDocument(file);
}

DocumentReading readDocument(QIODevice &device)
{
    // A file may grow after its size was asked, or be a device with no size at all: read no
    // more than one byte past the cap.
    const QByteArray bytes = device.read(maxDocumentBytes + 1);
    const auto *file = qobject_cast<const QFileDevice *>(&device);
    if (file ? file->error() != QFileDevice::NoError : bytes.isEmpty() && !device.atEnd())
        return refused(device.errorString());
    return readDocument(bytes);
}

QByteArray sentencesText(const QList<Sentence> &sentences)
{
    QString text;
    for (const Sentence &s : sentences)
        text += sentenceTypeName(s.type) + QLatin1Char('\t') + s.written() + QLatin1Char('\t') + s.brackets() + QLatin1Char('\n');
    return text.toUtf8();
}

QByteArray writeDocument(const Document &document)
{
    QJsonArray sentences;
    for (const DocumentSentence &entry : document.sentences) {
        QJsonObject object = entry.extra;
        object.insert(typeKey, sentenceTypeKey(entry.sentence.type));
        object.insert(bracketsKey, entry.sentence.brackets());
        object.insert(textKey, entry.sentence.written());
        sentences.append(object);
    }
    QJsonObject top = document.extra;
    top.insert(formatKey, formatName);
    top.insert(versionKey, documentVersion);
    top.insert(learnerKey, document.learner);
    top.insert(sentencesKey, sentences);
    QJsonArray tasks;
    for (const Task &task : document.tasks)
        tasks.append(writeTask(task));
    top.insert(tasksKey, tasks);
    return QJsonDocument(top).toJson(QJsonDocument::Indented);
}

} // namespace parsella::grammar
