// SPDX-License-Identifier: MIT
// The unit name field and what follows from it: the unit identifier that
// "unit ...;" and a saved specification's "Name" use, and its directory part.
// A unit name may be typed Windows-style ("C:\Units\Gauge.pas") or as a Linux
// path, so "\", ":" and "/" all end a directory part.
#pragma once

#include <QString>

bool isPathDelimiter(QChar c);

// Position of the last "\", ":" or "/" in text; -1 when there is none.
qsizetype lastPathDelimiter(const QString &text);

// Everything up to and including the last path delimiter; empty when none.
QString directoryPart(const QString &text);
// Everything after the last path delimiter.
QString fileNamePart(const QString &text);

// "Unit1" when filename is empty; otherwise filename cut before the first
// ".pas" (letter case as written), or with none, without a last ".pp", and
// without its directory part.
QString unitIdentifier(const QString &filename);
