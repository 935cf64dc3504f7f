#include "core/Launch.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <cstdio>
#include <cstdlib>
#ifdef Q_OS_WIN
#include <windows.h>
#include <io.h>
#endif

namespace parsella {

#ifdef Q_OS_WIN
namespace {

// Whether the standard handle already leads somewhere: a file or pipe the caller redirected
// to, which the console must not take over.
bool redirected(DWORD which)
{
    const HANDLE handle = GetStdHandle(which);
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE)
        return false;
    const DWORD type = GetFileType(handle);
    return type == FILE_TYPE_DISK || type == FILE_TYPE_PIPE;
}

UINT consoleCodePage = 0;

} // namespace
#endif

void attachParentConsole()
{
#ifdef Q_OS_WIN
    const bool outRedirected = redirected(STD_OUTPUT_HANDLE);
    const bool errRedirected = redirected(STD_ERROR_HANDLE);
    if (outRedirected && errRedirected)
        return;
    if (!AttachConsole(ATTACH_PARENT_PROCESS))
        return; // started from Explorer: no console, and none is wanted
    // The CSV is UTF-8: the console shows it so, and gets its own code page back at exit.
    consoleCodePage = GetConsoleOutputCP();
    if (consoleCodePage != CP_UTF8 && SetConsoleOutputCP(CP_UTF8))
        std::atexit([] { SetConsoleOutputCP(consoleCodePage); });
    if (!outRedirected && std::freopen("CONOUT$", "w", stdout))
        std::setvbuf(stdout, nullptr, _IONBF, 0);
    if (!errRedirected && std::freopen("CONOUT$", "w", stderr))
        std::setvbuf(stderr, nullptr, _IONBF, 0);
#endif
}

QStringList expandWorksheetArguments(const QStringList &arguments)
{
    const QStringList worksheets{QStringLiteral("*.parsella")};
    QStringList files;
    for (const QString &argument : arguments) {
        const QFileInfo info(argument);
        if (info.isDir()) {
            const QDir folder(argument);
            for (const QString &name : folder.entryList(worksheets, QDir::Files, QDir::Name | QDir::IgnoreCase))
                files << folder.filePath(name);
            continue;
        }
        const QString name = info.fileName();
        if (info.exists() || !(name.contains(QLatin1Char('*')) || name.contains(QLatin1Char('?')))) {
            files << argument;
            continue;
        }
        // The pattern is the last part only, as a Windows shell would have it: "class\*.parsella".
        const QDir folder = info.dir();
        const QStringList matches = folder.entryList({name}, QDir::Files, QDir::Name | QDir::IgnoreCase);
        if (matches.isEmpty()) {
            files << argument; // reported as the missing file it names
            continue;
        }
        const bool relative = info.isRelative() && !argument.contains(QLatin1Char('/')) && !argument.contains(QLatin1Char('\\'));
        for (const QString &match : matches)
            files << (relative ? match : folder.filePath(match));
    }
    return files;
}

QString portableSettingsFolder(const QString &programDirectory)
{
    if (programDirectory.isEmpty() || !QFileInfo(QDir(programDirectory).filePath(QStringLiteral("portable"))).isFile())
        return QString();
    return QDir(programDirectory).filePath(QStringLiteral("settings"));
}

void usePortableSettings(const QString &programDirectory)
{
    const QString folder = portableSettingsFolder(programDirectory);
    if (folder.isEmpty())
        return;
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder);
}

} // namespace parsella
