// SPDX-License-Identifier: MIT
// The interface section of a merged unit: the new build's, with what the
// author added to the edited unit's interface carried over as written: the
// units added to the uses clause, the fields, methods, properties, constants
// and nested types declared by hand in any section of the class, and the
// declarations and comments around the class.
// A member the new build declares under the same name is the build's; one
// spelled as a build spells the specification's members went out of it.
#pragma once

#include <QSet>
#include <QString>
#include <QStringList>
#include <QStringView>

#include "merge/pascalreader.h"

struct InterfaceMerge {
    QString text;              // from the start of the unit up to "implementation"
    PascalSpan uses;           // the uses clause in text
    QStringList ownUnits;      // the author's units kept in the uses clause
    int ownClassLines = 0;     // lines of the author's declarations kept in the class
    int ownInterfaceLines = 0; // lines of the author's kept elsewhere in the interface
    QSet<QString> ownMethods;  // upper-cased names of the methods among them
};

InterfaceMerge mergeInterfaces(QStringView newText, const PascalUnit &newUnit, QStringView newClass,
                               QStringView oldText, const PascalUnit &oldUnit, QStringView oldClass);
