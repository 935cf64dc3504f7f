#pragma once

#include <QString>
#include <QStringList>

// What starting the program needs of the operating system beyond Qt: the console a
// windowless run writes to, the file arguments a Windows shell leaves unexpanded, and the
// settings of a copy run from a USB stick.
namespace parsella {

// On Windows a GUI program has no console of its own: a run from cmd.exe or PowerShell writes
// to the parent's console, unless its output already goes to a file or pipe. Elsewhere nothing.
void attachParentConsole();

// Each argument as a list of worksheet files: a folder gives its *.parsella files, a name with
// * or ? that is no file gives the files it matches, both in name order; anything else stays
// as it is, so that a missing file is reported by whoever reads it.
QStringList expandWorksheetArguments(const QStringList &arguments);

// The folder a portable copy keeps its settings in: beside the program, when a file named
// "portable" lies there; otherwise empty, and the settings live where the system keeps them.
QString portableSettingsFolder(const QString &programDirectory);

// Settings as an INI file in the portable folder, when there is one.
void usePortableSettings(const QString &programDirectory);

} // namespace parsella
