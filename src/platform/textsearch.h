// SPDX-License-Identifier: MIT
// The Output page's search: finds the sought text after or before the current
// selection, optionally as a whole word and ignoring letter case. A pure
// function, so that find, replace and replace-all share one exact rule.
#pragma once

#include <QList>
#include <QString>
#include <optional>

struct SearchOptions {
    bool down = true;        // the replace dialog always searches down
    bool matchCase = false;
    bool wholeWord = false;
};

// Start of the next match of pattern in text, searching from the selection
// (selStart, selLength) in the options' direction; no wrap-around.
std::optional<int> findText(const QString &text, int selStart, int selLength,
                            const QString &pattern, const SearchOptions &options);

// Whether the stretch (start, length) of text is an occurrence of pattern
// under the options: what a search for it would have selected.
bool isOccurrence(const QString &text, int start, int length, const QString &pattern,
                  const SearchOptions &options);

// Starts of the occurrences that Replace all replaces, in the original text:
// each search resumes right after the previous occurrence, which is where the
// insertion point lands once the replacement is in place.
QList<int> replaceAllPositions(const QString &text, int selStart, int selLength,
                               const QString &pattern, const SearchOptions &options);
