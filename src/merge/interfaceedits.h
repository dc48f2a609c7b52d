// SPDX-License-Identifier: MIT
// Finds the lines of an edited unit's interface section (unit heading, uses
// clause, class declaration) that a merge with a new build would lose: lines
// the new build does not have and that no build wrote.
//
// Without the build the unit came from, a line counts as the build's when it
// has the build's spelling and belongs with the rest: a field beside its
// property, an access method's declaration beside its routine, a message
// constant beside its handler. A line that differs from a new one only in its
// indentation is not a loss.
#pragma once

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QStringView>

struct PascalUnit;

struct LostLines {
    QString where;        // "the uses clause", "the class declaration", "the interface section"
    QStringList lines;
};

// oldClass: the class of the edited unit; oldRoutines: the upper-cased
// member names of its methods in the implementation section.
QList<LostLines> lostInterfaceLines(QStringView newText, const PascalUnit &newUnit,
                                    QStringView oldText, const PascalUnit &oldUnit,
                                    QStringView oldClass, const QSet<QString> &oldRoutines);

// The upper-cased fields that hold a property's value: each declared as the
// build declares it ("    FLevel : integer;") beside a property of that name.
QSet<QString> propertyFields(QStringView interfaceText);
