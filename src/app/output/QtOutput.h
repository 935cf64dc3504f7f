#pragma once

// The module for printing and SVG pictures: Qt PrintSupport and Qt Svg behind OutputModule,
// loaded only when a learner first prints or saves an SVG picture.
#include "app/OutputModule.h"

#include <QObject>

namespace parsella {

class QtOutput final : public QObject, public OutputModule
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID ParsellaOutputModule_iid)
    Q_INTERFACES(parsella::OutputModule)
public:
    std::unique_ptr<PrintJob> newPrintJob(const QString &documentName, qreal margins, const QString &suggestedPdf) override;
    bool choosePrinter(QWidget *parent, QPrinter &printer) override;
    std::unique_ptr<QPaintDevice> newSvgPicture(QIODevice &out, QSizeF size, const QString &title,
                                                const QString &description) override;
};

} // namespace parsella
