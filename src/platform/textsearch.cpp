// SPDX-License-Identifier: MIT
#include "platform/textsearch.h"

namespace {

// Word characters are ASCII letters and digits only: an underscore or an
// accented letter separates words.
inline bool isWordChar(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'0' && u <= u'9') || (u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z');
}

// One character to one character: unlike case folding, "ß" stays "ß", so a
// match always has the pattern's length.
inline char16_t upper(char16_t u)
{
    if (u < 128)
        return (u >= u'a' && u <= u'z') ? char16_t(u - 32) : u;
    return QChar::toUpper(u);
}

class Searcher
{
public:
    Searcher(const QString &text, const QString &pattern, const SearchOptions &options)
        : m_text(reinterpret_cast<const char16_t *>(text.utf16())), m_length(text.size()),
          m_options(options), m_pattern(pattern), m_patternLength(pattern.size())
    {
        if (!options.matchCase) {
            for (qsizetype i = 0; i < m_patternLength; ++i)
                m_pattern[i] = QChar(upper(m_pattern.at(i).unicode()));
        }
    }

    std::optional<int> from(qsizetype selStart, qsizetype selLength) const
    {
        const qsizetype m = m_patternLength;
        const qsizetype last = m_length - m;   // the last possible start
        if (m == 0 || m_length == 0 || last < 0)
            return std::nullopt;
        qsizetype pos = m_options.down ? selStart + selLength : selStart - m;
        if (pos < 0 || pos > last)
            return std::nullopt;
        const int step = m_options.down ? 1 : -1;

        if (!m_options.wholeWord)
            return plainSearch(pos, last);

        for (;;) {
            if (!moveToWordStart(pos) || pos > last)
                return std::nullopt;
            if (agrees(pos) && (pos + m == m_length || !isWordChar(QChar(m_text[pos + m]))))
                return int(pos);
            pos += step;
            if (pos < 0 || pos >= m_length)
                return std::nullopt;
        }
    }

private:
    std::optional<int> plainSearch(qsizetype pos, qsizetype last) const
    {
        const QStringView text(m_text, m_length);
        if (m_options.matchCase) {
            const qsizetype match = m_options.down ? text.indexOf(m_pattern, pos)
                                                   : text.lastIndexOf(m_pattern, pos);
            return match < 0 ? std::nullopt : std::optional<int>(int(match));
        }
        // Only positions whose first character maps to the pattern's first
        // character are compared in full.
        const char16_t first = m_pattern.at(0).unicode();
        const char16_t lower = (first >= u'A' && first <= u'Z') ? char16_t(first + 32) : first;
        const auto candidate = [&](char16_t c) {
            return c == first || c == lower || (c >= 128 && upper(c) == first);
        };
        if (m_options.down) {
            for (; pos <= last; ++pos) {
                if (candidate(m_text[pos]) && agrees(pos))
                    return int(pos);
            }
        } else {
            for (; pos >= 0; --pos) {
                if (candidate(m_text[pos]) && agrees(pos))
                    return int(pos);
            }
        }
        return std::nullopt;
    }

    bool agrees(qsizetype pos) const
    {
        const char16_t *t = m_text + pos;
        const char16_t *p = reinterpret_cast<const char16_t *>(m_pattern.utf16());
        if (m_options.matchCase) {
            for (qsizetype i = 0; i < m_patternLength; ++i)
                if (t[i] != p[i])
                    return false;
        } else {
            for (qsizetype i = 0; i < m_patternLength; ++i)
                if (upper(t[i]) != p[i])
                    return false;
        }
        return true;
    }

    bool isWord(qsizetype pos) const { return isWordChar(QChar(m_text[pos])); }

public:
    // Whether the stretch at pos is an occurrence: the pattern's characters,
    // and with Whole word a whole word.
    bool isOccurrence(qsizetype pos, qsizetype length) const
    {
        if (length != m_patternLength || m_patternLength == 0 || pos < 0 || pos + length > m_length
            || !agrees(pos))
            return false;
        if (!m_options.wholeWord)
            return true;
        return (pos == 0 || !isWord(pos - 1)) && isWord(pos)
            && (pos + length == m_length || !isWord(pos + length));
    }

private:

    // Down: past the rest of the word at pos, then past delimiters, so a word
    // starting exactly at pos is skipped. Up: past delimiters, then back to the
    // first character of that word. False when the text runs out.
    bool moveToWordStart(qsizetype &pos) const
    {
        if (m_options.down) {
            while (pos < m_length && isWord(pos))
                ++pos;
            while (pos < m_length && !isWord(pos))
                ++pos;
            return pos < m_length;
        }
        while (pos >= 0 && !isWord(pos))
            --pos;
        if (pos < 0)
            return false;
        while (pos > 0 && isWord(pos - 1))
            --pos;
        return true;
    }

    const char16_t *m_text;
    qsizetype m_length;
    SearchOptions m_options;
    QString m_pattern;
    qsizetype m_patternLength = 0;
};

} // namespace

std::optional<int> findText(const QString &text, int selStart, int selLength,
                            const QString &pattern, const SearchOptions &options)
{
    return Searcher(text, pattern, options).from(selStart, selLength);
}

bool isOccurrence(const QString &text, int start, int length, const QString &pattern,
                  const SearchOptions &options)
{
    return Searcher(text, pattern, options).isOccurrence(start, length);
}

QList<int> replaceAllPositions(const QString &text, int selStart, int selLength,
                               const QString &pattern, const SearchOptions &options)
{
    SearchOptions down = options;
    down.down = true;
    const Searcher searcher(text, pattern, down);
    QList<int> positions;
    qsizetype start = selStart;
    qsizetype length = selLength;
    while (const std::optional<int> match = searcher.from(start, length)) {
        positions.append(*match);
        start = *match + pattern.size();
        length = 0;
    }
    return positions;
}
