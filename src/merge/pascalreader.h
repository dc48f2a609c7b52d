// SPDX-License-Identifier: MIT
// Reads the structure of an Object Pascal unit: the interface's uses clause
// and class declarations, and the routines of the implementation section with
// their headings, declarations and statements. Positions index the text as
// given, so that every part can be cut out of it byte for byte. A unit that
// does not read (blocks that do not balance, no implementation section) is
// reported with the reason; nothing is guessed.
#pragma once

#include <QList>
#include <QString>
#include <QStringView>

struct PascalSpan {
    qsizetype start = -1;
    qsizetype end = -1;   // one past the last character

    bool isValid() const { return start >= 0; }
    bool contains(qsizetype position) const { return position >= start && position < end; }
};

struct PascalRoutine {
    QString name;              // as written, dots included: "TGauge.SetValue"
    qsizetype start = 0;       // the heading's first word ("class" when there is one)
    qsizetype headingEnd = 0;  // just after the heading's last ";", directives included
    qsizetype blockStart = 0;  // the "begin" or "asm" of the statements
    qsizetype end = 0;         // just after "end;", and after comments that follow on its line

    // The class part of the name ("TGauge"); empty for a plain procedure or function.
    QStringView qualifier() const;
    // The name without its class part ("SetValue").
    QStringView member() const;
};

struct PascalClassDeclaration {
    QString name;
    PascalSpan span;           // from the type name to the ";" after "end"
};

struct PascalUnit {
    QString error;             // why the text does not read as a unit; empty when it does
    PascalSpan uses;           // the interface's uses clause, "uses" to ";"
    QList<PascalClassDeclaration> classes;   // class types declared in the interface
    qsizetype implementation = -1;       // the "implementation" keyword
    qsizetype implementationBody = -1;   // just after that keyword
    QList<PascalRoutine> routines;       // routines with bodies, in order; local ones not listed
    qsizetype mainBlock = -1;  // "initialization" or the "begin" of the unit's own block; -1: none
    qsizetype finalEnd = -1;   // the "end" of the closing "end."
    qsizetype afterEnd = -1;   // just after the closing "end."

    bool isReadable() const { return error.isEmpty(); }
};

PascalUnit readPascalUnit(QStringView text);

// 1-based number of the line position lies on.
int lineNumberAt(QStringView text, qsizetype position);
