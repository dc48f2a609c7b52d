// The formatting style as the settings file keeps it: five keys of its one
// section and the target, shared by the window and the command line.
#pragma once

#include "generator/style.h"

class ProfileFile;

// Reads "linechar", "numchars", "commentsbefore", "linebreak", "indent" and
// "Target" ("Delphi 2.0" or "Lazarus");
// a missing key or one that is not a number keeps the value of defaults, and
// numbers are brought into their ranges.
Style readStyle(const ProfileFile &file, const QString &section, const Style &defaults = Style());

// Writes the five keys in the order the settings file has them at close:
// "linebreak", "commentsbefore", "indent", then (after the keys of the Output
// look, which the caller writes in between) "numchars" and "linechar".
void writeStyleHead(ProfileFile &file, const QString &section, const Style &style);
void writeStyleTail(ProfileFile &file, const QString &section, const Style &style);

// Writes "Target", which the settings file has after the keys of the window's own.
void writeStyleTarget(ProfileFile &file, const QString &section, const Style &style);
