// SPDX-License-Identifier: MIT
// unitforge-build --update: merges a new build into an existing unit file in
// place, keeping the code written into it, and refuses when the merge would
// lose some of that code unless told to discard it.
#pragma once

#include <QString>
#include <QStringList>

class QIODevice;

// builtLines: the unit's lines as the build writes them, the empty line after
// the last line break included. The report of what was kept and dropped goes
// to out, problems to err. Returns the command's exit status.
int runUnitUpdate(const QString &unitPath, bool discard, const QStringList &builtLines,
                  QIODevice &out, QIODevice &err);
