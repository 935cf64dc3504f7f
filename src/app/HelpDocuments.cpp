#include "app/HelpDocuments.h"

#include "app/BuildSettings.h"

#include <QDir>
#include <QFileInfo>

namespace parsella {

QString webHost()
{
    return QString::fromUtf8(build::webHost);
}

QString publisherAddress(const QString &host)
{
    return host.isEmpty() ? QString() : QStringLiteral("http://%1/").arg(host);
}

QString grammarPageAddress(const QString &host)
{
    return host.isEmpty() ? QString() : QStringLiteral("http://%1/grammar/parsel1.html").arg(host);
}

QString besideProgram(const QString &programDirectory, const QString &fileName)
{
    return QDir::toNativeSeparators(programDirectory + QLatin1Char('/') + fileName);
}

// A page beside the program, else in the installed data directory, else (with a note on
// standard error) the path beside the program all the same.
static QString shippedPage(const QString &programDirectory, const QString &name, const char *what)
{
    const QString beside = besideProgram(programDirectory, name);
    if (QFileInfo(beside).isFile())
        return beside;
    const QString installed = QDir::toNativeSeparators(QDir::cleanPath(
        programDirectory + QLatin1Char('/') + QString::fromUtf8(build::dataFromProgram) + QLatin1Char('/') + name));
    if (QFileInfo(installed).isFile())
        return installed;
    qWarning("Parsella: the %s is neither %s nor %s", what, qUtf8Printable(beside), qUtf8Printable(installed));
    return beside;
}

QString helpPage(const QString &programDirectory)
{
    return shippedPage(programDirectory, QStringLiteral("parhlp.html"), "help page");
}

QString grammarPage(const QString &programDirectory)
{
    return shippedPage(programDirectory, QStringLiteral("grammar.html"), "grammar page");
}

QUrl grammarTarget(const QString &host, const QString &programDirectory)
{
    if (host.isEmpty())
        return QUrl::fromLocalFile(grammarPage(programDirectory));
    return QUrl(grammarPageAddress(host));
}

} // namespace parsella
