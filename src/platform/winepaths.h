// SPDX-License-Identifier: MIT
// Windows file names under Wine: a unit name typed as "C:\Units\Tank.pas"
// names a file of the Wine prefix's drive C, never a Linux file with
// backslashes in its name.
#pragma once

#include <QString>
#include <optional>

// $WINEPREFIX, or ~/.wine when it is unset or empty.
QString winePrefix();

// Whether the text begins with a drive letter and a colon.
bool hasDriveLetter(const QString &path);

// The Linux file a Windows path with a drive letter names in the prefix
// ("C:\Units\Tank.pas" is prefix/dosdevices/c:/Units/Tank.pas); nothing when
// the text has no drive letter or the prefix has no such drive.
std::optional<QString> fileOfWindowsPath(const QString &path, const QString &prefix);

// "\" read as "/", for names without a drive letter.
QString withSlashes(QString path);
