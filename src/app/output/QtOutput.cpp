#include "app/output/QtOutput.h"

#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QRectF>
#include <QSvgGenerator>

namespace parsella {
namespace {

class QtPrintJob final : public PrintJob
{
public:
    QtPrintJob(const QString &documentName, qreal margins, const QString &suggestedPdf)
        : paper(QPrinter::HighResolution)
    {
        paper.setDocName(documentName);
        paper.setPageMargins(QMarginsF(margins, margins, margins, margins), QPageLayout::Millimeter);
        if (paper.outputFormat() == QPrinter::PdfFormat)
            paper.setOutputFileName(suggestedPdf);
    }
    QPrinter &printer() override { return paper; }
    QPagedPaintDevice &pages() override { return paper; }
    QString pdfFile() const override
    {
        return paper.outputFormat() == QPrinter::PdfFormat ? paper.outputFileName() : QString();
    }
    QString printerName() const override { return paper.printerName(); }

private:
    QPrinter paper;
};

} // namespace

std::unique_ptr<PrintJob> QtOutput::newPrintJob(const QString &documentName, qreal margins, const QString &suggestedPdf)
{
    return std::make_unique<QtPrintJob>(documentName, margins, suggestedPdf);
}

bool QtOutput::choosePrinter(QWidget *parent, QPrinter &printer)
{
    QPrintDialog dialog(&printer, parent);
    // Every sentence is printed; a range of pages would be offered and then not kept.
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    return dialog.exec() == QDialog::Accepted;
}

std::unique_ptr<QPaintDevice> QtOutput::newSvgPicture(QIODevice &out, QSizeF size, const QString &title, const QString &description)
{
    auto svg = std::make_unique<QSvgGenerator>();
    svg->setOutputDevice(&out);
    svg->setSize(size.toSize());
    svg->setViewBox(QRectF(QPointF(), size));
    svg->setResolution(96);
    svg->setTitle(title);
    svg->setDescription(description);
    return svg;
}

} // namespace parsella
