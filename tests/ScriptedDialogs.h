#pragma once

#include "app/Worksheet.h"

#include <QFileInfo>
#include <QList>
#include <QMarginsF>
#include <QPageLayout>
#include <QPrinter>
#include <QString>
#include <QStringList>

namespace parsella {

// Stands in for the worksheet's file dialogs, print dialog and questions in tests: answers
// them from a script, as a learner would, and writes down what was asked and reported.
class ScriptedDialogs : public WorksheetDialogs
{
public:
    QString fileName;         // for both file dialogs; empty: the learner cancels
    QString filter;           // the filter the learner chose in the save dialog, if any
    QString pdf;              // where to print to; empty: the learner cancels the print dialog
    QList<QMessageBox::StandardButton> saveAnswers; // one per question; none left: Cancel
    bool restore = true;      // the answer to the offer of unsaved work from the last run

    QStringList asked;        // "save <name>", "restore <what>", in turn
    QStringList failures;     // the messages of the failures reported
    QString folderOffered;    // where the save dialog opened
    QString nameOffered;      // the file name it suggested
    QMarginsF marginsOffered; // in millimetres, as the print dialog showed them

    QString saveFileName(QWidget *, const QString &, const QString &suggested, const QString &, QString *selected) override
    {
        folderOffered = QFileInfo(suggested).absolutePath();
        nameOffered = QFileInfo(suggested).fileName();
        *selected = filter;
        return fileName;
    }
    QString openFileName(QWidget *, const QString &, const QString &, const QString &) override { return fileName; }
    bool choosePrinter(QWidget *, QPrinter &printer) override
    {
        marginsOffered = printer.pageLayout().margins(QPageLayout::Millimeter);
        if (pdf.isEmpty())
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    }
    void tellFailure(QWidget *, const QString &, const QString &message) override { failures << message; }
    QMessageBox::StandardButton askSave(QWidget *, const QString &name) override
    {
        asked << "save " + name;
        return saveAnswers.isEmpty() ? QMessageBox::Cancel : saveAnswers.takeFirst();
    }
    bool askRestore(QWidget *, const QString &what) override
    {
        asked << "restore " + what;
        return restore;
    }
};

} // namespace parsella
