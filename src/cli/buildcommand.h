// unitforge-build: reads a component specification file as Open does and
// writes its unit as Build and "Save source file" would, without a window.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <variant>

#include "generator/style.h"

class QIODevice;
class ProfileFile;

// Exit statuses of the command.
enum BuildExit { kBuildOk = 0, kBuildRefused = 1, kBuildUsageOrFileError = 2, kBuildFindings = 3 };

struct BuildOptions {
    QString specPath;
    QString outputPath;              // empty: standard output
    QString settingsPath;            // empty: the built-in style
    std::optional<int> indent;
    std::optional<int> blankLines;
    std::optional<int> separatorLength;
    std::optional<QString> separatorChar;
    bool commentsBefore = false;
    std::optional<Target> target;    // --target delphi|lazarus
    QString packageDir;              // --package: the Lazarus package's folder
    bool check = false;              // --check: findings only, no unit
    bool warnings = false;           // --warnings: findings after the unit
    QString updatePath;              // --update: the unit to merge into in place
    bool discard = false;            // --discard: update even when written code would be lost
    bool help = false;
    bool version = false;
};

QString buildUsage();

// Parses the arguments that follow the program name; a usage error gives its message.
std::variant<BuildOptions, QString> parseBuildOptions(const QStringList &arguments);

// The style a settings file holds: missing or non-numeric values take their
// defaults, numbers out of range are brought into range.
Style readStyleSettings(const ProfileFile &settings);

// The settings file's style (or the built-in one), then the options over it.
Style applyStyleOptions(Style style, const BuildOptions &options);

// Runs the whole command. The unit goes to out unless -o names a file or
// --update a unit to merge into; messages go to err. Returns the exit status.
int runBuildCommand(const QStringList &arguments, QIODevice &out, QIODevice &err);
