// SPDX-License-Identifier: MIT
// Helpers over the specification's string lists: the case-insensitive
// first-match look-up that names are compared with, and tolerant access.
#pragma once

#include <QStringList>

// Index of the first entry equal to text without regard to letter case; -1 when none.
qsizetype indexOfText(const QStringList &list, const QString &text);

// Entry i, or the empty string when i is out of range.
QString entryAt(const QStringList &list, qsizetype i);

// Removes entry i when the list has one; returns whether it did.
bool removeEntryAt(QStringList &list, qsizetype i);

// Upper and lower case of the letters A to Z only, as Object Pascal's
// identifiers and keywords know them; other characters stay as they are.
QString asciiUpper(const QString &text);
QString asciiLower(const QString &text);
