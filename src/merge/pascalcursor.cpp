#include "merge/pascalcursor.h"

#include "merge/pascalreader.h"

#include <QList>

using namespace Qt::StringLiterals;

using Kind = PascalToken::Kind;

bool isSectionWord(const PascalToken &token)
{
    return token.is(PascalWord::Implementation) || token.is(PascalWord::Initialization)
        || token.is(PascalWord::Finalization);
}

bool isOutsideLists(const PascalToken &token)
{
    return token.is(PascalWord::Begin) || token.is(PascalWord::End) || token.is(PascalWord::Asm)
        || token.is(PascalWord::Try) || token.is(PascalWord::Case) || token.is(PascalWord::Procedure)
        || token.is(PascalWord::Function) || token.is(PascalWord::Constructor)
        || token.is(PascalWord::Destructor) || isSectionWord(token);
}

PascalCursor::PascalCursor(QStringView text)
    : m_text(text)
    , m_lexer(text)
{
}

void PascalCursor::advance(bool assembler)
{
    m_before = m_previous;
    m_previous = m_token;
    m_token = m_lexer.nextCode(assembler);
    if (m_token.kind == Kind::Error)
        fail(m_lexer.errorText(), m_token.start);
}

void PascalCursor::fail(const QString &why, qsizetype position)
{
    if (!m_error.isEmpty())
        return;
    // A comment whose close was forgotten runs on to the close of the next
    // comment, and the reading fails further down: the comment is the fault.
    const qsizetype comment = commentRunningOn(position);
    if (comment >= 0) {
        m_error = u"a comment that is not closed (line "_s + QString::number(lineNumberAt(m_text, comment)) + u")"_s;
        return;
    }
    m_error = why + u" (line "_s + QString::number(lineNumberAt(m_text, position)) + u")"_s;
}

// Where the first comment before position begins that holds the opening of
// another comment of its kind ("{ ... { ... }"); -1 when none does.
qsizetype PascalCursor::commentRunningOn(qsizetype position) const
{
    PascalLexer lexer(m_text);
    for (;;) {
        const PascalToken token = lexer.next();
        if (token.kind == Kind::EndOfText || token.kind == Kind::Error || token.start >= position)
            return -1;
        if (token.kind != Kind::Comment)
            continue;
        const QStringView text = m_text.sliced(token.start, token.end - token.start);
        if ((text.startsWith(u'{') && text.sliced(1).contains(u'{'))
            || (text.startsWith(u"(*") && text.sliced(2).contains(u"(*")))
            return token.start;
    }
}

QString PascalCursor::textOf(const PascalToken &token) const
{
    return m_text.sliced(token.start, token.end - token.start).toString();
}

PascalToken PascalCursor::peek()
{
    const qsizetype position = m_lexer.position();
    const PascalToken token = m_lexer.nextCode();
    m_lexer.setPosition(position);
    return token;
}

void PascalCursor::skipTo(QStringView symbolText)
{
    while (ok() && !atEnd() && !symbol(m_token, symbolText))
        advance();
}

// "class" (or "interface") after "=" declares a type with a body up to "end",
// except in the forms "class of T", "class;" and "class(TBase);".
bool PascalCursor::classTypeFollows()
{
    if (!symbol(m_previous, u"=") && !m_previous.is(PascalWord::Packed))
        return false;
    const qsizetype position = m_lexer.position();
    PascalToken token = m_lexer.nextCode();
    if (token.isSymbol(m_text, u"(")) {
        // The ancestors: names and commas up to ")".
        const qsizetype open = token.start;
        while (token.kind != Kind::EndOfText && token.kind != Kind::Error && !symbol(token, u")")
               && !symbol(token, u";") && !isOutsideLists(token))
            token = m_lexer.nextCode();
        if (!symbol(token, u")")) {
            m_lexer.setPosition(position);
            fail(u"a parenthesis that is not closed"_s, open);
            return false;
        }
        token = m_lexer.nextCode();
    }
    m_lexer.setPosition(position);
    return !symbol(token, u";") && !token.is(PascalWord::Of);
}

bool PascalCursor::opensBlock(bool inRecord)
{
    switch (m_token.kind == Kind::Word ? m_token.word : PascalWord::None) {
    case PascalWord::Begin:
    case PascalWord::Try:
    case PascalWord::Asm:
    case PascalWord::Record:
        return true;
    case PascalWord::Case:
        // The variant part of a record ends with the record's own "end".
        return !inRecord;
    case PascalWord::Object:
        return !m_previous.is(PascalWord::Of);
    case PascalWord::Class:
    case PascalWord::Interface:
    case PascalWord::DispInterface:
        return classTypeFollows();
    default:
        return false;
    }
}

void PascalCursor::skipAssembler()
{
    const qsizetype start = m_token.start;
    do {
        advance(true);
    } while (ok() && !atEnd() && !m_token.is(PascalWord::End));
    if (ok() && atEnd())
        fail(u"\"asm\" has no matching \"end\""_s, start);
}

void PascalCursor::skipBlock()
{
    QList<PascalToken> open;
    for (;;) {
        if (m_token.is(PascalWord::Asm)) {
            skipAssembler();
            if (!ok() || open.isEmpty())
                return;
        } else if (m_token.is(PascalWord::End)) {
            open.removeLast();
            if (open.isEmpty())
                return;
        } else if (opensBlock(!open.isEmpty() && open.last().is(PascalWord::Record))) {
            open.append(m_token);
        }
        advance();
        if (!ok())
            return;
        if (atEnd() || isSectionWord(m_token)) {
            fail(u"\""_s + textOf(open.last()).toLower() + u"\" has no matching \"end\""_s,
                 open.last().start);
            return;
        }
    }
}

void PascalCursor::skipParentheses()
{
    // Parameters hold no block and no routine: such a word inside means the ")" is missing.
    const qsizetype start = m_token.start;
    int depth = 0;
    do {
        if (symbol(m_token, u"("))
            ++depth;
        else if (symbol(m_token, u")"))
            --depth;
        advance();
    } while (ok() && depth > 0 && !atEnd() && !isOutsideLists(m_token));
    if (ok() && depth > 0)
        fail(u"a parenthesis that is not closed"_s, start);
}
