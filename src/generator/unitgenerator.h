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

// The unit identifier derived from the unit-name field: "Unit1" when empty,
// cut before the first ".pas", without its directory part ("\", ":" or "/").
QString unitIdentifier(const QString &filename);

// The message that refuses a build, when there is one.
std::optional<QString> buildRefusal(const ComponentSpec &spec);

QString buildingStatusText(const QString &unitName);   // "Building " + U
QString builtStatusText(const QString &filename);      // Filename + " built"

// Writes the unit. Refills spec.Functions and spec.Procedures. bodies may be
// null (no current specification file). The result holds one entry per line:
// a text line, an empty line (""), or a spacer line (" ").
QStringList generateUnit(ComponentSpec &spec, const Style &style, TAwk &awk,
                         const BodySource *bodies);

