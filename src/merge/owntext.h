// The user's own text between two routines of an edited unit (declarations,
// comments, a uses clause after "implementation"): what remains of the stretch
// once blank lines, separator lines and the comments that the new build has
// in the same place are set aside.
#pragma once

#include <QStringView>

#include "merge/pascalreader.h"

// gap: the stretch of text; newGap: the same stretch of the new build (empty
// when it has none). dropLastComment: a comment in the build's form right
// before the end of the stretch belongs to the routine that follows (a
// method's comment placed above its heading) and is not the user's.
// Returns whole lines, from the start of the first line with text of the
// user's through the line break after the last; invalid when there is none.
PascalSpan ownText(QStringView text, PascalSpan gap, QStringView newGap, bool dropLastComment);
