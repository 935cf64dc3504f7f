#include "app/WorksheetDocument.h"

#include "grammar/Results.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUndoCommand>
#include <cstdio>

namespace parsella {

using grammar::Document;
using grammar::DocumentSentence;

namespace {

// A command named in the catalogue's words, so that its name in the Edit menu can be given
// again in another language.
class NamedCommand : public QUndoCommand
{
public:
    explicit NamedCommand(const char *name) : name(name) { retranslate(); }
    void retranslate() { setText(WorksheetDocument::tr(name)); }

private:
    const char *name;
};

// One change to the document, by two functions that do and undo it. Each gives the row a
// list should select afterwards.
class DocumentCommand : public NamedCommand
{
public:
    using Step = std::function<int(Document &)>;
    DocumentCommand(const char *name, Step apply, Step revert, std::function<void(Step &)> run)
        : NamedCommand(name), apply(std::move(apply)), revert(std::move(revert)), run(std::move(run))
    {
    }
    void redo() override { run(apply); }
    void undo() override { run(revert); }

private:
    Step apply;
    Step revert;
    std::function<void(Step &)> run;
};

// The learner's name: typing merges into one command until something else is done.
class LearnerCommand : public NamedCommand
{
public:
    LearnerCommand(QString before, QString after, std::function<void(const QString &)> set)
        : NamedCommand(QT_TRANSLATE_NOOP("parsella::WorksheetDocument", "Learner's Name")), before(std::move(before)), after(std::move(after)), set(std::move(set))
    {
    }
    int id() const override { return 1; }
    bool mergeWith(const QUndoCommand *other) override
    {
        after = static_cast<const LearnerCommand *>(other)->after;
        setObsolete(before == after);
        return true;
    }
    void redo() override { set(after); }
    void undo() override { set(before); }

private:
    QString before;
    QString after;
    std::function<void(const QString &)> set;
};

} // namespace

WorksheetDocument::WorksheetDocument(grammar::SentenceRecord &record, QObject *parent)
    : QObject(parent), rec(record)
{
    // Long enough that a burst of edits is written once, short enough that a crash loses
    // at most the last second.
    recoveryTimer.setSingleShot(true);
    recoveryTimer.setInterval(1000);
    connect(&recoveryTimer, &QTimer::timeout, this, &WorksheetDocument::writeRecovery);
    connect(&stack, &QUndoStack::indexChanged, this, &WorksheetDocument::afterChange);
    connect(&stack, &QUndoStack::cleanChanged, this, &WorksheetDocument::fileChanged);
    connect(&rec, &grammar::SentenceRecord::changed, this, &WorksheetDocument::takeFinished);
    takeFinished();
}

// The history goes with the document, and its going is no change: the recovery file stays
// for the next start unless the exit was clean.
WorksheetDocument::~WorksheetDocument()
{
    disconnect(&stack, nullptr, this, nullptr);
}

QList<grammar::Sentence> WorksheetDocument::sentences() const
{
    QList<grammar::Sentence> all;
    all.reserve(doc.sentences.size());
    for (const DocumentSentence &s : doc.sentences)
        all.append(s.sentence);
    return all;
}

QString WorksheetDocument::displayName() const
{
    if (!path.isEmpty())
        return QFileInfo(path).fileName();
    return sheet.isEmpty() ? tr("Untitled") : tr("Untitled (from %1)").arg(QFileInfo(sheet).fileName());
}

QString WorksheetDocument::suggestedPath() const
{
    if (!path.isEmpty())
        return path;
    if (sheet.isEmpty())
        return {};
    const QFileInfo from(sheet);
    return from.dir().filePath(grammar::answersFileName(from.completeBaseName(), doc.learner));
}

QString WorksheetDocument::title() const
{
    const QString named = path.isEmpty() ? sheet : path;
    return named.isEmpty() ? QString() : QFileInfo(named).completeBaseName();
}

void WorksheetDocument::push(const char *name, std::function<int(Document &)> apply, std::function<int(Document &)> revert)
{
    stack.push(new DocumentCommand(name, std::move(apply), std::move(revert), [this](DocumentCommand::Step &step) {
        const int select = step(doc);
        if (current >= doc.tasks.size())
            setCurrentTask(-1); // its task was undone or replaced
        Q_EMIT changed(select);
    }));
}

// Every sentence whose window closed complete joins the document at its end.
void WorksheetDocument::takeFinished()
{
    const QList<grammar::Sentence> &done = rec.finished();
    for (; taken < done.size(); ++taken) {
        if (current >= 0 && current < doc.tasks.size()) {
            answer(done.at(taken));
            continue;
        }
        const DocumentSentence added{done.at(taken), {}};
        push(QT_TR_NOOP("Finished Sentence"),
             [added](Document &d) {
                 d.sentences.append(added);
                 return -1; // the newest is shown without a selection, as it is finished
             },
             [](Document &d) {
                 d.sentences.removeLast();
                 return -1;
             });
    }
}

// A sentence finished while a task is current is checked, and the task counts the try. Undo
// takes both back.
void WorksheetDocument::answer(const grammar::Sentence &sentence)
{
    const int task = current;
    const QList<grammar::Task> tasksBefore = doc.tasks;
    const QStringList feedback = grammar::feedbackOn(sentence, doc.tasks.at(task).ask);
    const bool met = feedback.isEmpty();
    // Whether the task was done is read from the sentences, not from what the file claims.
    const bool doneBefore = grammar::resultsOf(doc).at(task).done;
    push(QT_TR_NOOP("Answer Task"),
         [task, sentence, met](Document &d) {
             grammar::recordAnswer(d, task, sentence, met);
             return -1;
         },
         [tasksBefore](Document &d) {
             d.sentences.removeLast();
             d.tasks = tasksBefore;
             return -1;
         });
    Q_EMIT answered(task, feedback, doneBefore);
}

void WorksheetDocument::setCurrentTask(int index)
{
    if (index < -1 || index >= doc.tasks.size())
        index = -1;
    if (index == current)
        return;
    current = index;
    Q_EMIT currentTaskChanged(current);
}

void WorksheetDocument::addTask(const grammar::Task &task)
{
    const Document before = doc;
    push(QT_TR_NOOP("New Task"),
         [task](Document &d) {
             grammar::addTask(d, task);
             return -1;
         },
         [before](Document &d) {
             d = before;
             return -1;
         });
}

void WorksheetDocument::removeTask(int index)
{
    if (index < 0 || index >= doc.tasks.size())
        return;
    const Document before = doc;
    const int wasCurrent = current;
    push(QT_TR_NOOP("Remove Task"),
         [this, index](Document &d) {
             grammar::removeTask(d, index);
             setCurrentTask(grammar::indexAfterRemoval(current, index));
             return -1;
         },
         [this, before, wasCurrent](Document &d) {
             d = before;
             setCurrentTask(wasCurrent);
             return -1;
         });
}

void WorksheetDocument::moveTask(int index, int to)
{
    if (index < 0 || index >= doc.tasks.size() || to < 0 || to >= doc.tasks.size() || index == to)
        return;
    // The current task moves with its place in the list, as the sentences' records do.
    push(to < index ? QT_TR_NOOP("Move Task Up") : QT_TR_NOOP("Move Task Down"),
         [this, index, to](Document &d) {
             grammar::moveTask(d, index, to);
             setCurrentTask(grammar::indexAfterMove(current, index, to));
             return -1;
         },
         [this, index, to](Document &d) {
             grammar::moveTask(d, to, index);
             setCurrentTask(grammar::indexAfterMove(current, to, index));
             return -1;
         });
}

void WorksheetDocument::removeSentence(int row)
{
    if (row < 0 || row >= count())
        return;
    const DocumentSentence removed = doc.sentences.at(row);
    push(QT_TR_NOOP("Remove Sentence"),
         [row](Document &d) {
             d.sentences.removeAt(row);
             return d.sentences.isEmpty() ? -1 : int(std::min<qsizetype>(row, d.sentences.size() - 1));
         },
         [row, removed](Document &d) {
             d.sentences.insert(row, removed);
             return row;
         });
}

void WorksheetDocument::moveSentence(int row, int to)
{
    if (row < 0 || row >= count() || to < 0 || to >= count() || row == to)
        return;
    push(to < row ? QT_TR_NOOP("Move Sentence Up") : QT_TR_NOOP("Move Sentence Down"),
         [row, to](Document &d) {
             d.sentences.move(row, to);
             return to;
         },
         [row, to](Document &d) {
             d.sentences.move(to, row);
             return row;
         });
}

void WorksheetDocument::retranslate()
{
    // The stack hands out its commands read-only; they are the document's own.
    for (int i = 0; i < stack.count(); ++i) {
        if (auto *named = dynamic_cast<NamedCommand *>(const_cast<QUndoCommand *>(stack.command(i))))
            named->retranslate();
    }
}

void WorksheetDocument::setLearner(const QString &name)
{
    if (name == doc.learner)
        return;
    stack.push(new LearnerCommand(doc.learner, name, [this](const QString &value) {
        doc.learner = value;
        Q_EMIT learnerChanged(value);
    }));
}

void WorksheetDocument::replace(const Document &replacement, const char *name)
{
    const Document before = doc;
    push(name,
         [replacement, this](Document &d) {
             d = replacement;
             Q_EMIT learnerChanged(d.learner);
             return -1;
         },
         [before, this](Document &d) {
             d = before;
             Q_EMIT learnerChanged(d.learner);
             return -1;
         });
}

void WorksheetDocument::reset(const Document &opened, const QString &file, const QString &fromSheet)
{
    stack.clear();
    doc = opened;
    setCurrentTask(-1);
    path = file;
    sheet = fromSheet;
    Q_EMIT learnerChanged(doc.learner);
    Q_EMIT changed(-1);
    Q_EMIT fileChanged();
    afterChange();
}

QString WorksheetDocument::open(const QString &file)
{
    const grammar::DocumentReading reading = grammar::readDocumentFile(file);
    if (!reading.document)
        return tr("The file \"%1\" was not opened: %2").arg(QDir::toNativeSeparators(file), reading.problem);
    const QString absolute = QFileInfo(file).absoluteFilePath();
    if (grammar::isSheet(*reading.document))
        reset(*reading.document, QString(), absolute);
    else
        reset(*reading.document, absolute);
    return {};
}

QString WorksheetDocument::save(const QString &file)
{
    const QByteArray data = grammar::writeDocument(doc);
    const QString failed = writeFile(file, [&data](QIODevice &device) { return device.write(data) == data.size(); });
    if (failed.isEmpty())
        markSaved(QFileInfo(file).absoluteFilePath());
    return failed;
}

QString WorksheetDocument::writeFile(const QString &file, const std::function<bool(QIODevice &)> &write) const
{
    const QString why = grammar::writeWhole(file, write, fileOpener);
    return why.isEmpty() ? QString() : tr("The file \"%1\" was not saved: %2.").arg(QDir::toNativeSeparators(file), why);
}

void WorksheetDocument::markSaved(const QString &file)
{
    path = file;
    sheet.clear(); // a file of its own now, even if that is the sheet saved over by name
    stack.setClean();
    Q_EMIT fileChanged();
    afterChange();
}

QString WorksheetDocument::recoveryFolder()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).filePath(QStringLiteral("recovery"));
}

namespace {

QString lockOf(const QString &recoveryFile)
{
    return recoveryFile.chopped(int(qstrlen(".parsella"))) + QStringLiteral(".lock");
}

// A lock held for as long as a run lasts: stale only once its process is gone.
std::unique_ptr<QLockFile> takeLock(const QString &path)
{
    auto lock = std::make_unique<QLockFile>(path);
    lock->setStaleLockTime(0);
    return lock->tryLock(0) ? std::move(lock) : nullptr;
}

} // namespace

// The first free place in the folder: not locked by a running program, and not holding
// work a run left behind, which waits to be offered.
bool WorksheetDocument::claimRecoveryFile()
{
    if (recoveryLock)
        return true;
    const QDir folder(recoveryFolder());
    if (!folder.mkpath(QStringLiteral(".")))
        return false;
    for (int i = 1; i <= 100; ++i) {
        const QString file = folder.filePath(QStringLiteral("worksheet-%1.parsella").arg(i));
        std::unique_ptr<QLockFile> lock = takeLock(lockOf(file));
        if (lock && !QFile::exists(file)) {
            recoveryLock = std::move(lock);
            recoveryFile = file;
            return true;
        }
    }
    return false;
}

std::unique_ptr<LeftRecovery> LeftRecovery::newest()
{
    const QDir folder(WorksheetDocument::recoveryFolder());
    const QFileInfoList files = folder.entryInfoList({QStringLiteral("worksheet-*.parsella")}, QDir::Files, QDir::Time);
    for (const QFileInfo &file : files) {
        if (std::unique_ptr<QLockFile> lock = takeLock(lockOf(file.filePath())))
            return std::unique_ptr<LeftRecovery>(new LeftRecovery(std::move(lock), file.filePath()));
    }
    return nullptr;
}

QString LeftRecovery::description() const
{
    const int count = int(work.sentences.size());
    QString what = count == 1 ? WorksheetDocument::tr("1 sentence") : WorksheetDocument::tr("%1 sentences").arg(count);
    if (!work.learner.isEmpty())
        what = WorksheetDocument::tr("%1 by %2").arg(what, work.learner);
    return what;
}

std::unique_ptr<LeftRecovery> WorksheetDocument::leftRecovery() const
{
    std::unique_ptr<LeftRecovery> left = LeftRecovery::newest();
    if (!left)
        return nullptr;
    grammar::DocumentReading reading = grammar::readDocumentFile(left->path());
    if (!reading.document) {
        std::fprintf(stderr, "parsella: the recovered worksheet %s was not restored (%s); it is kept beside as .unreadable\n",
                     qPrintable(QDir::toNativeSeparators(left->path())), qPrintable(reading.problem));
        left->setAside();
        return nullptr;
    }
    left->work = std::move(*reading.document);
    return left;
}

void WorksheetDocument::restore(LeftRecovery &left)
{
    replace(left.document(), QT_TR_NOOP("Restore Worksheet"));
    writeRecovery();
    left.remove();
}

void LeftRecovery::remove()
{
    QFile::remove(file);
    lock->unlock();
}

void LeftRecovery::setAside()
{
    const QString aside = file + QStringLiteral(".unreadable");
    QFile::remove(aside);
    QFile::rename(file, aside);
    lock->unlock();
}

// Unsaved work is written down at once, so that a sentence finished just before a crash is
// kept; only the learner's name, typed a key at a time, is written a moment later. Saved
// work needs no recovery file.
void WorksheetDocument::afterChange()
{
    const int index = stack.index();
    // The step just taken: undone, it is the one at the new index; done or redone, the one before.
    const QUndoCommand *step = stack.command(index < stepIndex ? index : index - 1);
    stepIndex = index;
    if (!isModified())
        dropRecovery();
    else if (dynamic_cast<const LearnerCommand *>(step))
        recoveryTimer.start();
    else
        writeRecovery();
}

void WorksheetDocument::writeRecovery()
{
    recoveryTimer.stop();
    if (!claimRecoveryFile()) {
        std::fprintf(stderr, "parsella: no recovery file could be made in %s\n",
                     qPrintable(QDir::toNativeSeparators(recoveryFolder())));
        return;
    }
    const QByteArray data = grammar::writeDocument(doc);
    const QString why = grammar::writeWhole(recoveryFile, [&data](QIODevice &device) { return device.write(data) == data.size(); },
                                            fileOpener);
    if (!why.isEmpty()) {
        // Nothing the learner can do about it now; the next change tries again.
        std::fprintf(stderr, "parsella: the recovery file %s was not written: %s\n",
                     qPrintable(QDir::toNativeSeparators(recoveryFile)), qPrintable(why));
    }
}

void WorksheetDocument::dropRecovery()
{
    recoveryTimer.stop();
    if (!recoveryFile.isEmpty())
        QFile::remove(recoveryFile);
}

} // namespace parsella
