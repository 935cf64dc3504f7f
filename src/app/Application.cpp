#include "Application.h"

#include "FormTable.h"

#include <QApplication>
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
    // Menus and message boxes in the same face as the windows' larger text.
    QApplication::setFont(classicFont(9.75));
}

} // namespace parsella
