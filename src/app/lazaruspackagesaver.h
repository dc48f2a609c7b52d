// SPDX-License-Identifier: MIT
// File > Save Lazarus Package...: asks where the package goes and whether the
// palette icon is an image of the user's own, then writes the package folder.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

class ComponentSpec;
class Prompts;

// The PNG bytes of an image file brought to the palette's 24 x 24; none when
// the file is no image that can be read.
std::optional<QByteArray> paletteIconFromImage(const QString &path);

// unitLines: the unit built for Lazarus. Returns the status line text after a
// save ("<folder> written"), or none when the user cancelled or a file could
// not be written (the error was shown).
std::optional<QString> saveLazarusPackage(const ComponentSpec &spec, const QStringList &unitLines,
                                          Prompts &prompts);
