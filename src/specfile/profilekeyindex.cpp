#include "specfile/profilekeyindex.h"

#include <algorithm>
#include <utility>

using namespace ProfileText;

namespace {

// Where a key goes in the number table, when it goes there at all.
std::optional<qsizetype> numberedSlot(QStringView key, qsizetype lineCount)
{
    const auto n = keyNumber(key);
    if (n && *n <= 4 * lineCount + 64)
        return n;
    return std::nullopt;
}

// Calls visit(n) for every n such that prefix + n is a key.
template <typename Visit>
void forEachNumbered(const std::vector<qsizetype> &byNumber,
                     const FoldedNameMap<qsizetype> &byName, QStringView prefix, Visit visit)
{
    const QString foldedPrefix = fold(prefix);
    if (foldedPrefix.isEmpty()) {
        for (size_t n = 0; n < byNumber.size(); ++n) {
            if (byNumber[n] >= 0)
                visit(qint64(n));
        }
    } else if (keyNumber(foldedPrefix)) {
        // Numbered keys can begin with a prefix of digits.
        for (size_t n = 0; n < byNumber.size(); ++n) {
            if (byNumber[n] < 0)
                continue;
            if (const auto after = numberAfter(QString::number(n), foldedPrefix))
                visit(*after);
        }
    }
    for (const auto &[key, line] : byName) {
        if (const auto after = numberAfter(fold(key), foldedPrefix))
            visit(*after);
    }
}

} // namespace

qsizetype ProfileKeyIndex::find(QStringView key) const
{
    key = trimBlanks(key);
    if (const auto n = keyNumber(key)) {
        if (*n < qsizetype(m_byNumber.size()) && m_byNumber[size_t(*n)] >= 0)
            return m_byNumber[size_t(*n)];
    }
    // An equal key may have gone with the names while its section was short.
    if (m_byName.empty())
        return -1;
    const auto it = m_byName.find(key);
    return it == m_byName.end() ? -1 : it->second;
}

void ProfileKeyIndex::insert(QStringView key, qsizetype line, qsizetype lineCount)
{
    if (find(key) >= 0)
        return;
    const QStringView name = trimBlanks(key);
    if (const auto n = numberedSlot(name, lineCount)) {
        const size_t slot = size_t(*n);
        if (slot >= m_byNumber.size())
            m_byNumber.resize(slot + 1, -1);
        m_byNumber[slot] = line;
        return;
    }
    m_byName.emplace(name.toString(), line);
    if (name.contains(u'.'))
        m_hasDottedKeys = true;
}

qsizetype ProfileKeyIndex::take(QStringView key)
{
    key = trimBlanks(key);
    if (const auto n = keyNumber(key)) {
        if (*n < qsizetype(m_byNumber.size()) && m_byNumber[size_t(*n)] >= 0)
            return std::exchange(m_byNumber[size_t(*n)], -1);
    }
    const auto it = m_byName.find(key);
    if (it == m_byName.end())
        return -1;
    const qsizetype line = it->second;
    m_byName.erase(it);
    return line;
}

qint64 ProfileKeyIndex::largestNumbered(QStringView prefix) const
{
    qint64 largest = -1;
    forEachNumbered(m_byNumber, m_byName, prefix,
                    [&largest](qint64 n) { largest = std::max(largest, n); });
    return largest;
}

QList<qint64> ProfileKeyIndex::numbered(QStringView prefix) const
{
    QList<qint64> numbers;
    forEachNumbered(m_byNumber, m_byName, prefix, [&numbers](qint64 n) { numbers.append(n); });
    std::sort(numbers.begin(), numbers.end());
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
    return numbers;
}
