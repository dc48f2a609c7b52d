// SPDX-License-Identifier: MIT
// The uses clause every generated unit has, whatever the ancestor: 31 units
// in a fixed order and letter case, written on five lines.
#pragma once

#include <QStringList>

// The five lines, without their indentation.
const QStringList &usesClauseLines();

// The 31 unit names, in order.
const QStringList &usesClauseUnits();
