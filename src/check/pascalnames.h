// What Object Pascal accepts as a name: identifiers and the reserved words
// that can never be one, for Delphi 2.0 and for Free Pascal in Delphi mode.
#pragma once

#include <QString>

// A letter or "_", then letters, digits and "_" (ASCII only, as both compilers read them).
bool isPascalIdentifier(const QString &text);

// Whether text, in any letter case, is a reserved word of either compiler.
bool isReservedWord(const QString &text);

// Whether two names are one to the compiler: Pascal ignores the letter case of A to Z.
bool sameName(const QString &a, const QString &b);
