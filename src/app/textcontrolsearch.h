// SPDX-License-Identifier: MIT
// Find, replace and replace all carried out on a text control: the search
// rule of the find dialogs applied to what the control holds, and the
// selection and edits that follow from a match.
#pragma once

#include "platform/textsearch.h"

#include <QString>

class QPlainTextEdit;

// The control's text as typed. Not toPlainText(), which turns no-break spaces
// into spaces: saving, printing and the search must see the characters typed.
QString typedText(const QPlainTextEdit &edit);

// Selects the next match from the selection; false when there is none.
bool findAndSelect(QPlainTextEdit &edit, const QString &pattern, const SearchOptions &options);

// Replace: a selection that is an occurrence is replaced and the next
// occurrence selected; otherwise the next match is replaced, the insertion
// point after it. False when nothing was replaced.
bool replaceNext(QPlainTextEdit &edit, const QString &pattern, const QString &replacement,
                 const SearchOptions &options);

// Replaces every occurrence after the selection, in one undo step; each
// search resumes after the text just put in.
void replaceAll(QPlainTextEdit &edit, const QString &pattern, const QString &replacement,
                const SearchOptions &options);
