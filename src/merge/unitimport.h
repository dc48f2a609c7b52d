// SPDX-License-Identifier: MIT
// Import Unit: reads the component class of an existing unit into a
// specification, as if the user had typed it on the pages. The class is the
// one the unit's Register procedure registers (or the one named). What the
// pages have no place for is listed as a finding with its line; it stays in
// the unit, because the next Build merges into it.
#pragma once

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QStringView>

#include "model/componentspec.h"

enum class ImportRefusal {
    None,
    Unreadable,       // the text does not read as a unit
    NoClass,          // no class registered and none named
    SeveralClasses,   // several registered classes and none named
    UnknownClass,     // the named class is not declared in the interface
};

// A member the pages cannot hold.
struct ImportFinding {
    int line = 0;          // 1-based
    QString kind;          // "class constant", "overloaded method", ...
    QString text;          // what the unit declares, on one line
    QString message() const;   // "line 12: overloaded method: procedure Fill(A: integer);overload;"
};

struct UnitImport {
    ImportRefusal refusal = ImportRefusal::None;
    QString refusalText;       // the message that says why; empty when imported
    QStringList classes;       // the registered classes, for a refusal that asks which
    QStringList declared;      // the classes the interface declares, in order
    ComponentSpec spec;
    QList<ImportFinding> findings;
    // How many members of each kind became entries: "property", "event",
    // "method", "standard message", "user message", "ancestor member".
    QMap<QString, int> recognised;

    bool imported() const { return refusal == ImportRefusal::None; }
};

// Reads text, the unit at path (which becomes the unit name), for the class
// className, or for the one class Register registers when className is empty.
UnitImport importUnit(QStringView text, const QString &path, const QString &className = QString());

// The refusal texts, for the window and the command.
QString severalClassesText(const QStringList &classes);
