#include "specfile/profiletext.h"

#include <QHashFunctions>

#include <limits>

namespace ProfileText {

namespace {

char16_t lowerAscii(char16_t u)
{
    return u >= u'A' && u <= u'Z' ? char16_t(u + (u'a' - u'A')) : u;
}

bool isAscii(QStringView text)
{
    char16_t bits = 0;
    for (const QChar c : text)
        bits |= c.unicode();
    return bits < 0x80;
}

// FNV-1a over the code units, ASCII letters folded on the way, from a basis
// that differs from run to run; *ascii says whether every unit was ASCII.
size_t hashFolding(QStringView name, bool *ascii)
{
    size_t h = 14695981039346656037ull ^ QHashSeed::globalSeed();
    char16_t bits = 0;
    for (const QChar c : name) {
        bits |= c.unicode();
        h = (h ^ lowerAscii(c.unicode())) * 1099511628211ull;
    }
    *ascii = bits < 0x80;
    return h;
}

} // namespace

QString fold(QStringView name)
{
    return trimBlanks(name).toString().toCaseFolded();
}

size_t FoldedNameHash::operator()(QStringView name) const
{
    bool ascii = true;
    const size_t h = hashFolding(trimBlanks(name), &ascii);
    // A name beyond ASCII is hashed in its folded form, which may be ASCII
    // (the Kelvin sign folds to k).
    return ascii ? h : hashFolding(fold(name), &ascii);
}

bool FoldedNameEqual::operator()(QStringView a, QStringView b) const
{
    a = trimBlanks(a);
    b = trimBlanks(b);
    if (a.size() == b.size()) {
        char16_t bits = 0;
        bool same = true;
        for (qsizetype i = 0; i < a.size(); ++i) {
            const char16_t x = a.at(i).unicode();
            const char16_t y = b.at(i).unicode();
            bits |= x | y;
            same &= lowerAscii(x) == lowerAscii(y);
        }
        if (bits < 0x80)
            return same;
    } else if (isAscii(a) && isAscii(b)) {
        return false;
    }
    return fold(a) == fold(b);
}

std::optional<qint64> numberAfter(QStringView foldedKey, QStringView foldedPrefix)
{
    if (!foldedKey.startsWith(foldedPrefix))
        return std::nullopt;
    const QStringView digits = foldedKey.mid(foldedPrefix.size());
    if (digits.isEmpty() || (digits.size() > 1 && digits.front() == u'0'))
        return std::nullopt;   // "007" is not the key of 7
    constexpr qint64 kMax = std::numeric_limits<qint64>::max();
    qint64 n = 0;
    for (const QChar c : digits) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        const int d = c.unicode() - u'0';
        n = n > (kMax - d) / 10 ? kMax : n * 10 + d;
    }
    return n;
}

QStringList valueLines(const QString &value)
{
    if (!hasLineBreak(value))
        return {value};
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (c != u'\r' && c != u'\n')
            continue;
        lines.append(value.mid(start, i - start));
        if (c == u'\r' && i + 1 < value.size() && value.at(i + 1) == u'\n')
            ++i;
        start = i + 1;
    }
    lines.append(value.mid(start));
    return lines;
}

QString continuationKey(QStringView key, int n)
{
    return key.toString() + u'.' + QString::number(n);
}

} // namespace ProfileText
