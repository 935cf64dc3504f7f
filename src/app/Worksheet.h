#pragma once

#include "grammar/SentenceRecord.h"

#include <QMainWindow>
#include <QString>
#include <functional>
#include <optional>

class QAction;
class QIODevice;
class QLabel;
class QListWidget;
class QPagedPaintDevice;
class QPrinter;
class QScrollArea;

namespace parsella {

class TreeView;

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
};

// Watches the sentence being built and keeps every sentence finished in this run: it draws
// the tree live while the sentence windows and pickers write the record, lists the finished
// sentences, and copies, saves and prints them. It only reads the record, so it may stay open
// beside the modal windows; they block its input, not its repainting.
class Worksheet : public QMainWindow
{
    Q_OBJECT
public:
    explicit Worksheet(grammar::SentenceRecord &record, QWidget *parent = nullptr);

    void setDialogs(WorksheetDialogs &replacement) { dialogs = &replacement; }

    // Where it was last left, else against one side of the screen, leaving the rest to the
    // sentence windows and pickers where the screen has room; `opener` (the main window) then
    // moves out from under it. The place is remembered for the next run.
    void placeBeside(QWidget *opener);
    void rememberPlace() const;

    // The finished sentence the actions work on: the selected one, or else the newest.
    std::optional<grammar::Sentence> target() const;

    void copy();
    void copyBrackets();
    void savePicture();
    void saveWorksheet();
    void print();

    // Every finished sentence with its tree, laid out on the pages of a printer or a PDF.
    // False if it could not be used.
    bool printSheet(QPagedPaintDevice &printer) const;

protected:
    void hideEvent(QHideEvent *event) override;

private:
    void recordChanged();
    void showTree();
    std::optional<int> selectedRow() const;
    // Writes `path` whole or not at all; a failure is reported with the file's name and why.
    bool saveFile(const QString &title, const QString &path, const std::function<bool(QIODevice &)> &write);

    grammar::SentenceRecord &rec;
    WorksheetDialogs ownDialogs;
    WorksheetDialogs *dialogs = &ownDialogs;

    QLabel *treeCaption;
    QScrollArea *scroll;
    TreeView *tree;
    QListWidget *list;
    QAction *copyAction;
    QAction *copyBracketsAction;
    QAction *savePictureAction;
    QAction *saveWorksheetAction;
    QAction *printAction;
};

} // namespace parsella
