#include "model/pascalscanner.h"

namespace {

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

PascalComment commentOpeningAt(QStringView text, qsizetype at)
{
    const QChar c = text[at];
    const QChar next = at + 1 < text.size() ? text[at + 1] : QChar();
    if (c == u'{')
        return PascalComment::Brace;
    if (c == u'(' && next == u'*')
        return PascalComment::Parenthesis;
    if (c == u'/' && next == u'/')
        return PascalComment::Line;
    return PascalComment::None;
}

qsizetype commentOpenerLength(PascalComment kind)
{
    return kind == PascalComment::Brace ? 1 : 2;
}

bool isCompilerDirective(QStringView text, qsizetype at, PascalComment kind)
{
    if (kind != PascalComment::Brace && kind != PascalComment::Parenthesis)
        return false;
    const qsizetype dollar = at + commentOpenerLength(kind);
    return dollar < text.size() && text[dollar] == u'$';
}

qsizetype commentEnd(QStringView text, qsizetype from, PascalComment kind)
{
    switch (kind) {
    case PascalComment::Brace: {
        const qsizetype close = text.indexOf(u'}', from);
        return close < 0 ? -1 : close + 1;
    }
    case PascalComment::Parenthesis: {
        const qsizetype close = text.indexOf(u"*)", from);
        return close < 0 ? -1 : close + 2;
    }
    case PascalComment::Line: {
        qsizetype end = from;
        while (end < text.size() && !isLineBreak(text[end]))
            ++end;
        return end;
    }
    case PascalComment::None:
        break;
    }
    return -1;
}

qsizetype stringEnd(QStringView text, qsizetype at)
{
    const QChar quote = text[at];
    const qsizetype size = text.size();
    qsizetype i = at + 1;
    for (;;) {
        while (i < size && text[i] != quote && !isLineBreak(text[i]))
            ++i;
        if (i >= size || isLineBreak(text[i]))
            return -1;
        ++i;
        if (i < size && text[i] == quote) {
            ++i;
            continue;
        }
        return i;
    }
}

qsizetype numberLength(QStringView text, qsizetype at)
{
    const qsizetype n = text.size();
    qsizetype i = at;
    const auto following = [&](qsizetype k) { return at + k < n ? text[at + k] : QChar(); };
    if (text[at] == u'$' || (text[at] == u'#' && following(1) == u'$')) {
        const qsizetype digits = text[at] == u'$' ? 1 : 2;
        i = at + digits;
        while (i < n && isHexDigit(text[i]))
            ++i;
        return i > at + digits ? i - at : 0;
    }
    if (text[at] == u'#') {
        i = at + 1;
        while (i < n && isDigit(text[i]))
            ++i;
        return i - at > 1 ? i - at : 0;
    }
    if (!isDigit(text[at]))
        return 0;
    while (i < n && isDigit(text[i]))
        ++i;
    if (i + 1 < n && text[i] == u'.' && isDigit(text[i + 1])) {
        i += 2;
        while (i < n && isDigit(text[i]))
            ++i;
    }
    if (i < n && (text[i] == u'e' || text[i] == u'E')) {
        qsizetype e = i + 1;
        if (e < n && (text[e] == u'+' || text[e] == u'-'))
            ++e;
        if (e < n && isDigit(text[e])) {
            i = e;
            while (i < n && isDigit(text[i]))
                ++i;
        }
    }
    return i - at;
}
