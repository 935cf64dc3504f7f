#pragma once

#include "grammar/Results.h"
#include "grammar/SentenceRecord.h"

#include <QMainWindow>
#include <QMessageBox>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

class QAction;
class QIODevice;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPagedPaintDevice;
class QPrinter;
class QScrollArea;
class QSplitter;

namespace parsella {

class TaskPanel;
class TreeView;
class WorksheetDocument;

// The questions the worksheet asks the learner and the failures it reports. The real
// dialogs by default; a test puts its own answers in their place.
class WorksheetDialogs
{
public:
    virtual ~WorksheetDialogs() = default;
    // The file to save to; empty if the learner cancelled. `selectedFilter` is set to the
    // filter the learner chose.
    virtual QString saveFileName(QWidget *parent, const QString &title, const QString &suggested, const QString &filters,
                                 QString *selectedFilter);
    // Whether the learner chose a printer (or a PDF file) and asked to print.
    virtual bool choosePrinter(QWidget *parent, QPrinter &printer);
    virtual void tellFailure(QWidget *parent, const QString &title, const QString &message);
    // The file to open; empty if the learner cancelled.
    virtual QString openFileName(QWidget *parent, const QString &title, const QString &folder, const QString &filters);
    // Before unsaved changes would be dropped: QMessageBox::Save, Discard or Cancel. No name:
    // the Worksheet was never opened, and the question is about the finished sentences.
    virtual QMessageBox::StandardButton askSave(QWidget *parent, const QString &documentName);
    // At start-up, when the last run left unsaved work behind: whether to restore it.
    virtual bool askRestore(QWidget *parent, const QString &what);
};

// Watches the sentence being built and keeps every sentence finished in this run: it draws
// the tree live while the sentence windows and pickers write the record, lists the finished
// sentences, and copies, saves and prints them. It only reads the record, so it may stay open
// beside the modal windows; they block its input, not its repainting.
class Worksheet : public QMainWindow
{
    Q_OBJECT
public:
    // Shows `document`, which outlives the window.
    explicit Worksheet(WorksheetDocument &document, grammar::SentenceRecord &record, QWidget *parent = nullptr);
    // A window with a document of its own over `record`.
    explicit Worksheet(grammar::SentenceRecord &record, QWidget *parent = nullptr);
    ~Worksheet() override;

    void setDialogs(WorksheetDialogs &replacement) { dialogs = &replacement; }
    WorksheetDocument &document() { return doc; }

    // Where it was last left, else against one side of the screen, leaving the rest to the
    // sentence windows and pickers where the screen has room; `opener` (the main window) then
    // moves out from under it. The place is remembered for the next run.
    void placeBeside(QWidget *opener);
    void rememberPlace() const;

    // The finished sentence the actions work on: the selected one, or else the newest.
    std::optional<grammar::Sentence> target() const;

    // The document's file. Each gives whether the document is now saved, or opened; a
    // refusal or a failure has been reported by then, and a refused file changed nothing.
    void newDocument();
    bool open();
    bool openFile(const QString &path);
    bool save();
    bool saveAs();
    // Asks `asker`'s question before unsaved changes would be dropped: false if the learner
    // cancelled, or the save they asked for failed.
    bool settleUnsaved(QWidget *asker);

    void removeSelected();
    void moveSelected(int by);

    void copy();
    void copyBrackets();
    void savePicture();
    // File › Export › Text….
    void exportText();
    void print();

    // Every finished sentence with its tree, or with tasks the task sheet, laid out on the
    // pages of a printer or a PDF. False if it could not be used.
    bool printSheet(QPagedPaintDevice &printer) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void build();
    void documentChanged(int selectRow);
    void fileChanged();
    // The Edit menu's Undo and Redo, each naming the command it would take back or do again.
    void nameUndoRedo();
    void fillRecent();
    void remember(const QString &path);
    QList<grammar::Sentence> sheetSentences() const;
    grammar::TaskSheet taskSheet() const;
    void recordChanged();
    void markAnswers();
    void balancePanes();
    void keepOnScreen();
    void showTree();
    std::optional<int> selectedRow() const;
    // Writes `path` whole or not at all; a failure is reported with the file's name and why.
    bool saveFile(const QString &title, const QString &path, const std::function<bool(QIODevice &)> &write);
    bool saveDocument(const QString &title, const QString &path);

    grammar::SentenceRecord &rec;
    std::unique_ptr<WorksheetDocument> ownDocument;
    WorksheetDocument &doc;
    WorksheetDialogs ownDialogs;
    WorksheetDialogs *dialogs = &ownDialogs;
    bool everShown = false; // whether the learner has seen this worksheet, and so its name

    QLabel *treeCaption;
    QScrollArea *scroll;
    TreeView *tree;
    QSplitter *panes;
    QWidget *bottomPane;
    bool tasksShown = false; // whether the panes were last balanced with the tasks in view
    QListWidget *list;
    QLabel *listCaption;
    // What each listed sentence answered, worked out anew whenever the document changes.
    QList<std::optional<grammar::AnswerResult>> answers;
    TaskPanel *taskPanel;
    QLineEdit *learner;
    QMenu *recentMenu;
    QAction *removeAction;
    QAction *moveUpAction;
    QAction *moveDownAction;
    QAction *copyAction;
    QAction *undoAction;
    QAction *redoAction;
    QAction *copyBracketsAction;
    QAction *savePictureAction;
    QAction *exportTextAction;
    QAction *printAction;
};

} // namespace parsella
