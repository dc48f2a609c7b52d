// SPDX-License-Identifier: MIT
// The author's text in the interface outside the class (a comment above the
// unit, constants, types before the class, declarations after it): each
// stretch between two lines the new build has too goes after the new one of
// the upper line, without the lines a build wrote. The uses clause counts as
// one such line; the unit's heading is always the build's.
#pragma once

#include <QList>
#include <QStringView>

#include "merge/pascalreader.h"
#include "merge/sourcetext.h"

struct KeptText {
    QList<TextInsertion> insertions;   // into the new text
    int lines = 0;
};

KeptText keptSurroundingText(QStringView newText, const PascalUnit &newUnit, const PascalClassDeclaration &newClass,
                             QStringView oldText, const PascalUnit &oldUnit, const PascalClassDeclaration &oldClass);
