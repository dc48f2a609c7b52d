// SPDX-License-Identifier: MIT
// Brings a new build of a unit together with the unit the user has edited
// since: written bodies go under the new headings, the constructor keeps the
// user's lines, the user's own routines and text stay, and whatever the
// merged unit would leave out of what the user wrote is listed, so that the
// caller can ask before it goes.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

struct MergeItem {
    enum class Kind {
        WrittenBody,        // kept: a written body, under the new heading
        ConstructorLines,   // kept: the user's lines of the constructor
        OwnRoutine,         // kept: a procedure or function that is not a method of the class
        OwnText,            // kept: declarations and comments between routines
        MainBlock,          // kept: the initialization and finalization parts, or the unit's block
        TextAfterEnd,       // kept: what follows "end."
        OwnUnits,           // kept: units added to the uses clause (name: their list)
        OwnMembers,         // kept: fields, methods, properties declared in the class by hand
        VanishedMethod,     // a method of the class the new build no longer has
        ChangedLines,       // lost: interface lines the new build does not have
    };
    Kind kind = Kind::WrittenBody;
    QString name;           // the routine's name, or where the lines are ("the class declaration")
    int lines = 0;
    QStringList text;       // ChangedLines: the lines themselves
};

struct UnitMerge {
    QString error;              // a unit that does not read; then nothing else is set
    QString text;               // the merged unit, without what is listed as lost
    QList<MergeItem> kept;
    QList<MergeItem> lost;      // written by the user, left out of text
    QList<MergeItem> dropped;   // methods that vanished with the body a build gave them

    bool losesWork() const { return !lost.isEmpty(); }
};

// newUnit: the unit as a build writes it now; existingUnit: the edited one.
// When nothing was written into existingUnit the result is newUnit exactly.
UnitMerge mergeUnits(const QString &newUnit, const QString &existingUnit);

// "TGauge.Paint (written body, 14 lines)", "2 lines changed in the class declaration".
QString describeMergeItem(const MergeItem &item);

// The lost items, comma-separated: "TGauge.OldMethod (12 lines), 2 lines
// changed in the class declaration".
QString lossSummary(const QList<MergeItem> &lost);
