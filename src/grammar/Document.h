#pragma once

#include "grammar/Sentence.h"
#include "grammar/Task.h"

#include <QByteArray>
#include <QIODevice>
#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <optional>

namespace parsella::grammar {

// A worksheet as a document, and its file: UTF-8 JSON (docs/file-format.md).
//
//   { "format": "parsella-worksheet", "version": 1, "learner": "",
//     "sentences": [ { "type": "statement", "brackets": "[S ...]", "text": "She walks here." } ],
//     "tasks": [] }
//
// A file is a contract with teachers and their scripts: keys this program does not know are
// kept, at the top level, in each sentence and in every task, and written back as they came.
// Reading is checking: every sentence is rebuilt from its brackets and must be one the windows
// could have built; `text` is only for people and is written from the rebuilt sentence.

inline constexpr int documentVersion = 1;
inline constexpr qint64 maxDocumentBytes = 16 * 1024 * 1024;
// A learner's name is a line of a line edit, not a page.
inline constexpr int maxLearnerLength = 200;

// A finished sentence of the document, with the keys of its object not known here.
struct DocumentSentence {
    Sentence sentence;
    QJsonObject extra;

    bool operator==(const DocumentSentence &) const = default;
};

struct Document {
    QString learner;
    QList<DocumentSentence> sentences;
    QList<Task> tasks; // read and checked once, with the keys of each not known here
    QJsonObject extra; // top-level keys not known here, written back as they came

    bool operator==(const Document &) const = default;
};

// A document read whole, or none with the first problem in words ("sentence 3: “a” is for one
// thing, not “dogs”."). Nothing is half-read: a problem anywhere gives no document. The problem
// never carries a control character from the file.
struct DocumentReading {
    std::optional<Document> document;
    QString problem;
};

DocumentReading readDocument(const QByteArray &json);
// From a device open for reading, no more than one byte past maxDocumentBytes; a device that
// fails gives its reason.
DocumentReading readDocument(QIODevice &device);
// Refuses a folder, a pipe or a file over maxDocumentBytes before reading it; a file that
// cannot be opened gives the system's reason.
DocumentReading readDocumentFile(const QString &path);

// The document as its file holds it. Writing what was read gives the same bytes again.
QByteArray writeDocument(const Document &document);

// The sentences as plain UTF-8 text: one a line, its type, a tab, the sentence as a teacher
// writes it, a tab and its bracket notation, so that a spreadsheet can take any column and a
// tree drawer the last.
QByteArray sentencesText(const QList<Sentence> &sentences);

} // namespace parsella::grammar
