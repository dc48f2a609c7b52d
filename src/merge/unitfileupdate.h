// An existing unit file brought up to date with a new build: the file read in
// its own encoding and line ends, the build merged into it, and the merged
// unit written back the same way, replacing the file only when all of it was
// written.
#pragma once

#include "merge/unitfile.h"
#include "merge/unitmerge.h"

#include <QString>
#include <QStringList>

struct UnitFileUpdate {
    QString readError;   // why the file could not be read; then nothing else is set
    UnitFile file;       // the file as read
    UnitMerge merge;     // merge.error: one of the two units does not read
    // Why the merged unit cannot be written in the file's encoding: a
    // character a Windows-1252 unit cannot store, and its line.
    QString encodingError;
};

// builtLines: the unit's lines as the build writes them, the empty line after
// the last line break included. Only a regular file is read: a device such
// as /dev/zero would never end. UTF-16 text is not read. The new lines get
// the line end most of the file's lines have.
UnitFileUpdate mergeIntoUnitFile(const QString &path, const QStringList &builtLines);

// Writes the merged unit over path in the file's encoding. False, with the
// reason, when the write was refused; the file is then as it was.
bool writeUnitFileUpdate(const QString &path, const UnitFileUpdate &update, QString *reason);
