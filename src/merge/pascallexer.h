// Splits Object Pascal source into tokens. Each token keeps its place in the
// text, so that callers cut the text at token boundaries and give back what
// the user wrote byte for byte.
#pragma once

#include <QString>
#include <QStringView>

#include "model/pascalscanner.h"
#include "model/pascalvocabulary.h"

struct PascalToken {
    enum class Kind { EndOfText, Word, Number, String, Symbol, Comment, Error };
    Kind kind = Kind::EndOfText;
    qsizetype start = 0;
    qsizetype end = 0;                   // one past the last character
    PascalWord word = PascalWord::None;  // for Kind::Word

    bool is(PascalWord w) const { return kind == Kind::Word && word == w; }
    bool isSymbol(QStringView text, QStringView symbol) const
    {
        return kind == Kind::Symbol && text.sliced(start, end - start) == symbol;
    }
};

class PascalLexer
{
public:
    explicit PascalLexer(QStringView text);

    // The next token after the blanks; comments and compiler directives are
    // tokens of their own. Inside an asm block "@" labels are plain words and
    // double quotes also delimit strings.
    PascalToken next(bool assembler = false);
    // The next token that is not a comment.
    PascalToken nextCode(bool assembler = false);

    qsizetype position() const { return m_pos; }
    void setPosition(qsizetype position) { m_pos = position; }

    // Why the last Error token was given, e.g. "a string that is not closed".
    const QString &errorText() const { return m_error; }

private:
    PascalToken error(qsizetype start, const QString &why);
    PascalToken comment(qsizetype start, PascalComment kind);

    QStringView m_text;
    qsizetype m_pos = 0;
    QString m_error;
};
