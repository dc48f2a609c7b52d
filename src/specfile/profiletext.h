// Small text rules of profile files: blanks, names that match without regard
// to letter case, numbered keys, and the continuation keys of values written
// over several lines.
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>
#include <unordered_map>

namespace ProfileText {

// Blanks are ASCII white space only: QString::trimmed() would also take
// characters such as U+00A0, which belong to the value.
inline bool isBlank(QChar c)
{
    const char16_t u = c.unicode();
    return u == u' ' || (u >= u'\t' && u <= u'\r');
}

inline QStringView trimBlanks(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text.at(begin)))
        ++begin;
    while (end > begin && isBlank(text.at(end - 1)))
        --end;
    return text.mid(begin, end - begin);
}

// The form under which names match: without the blanks at their two ends,
// case-folded.
QString fold(QStringView name);

// Hash and equality of names by their folded form, so that a map keyed by
// names as written answers for any spelling without a folded copy being made
// (none is made for ASCII names, the usual kind).
struct FoldedNameHash {
    using is_transparent = void;
    size_t operator()(QStringView name) const;
};
struct FoldedNameEqual {
    using is_transparent = void;
    bool operator()(QStringView a, QStringView b) const;
};
template <typename T>
using FoldedNameMap = std::unordered_map<QString, T, FoldedNameHash, FoldedNameEqual>;

// The number a key stands for when it is a plain decimal number without
// leading zeros and of at most nine digits.
inline std::optional<qsizetype> keyNumber(QStringView key)
{
    if (key.isEmpty() || key.size() > 9 || (key.size() > 1 && key.front() == u'0'))
        return std::nullopt;
    qsizetype n = 0;
    for (const QChar c : key) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        n = n * 10 + (c.unicode() - u'0');
    }
    return n;
}

// The number after prefix in key, both in folded form, when the rest is a
// decimal number without leading zeros; very long numbers give the largest
// qint64.
std::optional<qint64> numberAfter(QStringView foldedKey, QStringView foldedPrefix);

// Written without an early exit so that it vectorises: values are short.
inline bool hasLineBreak(QStringView value)
{
    const auto *p = reinterpret_cast<const char16_t *>(value.data());
    bool found = false;
    for (qsizetype i = 0; i < value.size(); ++i)
        found |= (p[i] == u'\n') | (p[i] == u'\r');
    return found;
}

// The lines of a value: line breaks are CR LF, LF or CR.
QStringList valueLines(const QString &value);

// key + "." + n, the key of line n (from 2) of a value of several lines.
QString continuationKey(QStringView key, int n);

} // namespace ProfileText
