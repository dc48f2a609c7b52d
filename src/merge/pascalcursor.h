// Walks the tokens of Object Pascal source for the unit reader: the current
// token and the two before it, look-ahead, the first error with its line, and
// the blocks that close with "end" (begin, case, try, asm, record, object,
// class), skipped whole.
#pragma once

#include <QString>
#include <QStringView>

#include "merge/pascallexer.h"

class PascalCursor
{
public:
    explicit PascalCursor(QStringView text);

    // Why the text does not read, with the line; empty while it does.
    const QString &error() const { return m_error; }

protected:
    void advance(bool assembler = false);
    bool ok() const { return m_error.isEmpty(); }
    bool atEnd() const { return m_token.kind == PascalToken::Kind::EndOfText; }
    // Records the first failure only.
    void fail(const QString &why, qsizetype position);
    bool symbol(const PascalToken &token, QStringView text) const { return token.isSymbol(m_text, text); }
    QString textOf(const PascalToken &token) const;
    // The token after the current one; the cursor stays where it is.
    PascalToken peek();
    void skipTo(QStringView symbolText);

    // Whether the current token opens a block that an "end" closes; inRecord:
    // inside a record, whose variant part has no "end" of its own.
    bool opensBlock(bool inRecord);
    // From an opening word to its matching "end", which becomes the current token.
    void skipBlock();
    // From "(" to the token after its matching ")".
    void skipParentheses();

    QStringView m_text;
    PascalToken m_token;
    PascalToken m_previous;
    PascalToken m_before;

private:
    qsizetype commentRunningOn(qsizetype position) const;
    bool classTypeFollows();
    void skipAssembler();

    PascalLexer m_lexer;
    QString m_error;
};

bool isSectionWord(const PascalToken &token);
// A word no list in parentheses holds: "begin", "end", "asm", "try", "case", a
// routine's keyword or a section keyword.
bool isOutsideLists(const PascalToken &token);
