// Where the comments, strings and numbers of Object Pascal begin and end: the
// core that the unit reader's lexer (whole texts) and the Output page's
// highlighter (a line at a time, carrying open comments to the next line)
// both scan with.
#pragma once

#include <QChar>
#include <QStringView>

enum class PascalComment {
    None,
    Brace,         // { ... }
    Parenthesis,   // (* ... *)
    Line,          // // ... up to the line break
};

// The comment that opens at text[at], if any.
PascalComment commentOpeningAt(QStringView text, qsizetype at);

// The length of the characters that open a comment of kind: 1 or 2.
qsizetype commentOpenerLength(PascalComment kind);

// Whether the comment of kind opening at text[at] is a compiler directive:
// "{$" or "(*$".
bool isCompilerDirective(QStringView text, qsizetype at, PascalComment kind);

// One past the end of a comment of kind whose inside starts at from: past its
// closer, or at the line break or the end of text for a line comment; -1 when
// the closer is not in text.
qsizetype commentEnd(QStringView text, qsizetype from, PascalComment kind);

// One past the quote that closes the string opening at text[at] (a doubled
// quote stands for one quote); -1 when the line or the text ends first.
qsizetype stringEnd(QStringView text, qsizetype at);

// The length of the number at text[at]: 12, 1.5, 2.5e-3, $FF, #13, #$0D;
// 0 when none begins there. "1..9" is a range: only the 1 is a number.
qsizetype numberLength(QStringView text, qsizetype at);
