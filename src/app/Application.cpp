#include "Application.h"

#include "DisplayAccessible.h"

#include <QApplication>
#include <QIcon>
#include <QStyleFactory>

namespace parsella {

void configureApplication(QApplication &app)
{
    QApplication::setApplicationName(QStringLiteral("Parsella"));
    QApplication::setApplicationVersion(QStringLiteral(PARSELLA_VERSION));
    QApplication::setOrganizationName(QStringLiteral("Parsella"));
    // Fusion honours the palette colours of every control on every platform, so the
    // light-yellow windows and red or black sentences look the same everywhere.
    if (QStyle *fusion = QStyleFactory::create(QStringLiteral("Fusion")))
        app.setStyle(fusion);

    // Every window drawn with the program's icon gets this one; the others carry a
    // transparent icon of their own. The desktop file of that name gives the icon to
    // task bars that look it up there.
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/%1x%1/parsella.png").arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);
    QGuiApplication::setDesktopFileName(QStringLiteral("org.parsella.Parsella"));

    installDisplayAccessibility();
}

} // namespace parsella
