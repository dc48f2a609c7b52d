// Small text rules of profile files: blanks, the folded form of names under
// which they match without regard to letter case, numbered keys, and the
// continuation keys of values written over several lines.
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>
#include <QVarLengthArray>

#include <optional>

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

// Whether a name differs from its folded form. Names made of digits and
// lower-case letters, the common case, need no copy.
inline bool needsFolding(QStringView name)
{
    for (const QChar c : name) {
        const char16_t u = c.unicode();
        if ((u >= u'A' && u <= u'Z') || u >= 0x80)
            return true;
    }
    return false;
}

// The trimmed, case-folded form of a name.
QString fold(QStringView name);

// The same for a name as a caller gives it, shared when it is already folded.
QString foldName(const QString &name);

// The folded form of name as a view: name itself when it is already folded,
// else a folded copy kept in storage.
inline QStringView foldedView(const QString &name, QString &storage)
{
    const QStringView trimmed = trimBlanks(name);
    if (trimmed.size() == name.size() && !needsFolding(trimmed))
        return name;
    storage = trimmed.toString().toCaseFolded();
    return storage;
}

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

// The number after prefix in key, when the rest is a decimal number without
// leading zeros; very long numbers give the largest qint64.
std::optional<qint64> numberAfter(QStringView key, QStringView prefix);

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
QString continuationKey(const QString &key, int n);

// The same, built again for each n without an allocation.
class ContinuationKey
{
public:
    explicit ContinuationKey(QStringView base);
    QStringView operator()(int n);

private:
    QVarLengthArray<char16_t, 64> m_text;
    qsizetype m_baseSize = 0;
};

} // namespace ProfileText
