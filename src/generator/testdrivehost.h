// SPDX-License-Identifier: MIT
// The program a test drive compiles with the unit built for Lazarus: a form
// that owns one instance of the component, shows it when it is a control, and
// lists its published properties in a grid where they can be changed live.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class ComponentSpec;
struct PackageFile;

// The environment variable a script sets to "Name=Value" to have the host set
// a property through its grid, print "Name=" and the value read back, and close.
inline constexpr char kTestDriveProbeVariable[] = "UNITFORGE_TESTDRIVE_SET";

// The line the host prints once its window is on the screen.
inline constexpr char kTestDriveShownLine[] = "test drive shown";

// "uftestdrivehost": the program's name, the name of its source file without
// ".lpr" and of the executable fpc links.
QString testDriveHostName();

// The component's own LCL ancestors draw nothing, so the host marks where the
// control is with a dotted frame until its Paint draws something.
bool testDriveNeedsFrame(const ComponentSpec &spec);

// The host program's source, each line without its line break.
QStringList testDriveHostLines(const ComponentSpec &spec);

// What a drive's folder holds before fpc runs: the unit (unitLines, built for
// Lazarus), the icon resource its Register includes, and the host program.
QList<PackageFile> testDriveFiles(const ComponentSpec &spec, const QStringList &unitLines);
