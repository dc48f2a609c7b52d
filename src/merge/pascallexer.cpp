#include "merge/pascallexer.h"

#include <array>
#include <string_view>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

struct WordEntry {
    std::string_view name;   // lower case
    PascalWord word;
};

constexpr std::array kWords = {
    WordEntry{"asm", PascalWord::Asm},
    WordEntry{"begin", PascalWord::Begin},
    WordEntry{"case", PascalWord::Case},
    WordEntry{"class", PascalWord::Class},
    WordEntry{"constructor", PascalWord::Constructor},
    WordEntry{"destructor", PascalWord::Destructor},
    WordEntry{"dispinterface", PascalWord::DispInterface},
    WordEntry{"end", PascalWord::End},
    WordEntry{"finalization", PascalWord::Finalization},
    WordEntry{"function", PascalWord::Function},
    WordEntry{"implementation", PascalWord::Implementation},
    WordEntry{"initialization", PascalWord::Initialization},
    WordEntry{"interface", PascalWord::Interface},
    WordEntry{"object", PascalWord::Object},
    WordEntry{"of", PascalWord::Of},
    WordEntry{"operator", PascalWord::Operator},
    WordEntry{"packed", PascalWord::Packed},
    WordEntry{"procedure", PascalWord::Procedure},
    WordEntry{"record", PascalWord::Record},
    WordEntry{"try", PascalWord::Try},
    WordEntry{"unit", PascalWord::Unit},
    WordEntry{"uses", PascalWord::Uses},
    WordEntry{"forward", PascalWord::Forward},
    WordEntry{"external", PascalWord::External},
    WordEntry{"abstract", PascalWord::Directive},
    WordEntry{"assembler", PascalWord::Directive},
    WordEntry{"cdecl", PascalWord::Directive},
    WordEntry{"deprecated", PascalWord::Directive},
    WordEntry{"dynamic", PascalWord::Directive},
    WordEntry{"experimental", PascalWord::Directive},
    WordEntry{"export", PascalWord::Directive},
    WordEntry{"far", PascalWord::Directive},
    WordEntry{"final", PascalWord::Directive},
    WordEntry{"inline", PascalWord::Directive},
    WordEntry{"library", PascalWord::Directive},
    WordEntry{"local", PascalWord::Directive},
    WordEntry{"message", PascalWord::Directive},
    WordEntry{"near", PascalWord::Directive},
    WordEntry{"overload", PascalWord::Directive},
    WordEntry{"override", PascalWord::Directive},
    WordEntry{"pascal", PascalWord::Directive},
    WordEntry{"platform", PascalWord::Directive},
    WordEntry{"register", PascalWord::Directive},
    WordEntry{"reintroduce", PascalWord::Directive},
    WordEntry{"safecall", PascalWord::Directive},
    WordEntry{"static", PascalWord::Directive},
    WordEntry{"stdcall", PascalWord::Directive},
    WordEntry{"varargs", PascalWord::Directive},
    WordEntry{"virtual", PascalWord::Directive},
    WordEntry{"winapi", PascalWord::Directive},
};

constexpr qsizetype kLongestWord = 14;

bool isWordStart(QChar c)
{
    return c == u'_' || c.isLetter();
}

bool isWordChar(QChar c)
{
    return isWordStart(c) || (c >= u'0' && c <= u'9');
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool isHexDigit(QChar c)
{
    return isDigit(c) || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

bool isLineBreak(QChar c)
{
    return c == u'\n' || c == u'\r';
}

} // namespace

PascalWord pascalWordOf(QStringView word)
{
    if (word.size() < 2 || word.size() > kLongestWord)
        return PascalWord::None;
    char lower[kLongestWord];
    for (qsizetype i = 0; i < word.size(); ++i) {
        const char16_t c = word[i].unicode();
        if (c >= 0x80)
            return PascalWord::None;
        lower[i] = char(c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c);
    }
    // Looked up among the words of the same length only: the lexer asks for every word.
    static const auto byLength = [] {
        std::array<std::vector<WordEntry>, kLongestWord + 1> table;
        for (const WordEntry &entry : kWords)
            table[entry.name.size()].push_back(entry);
        return table;
    }();
    const std::string_view key(lower, size_t(word.size()));
    for (const WordEntry &entry : byLength[size_t(word.size())]) {
        if (entry.name == key)
            return entry.word;
    }
    return PascalWord::None;
}

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

PascalToken PascalLexer::comment(qsizetype start, QStringView close)
{
    const qsizetype found = m_text.indexOf(close, m_pos);
    if (found < 0)
        return error(start, u"a comment that is not closed"_s);
    m_pos = found + close.size();
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

    if (c == u'{') {
        ++m_pos;
        return comment(start, u"}");
    }
    if (c == u'(' && following == u'*') {
        m_pos += 2;
        return comment(start, u"*)");
    }
    if (c == u'/' && following == u'/') {
        while (m_pos < size && !isLineBreak(m_text[m_pos]))
            ++m_pos;
        return {Kind::Comment, start, m_pos, PascalWord::None};
    }
    if (c == u'\'' || (assembler && c == u'"')) {
        // A doubled quote stands for one quote; a string ends on its line.
        ++m_pos;
        for (;;) {
            while (m_pos < size && m_text[m_pos] != c && !isLineBreak(m_text[m_pos]))
                ++m_pos;
            if (m_pos >= size || isLineBreak(m_text[m_pos]))
                return error(start, u"a string that is not closed on its line"_s);
            ++m_pos;
            if (m_pos < size && m_text[m_pos] == c) {
                ++m_pos;
                continue;
            }
            return {Kind::String, start, m_pos, PascalWord::None};
        }
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
    if (c == u'$' && isHexDigit(following)) {
        ++m_pos;
        while (m_pos < size && isHexDigit(m_text[m_pos]))
            ++m_pos;
        return {Kind::Number, start, m_pos, PascalWord::None};
    }
    if (c == u'#' && (isDigit(following) || following == u'$')) {
        // A character code: #13 or #$0D.
        ++m_pos;
        const bool hex = m_text[m_pos] == u'$';
        if (hex)
            ++m_pos;
        while (m_pos < size && (hex ? isHexDigit(m_text[m_pos]) : isDigit(m_text[m_pos])))
            ++m_pos;
        return {Kind::Number, start, m_pos, PascalWord::None};
    }
    if (isDigit(c)) {
        // Digits, a fraction and an exponent; "1..5" is a range, "1end" two tokens.
        while (m_pos < size && isDigit(m_text[m_pos]))
            ++m_pos;
        if (m_pos + 1 < size && m_text[m_pos] == u'.' && isDigit(m_text[m_pos + 1])) {
            ++m_pos;
            while (m_pos < size && isDigit(m_text[m_pos]))
                ++m_pos;
        }
        if (m_pos < size && (m_text[m_pos] == u'e' || m_text[m_pos] == u'E')) {
            qsizetype exponent = m_pos + 1;
            if (exponent < size && (m_text[exponent] == u'+' || m_text[exponent] == u'-'))
                ++exponent;
            if (exponent < size && isDigit(m_text[exponent])) {
                m_pos = exponent;
                while (m_pos < size && isDigit(m_text[m_pos]))
                    ++m_pos;
            }
        }
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
