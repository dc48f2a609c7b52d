// SPDX-License-Identifier: MIT
// File > Import Unit...: the questions around reading a unit into a
// specification — which file, and which class when the unit registers several.
#pragma once

#include <QList>
#include <QString>
#include <optional>

#include "merge/unitimport.h"

class Prompts;
struct Finding;

struct ImportedUnit {
    QString path;
    QString text;          // the unit as read, for the Output page
    UnitImport result;
};

// Asks for the unit, reads it and, when it registers several classes, asks
// for one class after another until one is taken. A refusal or an
// unreadable file is shown as an error; nothing when the user cancels.
std::optional<ImportedUnit> askAndImportUnit(Prompts &prompts, const QString &directory);

// The import's findings as the Output page's findings list shows them.
QList<Finding> importFindings(const UnitImport &imported);

// "Imported TGauge from gauge.pas, 3 members listed".
QString importedStatusText(const ImportedUnit &unit);
