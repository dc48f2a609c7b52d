// SPDX-License-Identifier: MIT
// How the check judges a type that an entry names: a property's type, an
// event's type, a method's parameter or return type.
#pragma once

#include <QString>

#include <optional>

#include "check/finding.h"

// Empty, a pointer expression such as "^integer", an inline type or a
// reserved word: the compiler expects a type name there (error). A name the
// check does not know: it compiles only if a used unit declares it (warning).
// openArrayAllowed: "array of T" is accepted (a parameter's open array).
std::optional<Verdict> checkTypeReference(const QString &type, bool openArrayAllowed = false);

// The type name a reference comes down to ("array of T" gives T); empty when none.
QString referencedTypeName(const QString &type);
