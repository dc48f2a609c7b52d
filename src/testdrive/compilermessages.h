// SPDX-License-Identifier: MIT
// What fpc says about a compile, taken line by line: the errors, each with the
// file and the line it is about, so that the window can show them at the
// unit's line.
#pragma once

#include <QList>
#include <QString>

struct CompilerMessage {
    QString file;      // as fpc names it; empty for a message about no file (the linker's)
    int line = 0;      // 1-based; 0 when fpc gives none
    int column = 0;    // 1-based; 0 when fpc gives none
    QString text;      // "Identifier not found "Foo""
};

// The errors and fatal errors of fpc's output, in order. "There were N errors
// compiling module" and "Compilation aborted" repeat what came before and are left out.
QList<CompilerMessage> compilerErrors(const QString &output);
