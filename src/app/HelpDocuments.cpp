#include "app/HelpDocuments.h"

#include "app/BuildSettings.h"

#include <QDir>
#include <QFileInfo>

namespace parsella {

QString publisherAddress()
{
    return QStringLiteral("http://%1/").arg(QString::fromUtf8(build::webHost));
}

QString grammarPageAddress()
{
    return QStringLiteral("http://%1/grammar/parsel1.html").arg(QString::fromUtf8(build::webHost));
}

QString besideProgram(const QString &programDirectory, const QString &fileName)
{
    return QDir::toNativeSeparators(programDirectory + QLatin1Char('/') + fileName);
}

QString helpPage(const QString &programDirectory)
{
    static const QString name = QStringLiteral("parhlp.html");
    const QString beside = besideProgram(programDirectory, name);
    if (QFileInfo(beside).isFile())
        return beside;
    const QString installed = QDir::toNativeSeparators(QDir::cleanPath(
        programDirectory + QLatin1Char('/') + QString::fromUtf8(build::dataFromProgram) + QLatin1Char('/') + name));
    if (QFileInfo(installed).isFile())
        return installed;
    qWarning("Parsella: the help page is neither %s nor %s", qUtf8Printable(beside), qUtf8Printable(installed));
    return beside;
}

} // namespace parsella
