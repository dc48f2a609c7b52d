#include "specfile/profiletext.h"

#include <limits>

namespace ProfileText {

QString fold(QStringView name)
{
    return trimBlanks(name).toString().toCaseFolded();
}

QString foldName(const QString &name)
{
    const QStringView trimmed = trimBlanks(name);
    if (trimmed.size() == name.size() && !needsFolding(trimmed))
        return name;
    return trimmed.toString().toCaseFolded();
}

std::optional<qint64> numberAfter(QStringView key, QStringView prefix)
{
    if (!key.startsWith(prefix))
        return std::nullopt;
    const QStringView digits = key.mid(prefix.size());
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

QString continuationKey(const QString &key, int n)
{
    return key + u'.' + QString::number(n);
}

ContinuationKey::ContinuationKey(QStringView base)
{
    m_text.append(reinterpret_cast<const char16_t *>(base.data()), base.size());
    m_text.append(u'.');
    m_baseSize = m_text.size();
}

QStringView ContinuationKey::operator()(int n)
{
    m_text.resize(m_baseSize);
    char16_t digits[12];
    int count = 0;
    do {
        digits[count++] = char16_t(u'0' + n % 10);
        n /= 10;
    } while (n > 0);
    while (count > 0)
        m_text.append(digits[--count]);
    return QStringView(m_text.data(), m_text.size());
}

} // namespace ProfileText
