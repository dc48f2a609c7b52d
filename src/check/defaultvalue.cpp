#include "check/defaultvalue.h"

#include "check/typetable.h"
#include "model/pascalvocabulary.h"

using namespace Qt::StringLiterals;

namespace {

using Severity = Finding::Severity;

Verdict error(const QString &message)
{
    return {Severity::Error, message};
}

bool isHexDigit(QChar c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

// A constant of the library that names a number, as the library declares it.
std::optional<qint64> namedInteger(const PascalType &type, const QString &name)
{
    if (sameName(name, u"MaxInt"_s) || sameName(name, u"MaxLongint"_s))
        return 2147483647LL;
    for (const QString &constant : type.values) {
        if (sameName(constant, name))
            return 0;   // a colour or cursor constant: in range by its declaration
    }
    return std::nullopt;
}

std::optional<Verdict> checkInteger(const PascalType &type, const QString &value)
{
    std::optional<qint64> number = integerLiteral(value);
    if (!number && isPascalIdentifier(value))
        number = namedInteger(type, value);
    if (!number)
        return error(u"default '%1' is not a number; type a whole number"_s.arg(value));
    // Out of range is a constant range violation, which Delphi always rejects.
    if (*number < type.min || *number > type.max) {
        return error(u"default %1 does not fit %2 (%3 to %4); choose a value in that range"_s
                         .arg(value, type.name).arg(type.min).arg(type.max));
    }
    return std::nullopt;
}

bool isSetOf(const PascalType &type, const QString &value)
{
    if (!value.startsWith(u'[') || !value.endsWith(u']'))
        return false;
    const QString inner = value.mid(1, value.size() - 2).trimmed();
    if (inner.isEmpty())
        return true;
    for (const QString &element : inner.split(u',')) {
        const QString name = element.trimmed();
        bool known = false;
        for (const QString &candidate : type.values)
            known = known || sameName(candidate, name);
        if (!known)
            return false;
    }
    return true;
}

} // namespace

int characterStringLength(const QString &text)
{
    int length = 0;
    qsizetype i = 0;
    const qsizetype n = text.size();
    if (n == 0)
        return -1;
    while (i < n) {
        if (text.at(i) == u'\'') {
            ++i;
            for (;;) {
                if (i >= n)
                    return -1;   // unterminated
                if (text.at(i) == u'\'') {
                    if (i + 1 < n && text.at(i + 1) == u'\'') {
                        ++length;
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                ++length;
                ++i;
            }
        } else if (text.at(i) == u'#') {
            ++i;
            const bool hex = i < n && text.at(i) == u'$';
            if (hex)
                ++i;
            const qsizetype start = i;
            while (i < n && (hex ? isHexDigit(text.at(i)) : text.at(i).isDigit() && text.at(i) < u'\x80'))
                ++i;
            if (i == start || i - start > 4)
                return -1;
            ++length;
        } else {
            return -1;
        }
    }
    return length;
}

std::optional<qint64> integerLiteral(const QString &text)
{
    QString digits = text.trimmed();
    bool negative = false;
    if (digits.startsWith(u'-') || digits.startsWith(u'+')) {
        negative = digits.startsWith(u'-');
        digits = digits.mid(1).trimmed();
    }
    const bool hex = digits.startsWith(u'$');
    if (hex)
        digits = digits.mid(1);
    // Longer literals are out of every range anyway; this keeps the sum in 64 bits.
    if (digits.isEmpty() || digits.size() > 16)
        return std::nullopt;
    qint64 number = 0;
    for (const QChar c : digits) {
        if (hex ? !isHexDigit(c) : !(c >= u'0' && c <= u'9'))
            return std::nullopt;
        const int digit = c <= u'9' ? c.unicode() - u'0' : (c.unicode() | 0x20) - u'a' + 10;
        number = number * (hex ? 16 : 10) + digit;
    }
    return negative ? -number : number;
}

std::optional<Verdict> checkDefaultValue(const PascalType &type, const QString &value)
{
    const QString kind = kindPhrase(type.kind);
    switch (type.kind) {
    case TypeKind::Integer:
        return checkInteger(type, value);
    case TypeKind::Boolean:
        if (sameName(value, u"True"_s) || sameName(value, u"False"_s))
            return std::nullopt;
        return error(u"default '%1' is not True or False"_s.arg(value));
    case TypeKind::Char:
        if (characterStringLength(value) == 1)
            return std::nullopt;
        return error(u"default %1 is not one character; write it as 'A' or #65"_s.arg(value));
    case TypeKind::Enumeration:
        for (const QString &element : type.values) {
            if (sameName(element, value))
                return std::nullopt;
        }
        return error(u"default '%1' is not a value of %2 (%3)"_s
                         .arg(value, type.name, type.values.join(u", "_s)));
    case TypeKind::Set:
        if (isSetOf(type, value))
            return std::nullopt;
        return error(u"default '%1' is not a set of %2 in brackets, such as [%3]"_s
                         .arg(value, type.name, type.values.value(0)));
    case TypeKind::String:
        // The unit omits the clause for string, but the constructor assigns the value.
        if (characterStringLength(value) < 0)
            return error(u"default %1 is not a string constant; a quote inside it must be doubled"_s
                             .arg(value));
        return Verdict{Severity::Warning,
            u"string properties take no default clause, so the default is not written; "
            "the constructor still sets the field to %1"_s.arg(value)};
    case TypeKind::Pointer:
    case TypeKind::Class:
        // A pointer default can only be nil; a default of a string or a number is refused.
        if (sameName(value, u"nil"_s))
            return std::nullopt;
        return error(u"%1 property takes no default but nil; leave the default empty"_s.arg(kind));
    case TypeKind::Real:
    case TypeKind::OtherString:
    case TypeKind::Method:
    case TypeKind::Record:
    case TypeKind::TextFile:
        // Only ordinal, small-set and pointer types can have a default.
        return error(u"%1 property (%2) cannot have a default; leave the default empty"_s
                         .arg(kind, type.name));
    }
    return std::nullopt;
}
