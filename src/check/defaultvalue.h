// SPDX-License-Identifier: MIT
// Whether a property's default value is a constant its type can take as a
// default. The default reaches the unit twice: in the property's default
// clause and in the constructor's assignment to the field.
#pragma once

#include <QString>

#include <optional>

#include "check/finding.h"

struct PascalType;

// The verdict on a default value as stored (string defaults come quoted) for
// a property of the known type; none when the default is fine.
std::optional<Verdict> checkDefaultValue(const PascalType &type, const QString &value);

// The number of characters a Pascal character string ('...' parts with ''
// for a quote, #n and #$n codes) stands for; -1 when text is not one.
int characterStringLength(const QString &text);

// A decimal or $-hexadecimal integer with an optional sign; none when text is not one.
std::optional<qint64> integerLiteral(const QString &text);
