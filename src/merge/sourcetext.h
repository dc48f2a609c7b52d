// SPDX-License-Identifier: MIT
// Source text cut by whole lines for a merge: where a line starts and ends,
// the comments that run over several lines (which no cut may split), and the
// insertions a merge makes into a new build's text.
#pragma once

#include <QList>
#include <QString>
#include <QStringView>

#include "merge/pascalreader.h"

bool isLineBreak(QChar c);
// Whether before's lone CR and after's LF, put together, would read back as
// one CR LF break: a line that was there would go.
inline bool breaksWouldJoin(QStringView before, QStringView after)
{
    return before.endsWith(u'\r') && after.startsWith(u'\n');
}
// The start of the line position lies on.
qsizetype lineStart(QStringView text, qsizetype position);
// Just after the line break that ends the line position lies on (the text's end without one).
qsizetype afterLineBreak(QStringView text, qsizetype position);

// The comments from start to end that run over more than one line.
QList<PascalSpan> multiLineComments(QStringView text, qsizetype start, qsizetype end);
// Whole lines, widened until no comment is cut in two.
PascalSpan widenedOverComments(QStringView text, PascalSpan lines, const QList<PascalSpan> &comments);

// The class of that name declared in the unit's interface; nullptr when none.
const PascalClassDeclaration *findClass(const PascalUnit &unit, QStringView name);

struct TextInsertion {
    qsizetype at = 0;        // in the new text
    qsizetype replaced = 0;  // characters of the new text it takes the place of
    QString text;
};
