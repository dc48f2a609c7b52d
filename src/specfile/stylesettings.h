// SPDX-License-Identifier: MIT
// The formatting style as the settings file keeps it: one key of its one
// section per row of kStyleOptions, shared by the window and the command line.
#pragma once

#include "generator/style.h"

class ProfileFile;

// A missing key or a number that does not read keeps the value of defaults;
// numbers are brought into their ranges, switches are on unless 0.
Style readStyle(const ProfileFile &file, const QString &section, const Style &defaults = Style());

// Writes the keys in the order of the table: those that come before the keys
// of the Output look (which the caller writes in between), then those after.
void writeStyleHead(ProfileFile &file, const QString &section, const Style &style);
void writeStyleTail(ProfileFile &file, const QString &section, const Style &style);

// Writes the keys the settings file has after the window's own ("Target").
void writeStyleEnd(ProfileFile &file, const QString &section, const Style &style);
