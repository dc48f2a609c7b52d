// SPDX-License-Identifier: MIT
// What the program learns from a Delphi 2.0 installation in the current
// user's registry: the component palette's page names and the help directory.
#pragma once

#include <QString>
#include <QStringList>

class Registry;

inline const QString kPaletteKey = QStringLiteral("\\software\\borland\\delphi\\2.0\\cmplib32.dcl.palette");
inline const QString kLibraryKey = QStringLiteral("\\software\\borland\\delphi\\2.0\\library");

struct DelphiInstallation {
    QStringList palettePages;   // value names of the palette key, in registry order
    QString helpDirectory;      // empty when it cannot be determined
};

// Reads without changing anything: a missing key reads as a key without values.
DelphiInstallation readDelphiInstallation(const Registry &registry);

// The help directory for the "componentlibrary" value: the text before the
// first "bin\cmplib32.dcl" (letter case as written) followed by "help"; empty
// when the value is "path" (the stand-in for a missing value) or lacks that text.
QString delphiHelpDirectory(const QString &componentLibrary);
