#pragma once

#include <QSizeF>
#include <QString>
#include <QStringList>
#include <QtPlugin>
#include <memory>

class QIODevice;
class QPagedPaintDevice;
class QPaintDevice;
class QPrinter;
class QWidget;

namespace parsella {

// One printing of the worksheet: a printer at high resolution, set up for the print dialog.
class PrintJob
{
public:
    virtual ~PrintJob() = default;
    // For the print dialog.
    virtual QPrinter &printer() = 0;
    // The same printer, to paint the pages on.
    virtual QPagedPaintDevice &pages() = 0;
    // The PDF file chosen in the dialog; empty where the pages go to paper.
    virtual QString pdfFile() const = 0;
    virtual QString printerName() const = 0;
};

// Printing and SVG pictures are all of the program that needs Qt PrintSupport and Qt Svg. They
// live in a module of their own, loaded the first time a learner prints or saves an SVG
// picture, so that start-up neither loads nor binds two libraries the first frame never uses.
class OutputModule
{
public:
    virtual ~OutputModule() = default;
    // A printer named `documentName`, with `margins` in millimetres on every side; where the
    // system prints to a file, the file offered is `suggestedPdf`.
    virtual std::unique_ptr<PrintJob> newPrintJob(const QString &documentName, qreal margins, const QString &suggestedPdf) = 0;
    // The system's print dialog for `printer`; whether the learner asked to print.
    virtual bool choosePrinter(QWidget *parent, QPrinter &printer) = 0;
    // An SVG picture of `size` pixels at 96 to the inch, written to `out` when its painter ends.
    virtual std::unique_ptr<QPaintDevice> newSvgPicture(QIODevice &out, QSizeF size, const QString &title,
                                                        const QString &description) = 0;
};

// The module's file name, without a folder.
QString outputModuleFileName();
// Where a program in `programFolder` looks for its module, in turn: beside itself, then where
// an installed program keeps it.
QStringList outputModuleFolders(const QString &programFolder);
// Loads the module from the first of `folders` that holds it and keeps it loaded. Null if
// none does or it cannot be loaded; `problem` then says which file and why, for a learner.
OutputModule *loadOutputModule(const QStringList &folders, QString *problem);
// The module, loaded on first use from this program's folders, then Qt's library paths.
OutputModule *outputModule(QString *problem);

} // namespace parsella

#define ParsellaOutputModule_iid "org.parsella.OutputModule/1"
Q_DECLARE_INTERFACE(parsella::OutputModule, ParsellaOutputModule_iid)
