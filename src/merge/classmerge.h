// SPDX-License-Identifier: MIT
// The members an author declared by hand in the edited unit's class, carried
// into the new build's class declaration as written: each after the new
// counterpart of the nearest member above it that the new build has too.
// A member the new build declares under the same name is the build's; one
// spelled as a build spells the specification's members went out of it.
#pragma once

#include <QList>
#include <QSet>
#include <QString>
#include <QStringView>

#include "merge/pascalreader.h"
#include "merge/sourcetext.h"

struct KeptMembers {
    QList<TextInsertion> insertions;   // into the new text
    int lines = 0;
    QSet<QString> methods;             // upper-cased names of the methods among them
};

KeptMembers keptClassMembers(QStringView newText, const PascalClassDeclaration &newClass, QStringView oldText,
                             const PascalClassDeclaration &oldClass);
