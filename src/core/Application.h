#pragma once

class QApplication;

namespace parsella {

// Gives the application its name, style and icon; shared by the program and its tests so
// that both show the windows alike.
void configureApplication(QApplication &app);

} // namespace parsella
