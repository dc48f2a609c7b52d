#include "merge/pascallexer.h"

#include <array>
#include <string_view>

#include "model/pascalscanner.h"

using namespace Qt::StringLiterals;

namespace {

bool isWordStart(QChar c)
{
    return c == u'_' || c.isLetter();
}

bool isWordChar(QChar c)
{
    return isWordStart(c) || (c >= u'0' && c <= u'9');
}

} // namespace

PascalLexer::PascalLexer(QStringView text)
    : m_text(text)
{
}

PascalToken PascalLexer::error(qsizetype start, const QString &why)
{
    m_error = why;
    m_pos = m_text.size();
    return {PascalToken::Kind::Error, start, start, PascalWord::None};
}

PascalToken PascalLexer::comment(qsizetype start, PascalComment kind)
{
    const qsizetype end = commentEnd(m_text, start + commentOpenerLength(kind), kind);
    if (end < 0)
        return error(start, u"a comment that is not closed"_s);
    m_pos = end;
    return {PascalToken::Kind::Comment, start, m_pos, PascalWord::None};
}

PascalToken PascalLexer::next(bool assembler)
{
    const qsizetype size = m_text.size();
    while (m_pos < size && m_text[m_pos].unicode() <= u' ')
        ++m_pos;
    if (m_pos >= size)
        return {PascalToken::Kind::EndOfText, size, size, PascalWord::None};

    const qsizetype start = m_pos;
    const QChar c = m_text[m_pos];
    const QChar following = m_pos + 1 < size ? m_text[m_pos + 1] : QChar();
    using Kind = PascalToken::Kind;

    if (const PascalComment kind = commentOpeningAt(m_text, m_pos); kind != PascalComment::None)
        return comment(start, kind);
    if (c == u'\'' || (assembler && c == u'"')) {
        const qsizetype end = stringEnd(m_text, start);
        if (end < 0)
            return error(start, u"a string that is not closed on its line"_s);
        m_pos = end;
        return {Kind::String, start, m_pos, PascalWord::None};
    }
    if (isWordStart(c) || (c == u'&' && isWordStart(following))
        || (assembler && c == u'@')) {
        // "&begin" names an identifier; in assembler "@@end" is a label.
        const bool plain = isWordStart(c);
        while (m_pos < size && (m_text[m_pos] == u'@' || m_text[m_pos] == u'&'))
            ++m_pos;
        const qsizetype wordStart = m_pos;
        while (m_pos < size && isWordChar(m_text[m_pos]))
            ++m_pos;
        if (m_pos == wordStart)
            return {Kind::Symbol, start, m_pos, PascalWord::None};
        const PascalWord word = plain ? pascalWordOf(m_text.sliced(start, m_pos - start))
                                      : PascalWord::None;
        return {Kind::Word, start, m_pos, word};
    }
    if (const qsizetype length = numberLength(m_text, start); length > 0) {
        m_pos += length;
        return {Kind::Number, start, m_pos, PascalWord::None};
    }
    static constexpr std::array<std::u16string_view, 5> kPairs = {u":=", u"..", u"<=", u">=", u"<>"};
    for (const std::u16string_view pair : kPairs) {
        if (c == QChar(pair[0]) && following == QChar(pair[1])) {
            m_pos += 2;
            return {Kind::Symbol, start, m_pos, PascalWord::None};
        }
    }
    ++m_pos;
    return {Kind::Symbol, start, m_pos, PascalWord::None};
}

PascalToken PascalLexer::nextCode(bool assembler)
{
    PascalToken token = next(assembler);
    while (token.kind == PascalToken::Kind::Comment)
        token = next(assembler);
    return token;
}
