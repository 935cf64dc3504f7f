#pragma once

#include "grammar/Document.h"
#include "grammar/SentenceRecord.h"
#include "grammar/TaskList.h"
#include "grammar/WholeFile.h"

#include <QLockFile>
#include <QObject>
#include <QTimer>
#include <QUndoStack>
#include <functional>
#include <memory>

namespace parsella {

class LeftRecovery;

// The worksheet as a document: the finished sentences, the learner's name and the tasks, the
// file it came from, and one undo history. It lives from start-up, owned by the main window,
// whether or not the Worksheet window was ever made. Every change is a command on the undo
// stack, so the stack's clean state is the document's saved state; a sentence finished in
// the run's record is taken in as such a command. The steps inside a sentence window are not
// changes to the document.
//
// After every change the document is also written, a second later, to a recovery file; the
// program offers it back at the next start if it was not closed cleanly.
class WorksheetDocument : public QObject
{
    Q_OBJECT
public:
    explicit WorksheetDocument(grammar::SentenceRecord &record, QObject *parent = nullptr);
    ~WorksheetDocument() override;

    const grammar::Document &content() const { return doc; }
    int count() const { return int(doc.sentences.size()); }
    const grammar::Sentence &sentence(int row) const { return doc.sentences.at(row).sentence; }
    QList<grammar::Sentence> sentences() const;
    QString learner() const { return doc.learner; }

    // Empty while the document was never saved or opened, and when it was started from a sheet.
    QString filePath() const { return path; }
    // The sheet an untitled document was started from; empty if none. The sheet's file is
    // never written on its account: its first save asks for a name of its own.
    QString sheetPath() const { return sheet; }
    // The file's name, "Untitled (from sheet.parsella)", or "Untitled".
    QString displayName() const;
    // The name a first save offers: beside the sheet, with the learner's name in it; empty
    // when the document was not started from a sheet and has no file of its own.
    QString suggestedPath() const;
    // What heads the document on paper: the sheet's name or the file's, without its ending;
    // empty for an untitled document.
    QString title() const;
    bool isModified() const { return !stack.isClean(); }
    QUndoStack &undoStack() { return stack; }
    // Names the commands again in the language now loaded.
    void retranslate();

    // The edits, each one command. Rows out of range are ignored.
    void removeSentence(int row);
    void moveSentence(int row, int to);
    // Keystrokes in a row become one command.
    void setLearner(const QString &name);
    // Puts `replacement` in place as one command, as restoring a recovered worksheet does.
    void replace(const grammar::Document &replacement, const char *name);
    // A command of the caller's own over the document: `apply` is run on redo, `revert` on
    // undo, each followed by changed(`selectRow` of that direction, -1 for none). `name` is
    // the command's untranslated name (QT_TR_NOOP), shown in the document's language.
    void push(const char *name, std::function<int(grammar::Document &)> apply,
              std::function<int(grammar::Document &)> revert);

    // The tasks set by a teacher. The current task is the one the learner chose to work on:
    // a sentence finished while it is current is checked against it. -1 for none; it is
    // not part of the document and does not survive New or Open.
    const QList<grammar::Task> &tasks() const { return doc.tasks; }
    int currentTask() const { return current; }
    void setCurrentTask(int index);
    // The edits of the task list, each one command; indexes out of range are ignored.
    void addTask(const grammar::Task &task);
    void removeTask(int index);
    void moveTask(int index, int to);

    // After New: the document is `opened`, saved as it is, with no history; `fromSheet` is
    // the sheet it starts from, if any.
    void reset(const grammar::Document &opened, const QString &file, const QString &fromSheet = {});

    // The document's file. Each gives the message to show when it failed, naming the file and
    // why, and empty when it worked. A file is read and checked whole before anything is
    // replaced, so a refused one changes nothing; a failed save leaves the document unsaved
    // and any older file as it was. A sheet (grammar::isSheet) is a template: opening one
    // starts an untitled document from it, so that no learner's save overwrites it.
    QString open(const QString &file);
    QString save(const QString &file);
    // Any other file the worksheet writes (an export, a printout), whole or not at all.
    QString writeFile(const QString &file, const std::function<bool(QIODevice &)> &write) const;
    // Where every file is written through; QSaveFile's unless a test hands in its own.
    void setFileOpener(grammar::WholeFileOpener opener) { fileOpener = std::move(opener); }

    // Where every run keeps its recovery file, under the application's data folder. Each
    // run has a file of its own, locked while it runs, so that two programs open at once
    // neither overwrite nor offer each other's work.
    static QString recoveryFolder();
    // This run's recovery file; empty until it is first written.
    QString recoveryPath() const { return recoveryFile; }
    // Writes the recovery file at once instead of after the pause.
    void writeRecovery();
    // A clean exit, or a recovery declined: no recovery file is left behind.
    void dropRecovery();

    // The newest work a run that did not end cleanly left behind, read as any worksheet is
    // opened; null if there is none. One that cannot be read would be offered at every start:
    // it is set aside, not thrown away, and named on standard error.
    std::unique_ptr<LeftRecovery> leftRecovery() const;
    // Puts the left work in place as a change, unsaved until the learner saves it; this run's
    // own recovery file holds it before the old one goes.
    void restore(LeftRecovery &left);

Q_SIGNALS:
    // The sentences or the tasks changed; `selectRow` is the row a list should select after
    // the change, -1 for none.
    void changed(int selectRow);
    void learnerChanged(const QString &name);
    // A sentence was finished while task `index` was current: `feedback` is empty if it met
    // the task, and otherwise names what it lacks; `doneBefore` if an earlier sentence met it.
    void answered(int index, const QStringList &feedback, bool doneBefore);
    void currentTaskChanged(int index);
    // The file's path, or whether it is saved.
    void fileChanged();

private:
    void takeFinished();
    void answer(const grammar::Sentence &sentence);
    void afterChange();
    bool claimRecoveryFile();
    void markSaved(const QString &file);

    grammar::SentenceRecord &rec;
    grammar::Document doc;
    QString path;
    QString sheet;
    QUndoStack stack;
    QTimer recoveryTimer;
    int stepIndex = 0; // the undo stack's index at the last change

    std::unique_ptr<QLockFile> recoveryLock;
    QString recoveryFile;
    // How many of the record's finished sentences have been taken in.
    qsizetype taken = 0;
    int current = -1;
    grammar::WholeFileOpener fileOpener = grammar::openSaveFile;
};

// The recovery file of a run that did not end cleanly, held while it is offered so that no
// other program starting at the same time offers it too.
class LeftRecovery
{
public:
    // The newest one left, if any.
    static std::unique_ptr<LeftRecovery> newest();

    QString path() const { return file; }
    const grammar::Document &document() const { return work; }
    // What it holds, as the learner is asked about it: "3 sentences by Ann".
    QString description() const;
    // Done with: restored or declined.
    void remove();
    // Unreadable: kept beside, as "….unreadable", but not offered again.
    void setAside();

private:
    friend class WorksheetDocument;
    LeftRecovery(std::unique_ptr<QLockFile> lock, QString file) : lock(std::move(lock)), file(std::move(file)) {}

    std::unique_ptr<QLockFile> lock;
    QString file;
    grammar::Document work;
};

} // namespace parsella
