#include "specfile/profilekeyindex.h"

#include "specfile/profiletext.h"

#include <algorithm>
#include <utility>

using ProfileText::keyNumber;

namespace {

std::optional<qsizetype> numberedSlot(QStringView foldedKey, qsizetype lineCount)
{
    const auto n = keyNumber(foldedKey);
    if (n && *n <= 4 * lineCount + 64)
        return n;
    return std::nullopt;
}

} // namespace

qsizetype ProfileKeyIndex::find(QStringView foldedKey) const
{
    if (const auto n = keyNumber(foldedKey)) {
        if (*n < qsizetype(m_byNumber.size()) && m_byNumber[size_t(*n)] >= 0)
            return m_byNumber[size_t(*n)];
    }
    // An equal key may have gone to the hash while its section was short.
    if (m_byText.isEmpty())
        return -1;
    return m_byText.value(foldedKey, -1);
}

bool ProfileKeyIndex::isNumbered(QStringView foldedKey, qsizetype lineCount)
{
    return numberedSlot(foldedKey, lineCount).has_value();
}

void ProfileKeyIndex::insert(QStringView foldedKey, qsizetype line, qsizetype lineCount)
{
    if (find(foldedKey) < 0)
        insertNew(foldedKey, line, lineCount);
}

void ProfileKeyIndex::insertNew(QStringView foldedKey, qsizetype line, qsizetype lineCount)
{
    if (const auto n = numberedSlot(foldedKey, lineCount)) {
        const size_t slot = size_t(*n);
        if (slot == m_byNumber.size())
            m_byNumber.push_back(line);
        else if (slot > m_byNumber.size())
            m_byNumber.resize(slot + 1, -1);
        m_byNumber[slot] = line;
        return;
    }
    m_byText.insert(foldedKey, line);
    if (foldedKey.contains(u'.'))
        m_hasDottedKeys = true;
}

bool ProfileKeyIndex::insertIfNumbered(QStringView foldedKey, qsizetype line,
                                       qsizetype lineCount, qsizetype *number)
{
    const auto n = numberedSlot(foldedKey, lineCount);
    if (!n)
        return false;
    const size_t slot = size_t(*n);
    if (slot < m_byNumber.size() && m_byNumber[slot] >= 0)
        return false;
    if (!m_byText.isEmpty() && m_byText.contains(foldedKey))
        return false;
    if (slot >= m_byNumber.size())
        m_byNumber.resize(slot + 1, -1);
    m_byNumber[slot] = line;
    *number = *n;
    return true;
}

qsizetype ProfileKeyIndex::take(QStringView foldedKey)
{
    if (const auto n = keyNumber(foldedKey)) {
        if (*n < qsizetype(m_byNumber.size()) && m_byNumber[size_t(*n)] >= 0)
            return std::exchange(m_byNumber[size_t(*n)], -1);
    }
    const auto it = m_byText.find(foldedKey);
    if (it == m_byText.end())
        return -1;
    const qsizetype line = *it;
    m_byText.erase(it);
    return line;
}

qint64 ProfileKeyIndex::largestNumbered(QStringView foldedPrefix) const
{
    qint64 largest = -1;
    if (foldedPrefix.isEmpty()) {
        for (qsizetype n = qsizetype(m_byNumber.size()) - 1; n >= 0; --n) {
            if (m_byNumber[size_t(n)] >= 0) {
                largest = n;
                break;
            }
        }
    } else if (keyNumber(foldedPrefix)) {
        // Numbered keys can begin with a prefix of digits.
        for (qsizetype n = 0; n < qsizetype(m_byNumber.size()); ++n) {
            if (m_byNumber[size_t(n)] < 0)
                continue;
            const QString key = QString::number(n);
            largest = std::max(largest, ProfileText::numberAfter(key, foldedPrefix).value_or(-1));
        }
    }
    for (auto it = m_byText.constBegin(); it != m_byText.constEnd(); ++it)
        largest = std::max(largest, ProfileText::numberAfter(it.key(), foldedPrefix).value_or(-1));
    return largest;
}

QList<qint64> ProfileKeyIndex::numbered(QStringView foldedPrefix) const
{
    QList<qint64> numbers;
    if (foldedPrefix.isEmpty()) {
        for (qsizetype n = 0; n < qsizetype(m_byNumber.size()); ++n) {
            if (m_byNumber[size_t(n)] >= 0)
                numbers.append(n);
        }
    } else if (keyNumber(foldedPrefix)) {
        // Numbered keys can begin with a prefix of digits.
        for (qsizetype n = 0; n < qsizetype(m_byNumber.size()); ++n) {
            if (m_byNumber[size_t(n)] < 0)
                continue;
            if (const auto after = ProfileText::numberAfter(QString::number(n), foldedPrefix))
                numbers.append(*after);
        }
    }
    const qsizetype byTable = numbers.size();
    for (auto it = m_byText.constBegin(); it != m_byText.constEnd(); ++it) {
        if (const auto n = ProfileText::numberAfter(it.key(), foldedPrefix))
            numbers.append(*n);
    }
    if (numbers.size() != byTable || !foldedPrefix.isEmpty()) {
        std::sort(numbers.begin(), numbers.end());
        numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
    }
    return numbers;
}
