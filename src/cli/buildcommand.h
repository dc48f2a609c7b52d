// SPDX-License-Identifier: MIT
// unitforge-build: reads a component specification file as Open does and
// writes its unit as Build and "Save source file" would, without a window.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <variant>
#include <vector>

#include "generator/style.h"

class QIODevice;
class ProfileFile;

// Exit statuses of the command.
enum BuildExit { kBuildOk = 0, kBuildRefused = 1, kBuildUsageOrFileError = 2, kBuildFindings = 3,
                 kBuildTestDriveFailed = 4 };

// A style option as given on the command line: its row and its value
// ("1" or "0" for a switch).
struct StyleOptionValue {
    const StyleOption *option;
    QString value;
};

struct BuildOptions {
    QString specPath;
    QString outputPath;              // empty: standard output
    QString settingsPath;            // empty: the settings file the window uses, if any
    bool defaultStyle = false;       // --default-style: no settings file at all
    std::vector<StyleOptionValue> style;   // in the order of the table
    QString packageDir;              // --package: the Lazarus package's folder
    bool testDrive = false;          // --test-drive: compile and run the unit for Lazarus
    bool check = false;              // --check: findings only, no unit
    bool warnings = false;           // --warnings: findings after the unit
    QString updatePath;              // --update: the unit to merge into in place
    bool discard = false;            // --discard: update even when written code would be lost
    QString importPath;              // --import: the unit to start a specification from
    QString className;               // --class: which of the unit's classes
    bool help = false;
    bool version = false;
};

// The help text, which names the settings file a build reads without --settings.
QString buildUsage(const QStringList &settingsLocations);

// Parses the arguments that follow the program name; a usage error gives its message.
std::variant<BuildOptions, QString> parseBuildOptions(const QStringList &arguments);

// The style a settings file holds: missing or non-numeric values take their
// defaults, numbers out of range are brought into range.
Style readStyleSettings(const ProfileFile &settings);

// The settings file's style (or the built-in one), then the options over it.
Style applyStyleOptions(Style style, const BuildOptions &options);

// Runs the whole command. The unit goes to out unless -o names a file or
// --update a unit to merge into; messages go to err. Without --settings or
// --default-style the style comes from the first of settingsLocations that
// exists (the window's settings file). Returns the exit status.
int runBuildCommand(const QStringList &arguments, QIODevice &out, QIODevice &err,
                    const QStringList &settingsLocations = {});
