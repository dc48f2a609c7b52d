// SPDX-License-Identifier: MIT
#include "merge/sourcetext.h"

#include "merge/pascallexer.h"

bool isLineBreak(QChar c)
{
    return c == u'\n' || c == u'\r';
}

qsizetype lineStart(QStringView text, qsizetype position)
{
    while (position > 0 && !isLineBreak(text[position - 1]))
        --position;
    return position;
}

qsizetype afterLineBreak(QStringView text, qsizetype position)
{
    while (position < text.size() && !isLineBreak(text[position]))
        ++position;
    if (position < text.size())
        position += text[position] == u'\r' && position + 1 < text.size() && text[position + 1] == u'\n' ? 2 : 1;
    return position;
}

QList<PascalSpan> multiLineComments(QStringView text, qsizetype start, qsizetype end)
{
    QList<PascalSpan> spans;
    PascalLexer lexer(text);
    lexer.setPosition(start);
    for (;;) {
        const PascalToken token = lexer.next();
        if (token.kind == PascalToken::Kind::EndOfText || token.kind == PascalToken::Kind::Error
            || token.start >= end)
            return spans;
        const QStringView comment = text.sliced(token.start, token.end - token.start);
        if (token.kind == PascalToken::Kind::Comment && (comment.contains(u'\n') || comment.contains(u'\r')))
            spans.append({token.start, token.end});
    }
}

PascalSpan widenedOverComments(QStringView text, PascalSpan lines, const QList<PascalSpan> &comments)
{
    for (bool changed = true; changed;) {
        changed = false;
        for (const PascalSpan &comment : comments) {
            if (comment.start < lines.start && lines.start < comment.end) {
                lines.start = lineStart(text, comment.start);
                changed = true;
            }
            if (comment.start < lines.end && lines.end < comment.end) {
                lines.end = afterLineBreak(text, comment.end);
                changed = true;
            }
        }
    }
    return lines;
}


const PascalClassDeclaration *findClass(const PascalUnit &unit, QStringView name)
{
    if (name.isEmpty())
        return nullptr;
    for (const PascalClassDeclaration &declaration : unit.classes) {
        if (declaration.name.compare(name, Qt::CaseInsensitive) == 0)
            return &declaration;
    }
    return nullptr;
}

