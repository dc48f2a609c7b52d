#include "check/pascalnames.h"

#include <QSet>

#include "model/stringlists.h"

using namespace Qt::StringLiterals;

namespace {

bool isLetter(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || c == u'_';
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

} // namespace

bool isPascalIdentifier(const QString &text)
{
    if (text.isEmpty() || !isLetter(text.at(0)))
        return false;
    for (const QChar c : text) {
        if (!isLetter(c) && !isDigit(c))
            return false;
    }
    return true;
}

bool isReservedWord(const QString &text)
{
    // Directives (read, write, default, virtual, private, ...) are left out:
    // both compilers take them as names wherever a name is expected.
    static const QSet<QString> words = {
        // Delphi 2.0
        u"and"_s, u"array"_s, u"as"_s, u"asm"_s, u"begin"_s, u"case"_s, u"class"_s,
        u"const"_s, u"constructor"_s, u"destructor"_s, u"div"_s, u"do"_s, u"downto"_s,
        u"else"_s, u"end"_s, u"except"_s, u"exports"_s, u"file"_s, u"finalization"_s,
        u"finally"_s, u"for"_s, u"function"_s, u"goto"_s, u"if"_s, u"implementation"_s,
        u"in"_s, u"inherited"_s, u"initialization"_s, u"inline"_s, u"interface"_s,
        u"is"_s, u"label"_s, u"library"_s, u"mod"_s, u"nil"_s, u"not"_s, u"object"_s,
        u"of"_s, u"or"_s, u"packed"_s, u"procedure"_s, u"program"_s, u"property"_s,
        u"raise"_s, u"record"_s, u"repeat"_s, u"set"_s, u"shl"_s, u"shr"_s,
        u"string"_s, u"then"_s, u"threadvar"_s, u"to"_s, u"try"_s, u"type"_s,
        u"unit"_s, u"until"_s, u"uses"_s, u"var"_s, u"while"_s, u"with"_s, u"xor"_s,
        // Free Pascal in Delphi mode adds these (it does not reserve inline)
        u"bitpacked"_s, u"dispinterface"_s, u"otherwise"_s, u"resourcestring"_s,
    };
    return words.contains(asciiLower(text));
}

bool sameName(const QString &a, const QString &b)
{
    return a.size() == b.size() && asciiUpper(a) == asciiUpper(b);
}
