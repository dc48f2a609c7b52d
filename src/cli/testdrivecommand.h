// SPDX-License-Identifier: MIT
// unitforge-build --test-drive: compiles the unit built for Lazarus with its
// host program and runs it, waiting until its window is closed.
#pragma once

#include <QStringList>

class ComponentSpec;
class QIODevice;

// unitLines: the unit built for Lazarus. Progress, step times and compile
// errors ("gauge.pas:12:5: error: ...") go to err, what the program prints
// (the exceptions it showed) to out. Returns the command's exit status.
int runTestDriveCommand(const ComponentSpec &spec, const QStringList &unitLines, QIODevice &out,
                        QIODevice &err);
