// Where the settings file "uforge.ini" lives, for the window that reads and
// writes it and for the command line that reads the same file. An installed
// program keeps it in the user's configuration directory; beside the program
// only when one is already there (a portable copy) or the program runs from
// its build tree, and then the configuration directory is the fallback.
#pragma once

#include <QString>
#include <QStringList>

namespace SettingsLocation {

// The locations looked for, in order; programDirectory empty: the executable's.
QStringList defaultLocations(const QString &programDirectory = QString());
QStringList locationsFor(const QString &programDirectory, bool fromBuildTree,
                         const QString &configDirectory);

// Whether a program in that directory was built there and not installed:
// a CMake cache in the directory or one of its three parents (the test
// programs sit three levels down).
bool isBuildTree(const QString &directory);

// Whether the program keeps its files beside itself: a build tree or a
// portable copy (a settings file beside the program).
bool keepsFilesBeside(const QString &programDirectory, bool fromBuildTree);

// The folder of the unit name a new specification starts with: the program's
// own for a build tree or a portable copy, else the current directory.
QString defaultUnitFolder(const QString &programDirectory, bool fromBuildTree,
                          const QString &currentDirectory);

// The window's program directory seen from the command line's: the same
// directory, except in a build tree, where the window is built in ../app.
QString windowProgramDirectory(const QString &commandDirectory);

// The settings file the window would read: the first location that exists
// as a file; empty when none does.
QString existingFile(const QStringList &locations);

} // namespace SettingsLocation
