#include "app/HelpDocuments.h"

#include "app/BuildSettings.h"
#include "core/Language.h"

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

// A page in the learner's language, else the English one: each beside the program, else in
// the installed data directory; failing all, (with a note on standard error) the English path
// beside the program all the same.
static QString shippedPage(const QString &programDirectory, const QString &name, const QString &language, const char *what)
{
    const QString installedDirectory = programDirectory + QLatin1Char('/') + QString::fromUtf8(build::dataFromProgram);
    QStringList folders;
    if (!language.isEmpty())
        folders << language + QLatin1Char('/');
    folders << QString();
    for (const QString &folder : folders) {
        const QString beside = besideProgram(programDirectory, folder + name);
        if (QFileInfo(beside).isFile())
            return beside;
        const QString installed = QDir::toNativeSeparators(QDir::cleanPath(installedDirectory + QLatin1Char('/') + folder + name));
        if (QFileInfo(installed).isFile())
            return installed;
    }
    const QString beside = besideProgram(programDirectory, name);
    const QString installed = QDir::toNativeSeparators(QDir::cleanPath(installedDirectory + QLatin1Char('/') + name));
    qWarning("Parsella: the %s is neither %s nor %s", what, qUtf8Printable(beside), qUtf8Printable(installed));
    return beside;
}

QString helpPage(const QString &programDirectory, const QString &language)
{
    return shippedPage(programDirectory, QStringLiteral("parhlp.html"), language, "help page");
}

QString grammarPage(const QString &programDirectory, const QString &language)
{
    return shippedPage(programDirectory, QStringLiteral("grammar.html"), language, "grammar page");
}

QUrl grammarTarget(const QString &host, const QString &programDirectory)
{
    if (host.isEmpty())
        return QUrl::fromLocalFile(grammarPage(programDirectory));
    return QUrl(grammarPageAddress(host));
}

} // namespace parsella
