#include "core/Platform.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QProcess>
#include <QSysInfo>
#include <QtGlobal>

namespace parsella {

qint16 SystemPlatform::platformId() const
{
#ifdef Q_OS_WIN
    // 2 is the NT family; Qt runs on nothing older, but ask rather than assume.
    return QSysInfo::kernelType() == QLatin1String("winnt") ? ntFamily : qint16(1);
#else
    return ntFamily;
#endif
}

QString SystemPlatform::programDirectory() const
{
    return QCoreApplication::applicationDirPath();
}

bool SystemPlatform::open(const QUrl &target)
{
    // QDesktopServices hands the address on in Unicode, so a path outside the ANSI code
    // page opens as well.
    if (QDesktopServices::openUrl(target))
        return true;
    qWarning("Parsella: could not open %s",
             qUtf8Printable(target.isLocalFile() ? target.toLocalFile() : target.toString()));
    return false;
}

void SystemPlatform::start(const QString &program, const QStringList &arguments)
{
    // Detached: the help viewer runs on its own and the worksheet never waits for it.
    if (!QProcess::startDetached(program, arguments))
        qWarning("Parsella: could not start %s %s", qUtf8Printable(program),
                 qUtf8Printable(arguments.join(QLatin1Char(' '))));
}

Platform &systemPlatform()
{
    static SystemPlatform platform;
    return platform;
}

} // namespace parsella
