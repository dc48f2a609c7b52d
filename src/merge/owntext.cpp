// SPDX-License-Identifier: MIT
#include "merge/owntext.h"

#include "merge/generatedbody.h"
#include "merge/pascallexer.h"

#include <QList>
#include <QSet>

namespace {

bool isBreak(QChar c)
{
    return c == u'\n' || c == u'\r';
}

// "{==========}", "{-}", "{}": a build's separator line in any style.
bool isSeparator(QStringView comment)
{
    if (comment.size() < 2 || comment.front() != u'{' || comment.back() != u'}')
        return false;
    const QStringView inner = comment.sliced(1, comment.size() - 2);
    if (inner.startsWith(u'$'))
        return false;   // a compiler directive
    for (const QChar c : inner) {
        if (c.isLetterOrNumber() || c.isSpace() || c == u'}')
            return false;
    }
    return true;
}

bool isMethodComment(QStringView comment)
{
    return comment.startsWith(u"{ ") && comment.endsWith(u" }");
}

qsizetype lineStart(QStringView text, qsizetype position, qsizetype floor)
{
    while (position > floor && !isBreak(text[position - 1]))
        --position;
    return position;
}

qsizetype afterLineBreak(QStringView text, qsizetype position, qsizetype ceiling)
{
    while (position < ceiling && !isBreak(text[position]))
        ++position;
    if (position < ceiling)
        position += text[position] == u'\r' && position + 1 < ceiling && text[position + 1] == u'\n' ? 2 : 1;
    return position;
}

// The tokens from start to end, read as the unit reader reads them (asm
// blocks in their own terms). Text that does not lex is one token to the end.
QList<PascalToken> tokensOf(QStringView text, qsizetype start, qsizetype end)
{
    QList<PascalToken> tokens;
    PascalLexer lexer(text);
    lexer.setPosition(start);
    bool assembler = false;
    for (;;) {
        PascalToken token = lexer.next(assembler);
        if (token.kind == PascalToken::Kind::EndOfText || token.start >= end)
            return tokens;
        if (token.kind == PascalToken::Kind::Error) {
            tokens.append({PascalToken::Kind::Symbol, token.start, end, PascalWord::None});
            return tokens;
        }
        if (token.is(PascalWord::Asm))
            assembler = true;
        else if (token.is(PascalWord::End))
            assembler = false;
        tokens.append(token);
    }
}

QStringView textOf(QStringView text, const PascalToken &token)
{
    return text.sliced(token.start, token.end - token.start);
}

} // namespace

OwnText ownText(QStringView text, PascalSpan gap, QStringView newGap, bool dropLastComment)
{
    QSet<QString> buildComments;
    for (const PascalToken &token : tokensOf(newGap, 0, newGap.size())) {
        if (token.kind == PascalToken::Kind::Comment)
            buildComments.insert(comparableText(textOf(newGap, token)));
    }

    const QList<PascalToken> tokens = tokensOf(text, gap.start, gap.end);
    QList<bool> own(tokens.size(), true);
    for (qsizetype i = 0; i < tokens.size(); ++i) {
        const QStringView token = textOf(text, tokens[i]);
        if (tokens[i].kind == PascalToken::Kind::Comment
            && (isSeparator(token) || buildComments.contains(comparableText(token))))
            own[i] = false;
    }
    OwnText result;
    if (dropLastComment && !tokens.isEmpty() && tokens.last().kind == PascalToken::Kind::Comment
        && isMethodComment(textOf(text, tokens.last()))) {
        own.last() = false;
        result.comment = {tokens.last().start, tokens.last().end};
    }

    const qsizetype first = own.indexOf(true);
    if (first < 0)
        return result;
    const qsizetype last = own.lastIndexOf(true);

    // Whole lines, widened until no token of the stretch is cut in two.
    PascalSpan &span = result.lines;
    span = {lineStart(text, tokens[first].start, gap.start), afterLineBreak(text, tokens[last].end, gap.end)};
    for (qsizetype i = first - 1; i >= 0; --i) {
        if (tokens[i].end > span.start)
            span.start = lineStart(text, tokens[i].start, gap.start);
    }
    for (qsizetype i = last + 1; i < tokens.size(); ++i) {
        if (tokens[i].start < span.end)
            span.end = afterLineBreak(text, tokens[i].end, gap.end);
    }
    return result;
}
