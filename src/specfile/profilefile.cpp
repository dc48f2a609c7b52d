#include "specfile/profilefile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QVarLengthArray>

#include <algorithm>
#include <limits>

#include "specfile/textcodec.h"

namespace {

// Blanks are ASCII white space only: QString::trimmed() would also take
// characters such as U+00A0, which belong to the value.
bool isBlank(QChar c)
{
    const char16_t u = c.unicode();
    return u == u' ' || (u >= u'\t' && u <= u'\r');
}

QStringView trimBlanks(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text.at(begin)))
        ++begin;
    while (end > begin && isBlank(text.at(end - 1)))
        --end;
    return text.mid(begin, end - begin);
}

// Whether a trimmed name differs from its folded form. Names made of digits
// and lower-case letters, the common case, need no copy.
bool needsFolding(QStringView name)
{
    return std::any_of(name.begin(), name.end(), [](QChar c) {
        const char16_t u = c.unicode();
        return (u >= u'A' && u <= u'Z') || u >= 0x80;
    });
}

QString fold(QStringView name)
{
    return trimBlanks(name).toString().toCaseFolded();
}

// The folded form of a name as a caller gives it, shared when it is already folded.
QString foldName(const QString &name)
{
    const QStringView trimmed = trimBlanks(name);
    if (trimmed.size() == name.size() && !needsFolding(trimmed))
        return name;
    return trimmed.toString().toCaseFolded();
}

QString continuationKey(QStringView key, int n)
{
    return key.toString() + u'.' + QString::number(n);
}

// The number a key stands for when it is written as a plain decimal number
// without leading zeros and of at most nine digits.
std::optional<qsizetype> keyNumber(QStringView key)
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

// Folded key + "." + n without an allocation.
class ContinuationKey
{
public:
    explicit ContinuationKey(QStringView base)
    {
        m_text.append(base.utf16(), base.size());
        m_text.append(u'.');
        m_baseSize = m_text.size();
    }
    QStringView operator()(int n)
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

private:
    QVarLengthArray<char16_t, 64> m_text;
    qsizetype m_baseSize = 0;
};

bool hasLineBreak(const QString &value)
{
    return std::any_of(value.begin(), value.end(),
                       [](QChar c) { return c == u'\n' || c == u'\r'; });
}

// The lines of a value: line breaks are CR LF, LF or CR.
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

} // namespace

ProfileFile::ProfileFile()
{
    clear();
}

ProfileFile::ProfileFile(const QString &path)
{
    load(path);
}

void ProfileFile::clear()
{
    m_text.clear();
    m_store.clear();
    m_sections.clear();
    m_sectionIndex.clear();
    forgetSectionLookups();
    m_sections.emplace_back();   // the lines before the first section
}

ProfileFile::LoadResult ProfileFile::load(const QString &path)
{
    m_path = path;
    m_error.clear();
    clear();
    QFile file(path);
    if (!file.exists()) {
        m_error = QStringLiteral("File not found: ") + path;
        return LoadResult::NotFound;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        m_error = QStringLiteral("Unable to read ") + path + QStringLiteral(": ") + file.errorString();
        return LoadResult::Failed;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        m_error = QStringLiteral("Unable to read ") + path + QStringLiteral(": ") + file.errorString();
        return LoadResult::Failed;
    }
    parse(decodeText(bytes));
    return LoadResult::Loaded;
}

qsizetype ProfileFile::findKey(const Section &section, QStringView foldedKey)
{
    if (const auto n = keyNumber(foldedKey)) {
        if (*n < qsizetype(section.numbered.size()) && section.numbered[size_t(*n)] >= 0)
            return section.numbered[size_t(*n)];
    }
    if (section.keys.isEmpty())
        return -1;
    return section.keys.value(foldedKey, -1);
}

// Whether a key goes into the numbered table rather than the hash. The bound
// keeps a damaged file's huge numbers out of the table.
static std::optional<qsizetype> numberedSlot(qsizetype lines, QStringView foldedKey)
{
    const auto n = keyNumber(foldedKey);
    if (n && *n <= 4 * lines + 64)
        return n;
    return std::nullopt;
}

void ProfileFile::indexNewKey(Section &section, QStringView foldedKey, qsizetype line)
{
    if (const auto n = numberedSlot(qsizetype(section.lines.size()), foldedKey)) {
        const size_t slot = size_t(*n);
        if (slot == section.numbered.size())
            section.numbered.push_back(line);
        else if (slot > section.numbered.size())
            section.numbered.resize(slot + 1, -1);
        section.numbered[slot] = line;
        return;
    }
    section.keys.insert(foldedKey, line);
    if (foldedKey.contains(u'.'))
        section.hasDottedKeys = true;
}

QStringView ProfileFile::keep(QString text)
{
    m_store.push_back(std::move(text));
    return m_store.back();
}

void ProfileFile::parse(const QString &text)
{
    clear();
    m_text = text;
    const QStringView all(m_text);
    size_t current = 0;
    qsizetype start = 0;
    const QChar *const chars = all.data();
    while (start < all.size()) {
        // Lines are short: a plain loop beats a vectorised search here.
        qsizetype end = start;
        while (end < all.size() && chars[end] != u'\n')
            ++end;
        QStringView raw = all.mid(start, end - start);
        start = end + 1;
        if (raw.endsWith(u'\r'))
            raw.chop(1);

        const QStringView trimmed = trimBlanks(raw);
        if (trimmed.startsWith(u'[')) {
            const qsizetype close = trimmed.lastIndexOf(u']');
            const QStringView name = close > 0 ? trimmed.mid(1, close - 1) : trimmed.mid(1);
            Section section;
            section.folded = fold(name);
            section.lines.emplace_back(raw);
            section.insertAt = 1;
            current = m_sections.size();
            m_sectionIndex[section.folded].append(qsizetype(current));
            m_sections.push_back(std::move(section));
            continue;
        }

        Section &section = m_sections[current];
        Line line(raw);
        if (!trimmed.isEmpty() && !trimmed.startsWith(u';')) {
            const auto equals = std::find(raw.begin(), raw.end(), u'=');
            if (equals != raw.end())
                line.equals = equals - raw.begin();
        }
        const qsizetype index = qsizetype(section.lines.size());
        if (line.equals >= 0) {
            QStringView key = trimBlanks(raw.left(line.equals));
            if (needsFolding(key))
                key = keep(key.toString().toCaseFolded());
            if (findKey(section, key) < 0)   // the first of two equal keys counts
                indexNewKey(section, key, index);
        }
        section.lines.push_back(std::move(line));
        if (!trimmed.isEmpty())
            section.insertAt = index + 1;
    }
}

const ProfileFile::Section *ProfileFile::findSection(const QString &section) const
{
    // Runs of reads and writes address one section by the same string.
    if (section.constData() != m_lastSectionAsked.constData()
        || section.size() != m_lastSectionAsked.size() || m_lastSectionAsked.isNull()) {
        auto cached = m_sectionCache.constFind(section);
        if (cached == m_sectionCache.constEnd()) {
            const auto it = m_sectionIndex.constFind(fold(section));
            const qsizetype index =
                it == m_sectionIndex.constEnd() || it->isEmpty() ? -1 : it->first();
            cached = m_sectionCache.insert(section, index);
        }
        m_lastSectionAsked = section;
        m_lastSection = *cached;
    }
    return m_lastSection < 0 ? nullptr : &m_sections[size_t(m_lastSection)];
}

void ProfileFile::forgetSectionLookups()
{
    m_sectionCache.clear();
    m_lastSectionAsked = QString();
    m_lastSection = -1;
}

const ProfileFile::Line *ProfileFile::findLine(const Section &section, QStringView foldedKey) const
{
    const qsizetype line = findKey(section, foldedKey);
    return line < 0 ? nullptr : &section.lines[size_t(line)];
}

QStringView ProfileFile::rawValue(const Line &line)
{
    return line.written ? QStringView(line.value) : line.text.mid(line.equals + 1);
}

QString ProfileFile::lineValue(const Line &line)
{
    const QStringView raw = rawValue(line);
    const QStringView value = trimBlanks(raw);
    if (line.written && value.size() == raw.size())
        return line.value;   // shared, not copied
    return value.toString();
}

qsizetype ProfileFile::lineLength(const Line &line)
{
    return line.written ? line.text.size() + 1 + line.value.size() : line.text.size();
}

QString ProfileFile::readString(const QString &section, const QString &key, const QString &def) const
{
    const Section *s = findSection(section);
    if (!s)
        return def;
    const QString folded = foldName(key);
    const Line *line = findLine(*s, folded);
    if (!line)
        return def;
    QString value = lineValue(*line);
    if (!s->hasDottedKeys)
        return value;
    ContinuationKey continuation(folded);
    for (int n = 2;; ++n) {
        const Line *next = findLine(*s, continuation(n));
        if (!next)
            break;
        value += u'\n';
        value += lineValue(*next);
    }
    return value;
}

int ProfileFile::readInteger(const QString &section, const QString &key, int def) const
{
    const Section *s = findSection(section);
    if (!s)
        return def;
    const Line *line = findLine(*s, foldName(key));
    if (!line)
        return def;
    return parseInteger(trimBlanks(rawValue(*line))).value_or(def);
}

qint64 ProfileFile::largestNumberedKey(const QString &section, const QString &prefix) const
{
    const Section *s = findSection(section);
    if (!s)
        return -1;
    const QString foldedPrefix = foldName(prefix);
    constexpr qint64 kMax = std::numeric_limits<qint64>::max();
    qint64 largest = -1;
    if (foldedPrefix.isEmpty()) {
        for (qsizetype n = qsizetype(s->numbered.size()) - 1; n >= 0; --n) {
            if (s->numbered[size_t(n)] >= 0) {
                largest = n;
                break;
            }
        }
    } else if (!s->numbered.empty() && keyNumber(foldedPrefix)) {
        // A numeric prefix: numbered keys can begin with it.
        for (qsizetype n = 0; n < qsizetype(s->numbered.size()); ++n) {
            const QString key = QString::number(n);
            if (s->numbered[size_t(n)] >= 0 && key.size() > foldedPrefix.size()
                && key.startsWith(foldedPrefix) && key.at(foldedPrefix.size()) != u'0'
                && QStringView(key).mid(foldedPrefix.size()).toLongLong() > largest) {
                largest = QStringView(key).mid(foldedPrefix.size()).toLongLong();
            }
        }
    }
    for (auto it = s->keys.constBegin(); it != s->keys.constEnd(); ++it) {
        const QStringView key = it.key();
        if (!key.startsWith(foldedPrefix))
            continue;
        const QStringView digits = key.mid(foldedPrefix.size());
        if (digits.isEmpty() || (digits.size() > 1 && digits.front() == u'0'))
            continue;   // "007" is not the key of 7
        qint64 n = 0;
        bool isNumber = true;
        for (const QChar c : digits) {
            if (c < u'0' || c > u'9') {
                isNumber = false;
                break;
            }
            const int d = c.unicode() - u'0';
            n = n > (kMax - d) / 10 ? kMax : n * 10 + d;
        }
        if (isNumber && n > largest)
            largest = n;
    }
    return largest;
}

bool ProfileFile::hasSection(const QString &section) const
{
    return findSection(section) != nullptr;
}

bool ProfileFile::hasKey(const QString &section, const QString &key) const
{
    const Section *s = findSection(section);
    return s && findLine(*s, foldName(key));
}

std::optional<int> ProfileFile::parseInteger(QStringView text)
{
    int base = 10;
    bool negative = false;
    if (text.startsWith(u"0x") || text.startsWith(u"0X")) {
        base = 16;
        text = text.mid(2);
    } else if (text.startsWith(u'$')) {
        base = 16;
        text = text.mid(1);
    } else if (text.startsWith(u'+') || text.startsWith(u'-')) {
        negative = text.front() == u'-';
        text = text.mid(1);
    }
    if (text.isEmpty())
        return std::nullopt;
    // Accumulated as a negative number, so that the smallest int fits.
    const qint64 limit = negative ? qint64(std::numeric_limits<int>::min())
                                  : -qint64(std::numeric_limits<int>::max());
    qint64 value = 0;
    for (const QChar c : text) {
        int digit;
        const char16_t u = c.unicode();
        if (u >= u'0' && u <= u'9')
            digit = u - u'0';
        else if (base == 16 && u >= u'a' && u <= u'f')
            digit = u - u'a' + 10;
        else if (base == 16 && u >= u'A' && u <= u'F')
            digit = u - u'A' + 10;
        else
            return std::nullopt;
        value = value * base - digit;
        if (value < limit)
            return std::nullopt;
    }
    return int(negative ? value : -value);
}

ProfileFile::Section &ProfileFile::sectionForWriting(const QString &section)
{
    if (const Section *found = findSection(section))
        return m_sections[size_t(found - m_sections.data())];

    // A blank line parts the new section from the text before it.
    for (auto last = m_sections.rbegin(); last != m_sections.rend(); ++last) {
        if (last->removed)
            continue;
        const auto visible = std::find_if(last->lines.rbegin(), last->lines.rend(),
                                          [](const Line &l) { return !l.removed; });
        if (visible == last->lines.rend())
            continue;
        if (visible->written || !trimBlanks(visible->text).isEmpty())
            last->lines.emplace_back(QStringView());
        break;
    }
    Section created;
    created.folded = fold(section);
    created.lines.emplace_back(keep(u'[' + trimBlanks(section).toString() + u']'));
    created.insertAt = 1;
    m_sectionIndex[created.folded].append(qsizetype(m_sections.size()));
    m_sections.push_back(std::move(created));
    forgetSectionLookups();
    return m_sections.back();
}

void ProfileFile::setKey(Section &section, const QString &key, const QString &value)
{
    const QString folded = foldName(key);
    const qsizetype found = findKey(section, folded);
    if (found >= 0) {
        Line &line = section.lines[size_t(found)];
        // The key keeps its spelling and spacing; only the value changes.
        if (!line.written)
            line.text = line.text.left(line.equals);
        line.value = value;
        line.written = true;
        return;
    }
    const QStringView name = trimBlanks(key);
    Line line;
    line.text = name.size() == key.size() ? keep(key) : keep(name.toString());
    line.value = value;
    line.written = true;
    const qsizetype at = section.insertAt++;
    section.lines.insert(section.lines.begin() + at, std::move(line));
    // Only blank lines follow the insertion point, so no key index moves.
    const bool numbered = numberedSlot(qsizetype(section.lines.size()), folded).has_value();
    indexNewKey(section, numbered ? QStringView(folded) : keep(folded), at);
}

void ProfileFile::writeString(const QString &section, const QString &key, const QString &value)
{
    Section &s = sectionForWriting(section);
    if (!hasLineBreak(value) && !s.hasDottedKeys) {
        setKey(s, key, value);
        return;
    }
    const QStringList lines = valueLines(value);
    setKey(s, key, lines.first());
    for (int n = 2; n <= lines.size(); ++n)
        setKey(s, continuationKey(key, n), lines.at(n - 1));
    // Continuation lines left from a longer earlier value would join this one.
    ContinuationKey continuation(foldName(key));
    for (int n = int(lines.size()) + 1;; ++n) {
        const auto it = s.keys.find(continuation(n));
        if (it == s.keys.end())
            break;
        s.lines[size_t(*it)].removed = true;
        s.keys.erase(it);
    }
}

void ProfileFile::writeInteger(const QString &section, const QString &key, int value)
{
    writeString(section, key, QString::number(value));
}

void ProfileFile::eraseSection(const QString &section)
{
    const auto it = m_sectionIndex.find(fold(section));
    if (it == m_sectionIndex.end())
        return;
    for (const qsizetype index : std::as_const(*it))
        m_sections[size_t(index)].removed = true;
    m_sectionIndex.erase(it);
    forgetSectionLookups();
}

QString ProfileFile::toText() const
{
    qsizetype size = 0;
    for (const Section &section : m_sections) {
        if (section.removed)
            continue;
        for (const Line &line : section.lines) {
            if (!line.removed)
                size += lineLength(line) + 2;
        }
    }
    QString text(size, Qt::Uninitialized);
    QChar *out = text.data();
    const auto put = [&out](QStringView part) {
        std::copy(part.begin(), part.end(), out);
        out += part.size();
    };
    for (const Section &section : m_sections) {
        if (section.removed)
            continue;
        for (const Line &line : section.lines) {
            if (line.removed)
                continue;
            put(line.text);
            if (line.written) {
                *out++ = u'=';
                put(line.value);
            }
            *out++ = u'\r';
            *out++ = u'\n';
        }
    }
    return text;
}

QByteArray ProfileFile::toBytes() const
{
    // Encoded line by line, without the whole text as a string in between,
    // when every character has a Windows-1252 code (the usual case).
    qsizetype size = 0;
    for (const Section &section : m_sections) {
        if (section.removed)
            continue;
        for (const Line &line : section.lines) {
            if (line.removed)
                continue;
            if (!fitsWindows1252(line.text) || (line.written && !fitsWindows1252(line.value)))
                return encodeText(toText());
            size += lineLength(line) + 2;
        }
    }
    QByteArray bytes(size, Qt::Uninitialized);
    char *out = bytes.data();
    for (const Section &section : m_sections) {
        if (section.removed)
            continue;
        for (const Line &line : section.lines) {
            if (line.removed)
                continue;
            out = encodeWindows1252(line.text, out);
            if (line.written) {
                *out++ = '=';
                out = encodeWindows1252(line.value, out);
            }
            *out++ = '\r';
            *out++ = '\n';
        }
    }
    return bytes;
}

bool ProfileFile::save()
{
    m_error.clear();
    QSaveFile file(m_path);
    if (file.open(QIODevice::WriteOnly)) {
        const QByteArray bytes = toBytes();
        if (file.write(bytes) == bytes.size() && file.commit())
            return true;
        file.cancelWriting();
    }
    m_error = QStringLiteral("Unable to write to ") + QFileInfo(m_path).absoluteFilePath();
    return false;
}
