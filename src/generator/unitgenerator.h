// SPDX-License-Identifier: MIT
// Build: turns a specification into the complete source of its unit under a
// formatting style. Needs no window: the caller shows the texts and lines.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "generator/style.h"

class BodySource;
class ComponentSpec;
class TAwk;

// The message that refuses a build, when there is one.
std::optional<QString> buildRefusal(const ComponentSpec &spec);

QString buildingStatusText(const QString &unitName);   // "Building " + U
QString builtStatusText(const QString &filename);      // Filename + " built"

// What a build writes: the unit, one entry per line (a text line, an empty
// line "" or a spacer line " "), and the declaration lines of the read access
// functions and write access procedures, exactly as emitted. The last two are
// scratch lists of the build; a saved specification records only their counts.
struct GeneratedUnit {
    QStringList lines;
    QStringList functions;
    QStringList procedures;
};

// Writes the unit; the specification is not changed. bodies may be null (no
// current specification file).
GeneratedUnit generateUnit(const ComponentSpec &spec, const Style &style, TAwk &awk,
                           const BodySource *bodies);

