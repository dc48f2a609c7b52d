// SPDX-License-Identifier: MIT
// What the status line says about the findings of a check.
#pragma once

#include <QList>
#include <QString>

#include "check/finding.h"

// "1 error, 2 warnings", "3 errors", "1 warning"; empty with no findings.
QString findingCountText(const QList<Finding> &findings);

// After Build: Filename + " built", followed by the count in parentheses
// when the check found something.
QString builtStatusText(const QString &filename, const QList<Finding> &findings);

// After the check on its own.
QString checkedStatusText(const QList<Finding> &findings);
