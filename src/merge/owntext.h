// SPDX-License-Identifier: MIT
// The user's own text between two routines of an edited unit (declarations,
// comments, a uses clause after "implementation"): what remains of the stretch
// once blank lines, separator lines and the comments that the new build has
// in the same place are set aside.
#pragma once

#include <QStringView>

#include "merge/pascalreader.h"

struct OwnText {
    PascalSpan lines;     // whole lines, from the first with text of the user's through the line break after the last
    PascalSpan comment;   // the comment set aside for dropLastComment
};

// gap: the stretch of text; newGap: the same stretch of the new build (empty
// when it has none). dropLastComment: a comment in the build's form right
// before the end of the stretch belongs to the routine that follows (a
// method's comment placed above its heading) and is not the user's.
// The spans are invalid when there is nothing of the kind.
OwnText ownText(QStringView text, PascalSpan gap, QStringView newGap, bool dropLastComment);
