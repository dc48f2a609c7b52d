#include "specfile/profilefile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

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

QString fold(QStringView name)
{
    return trimBlanks(name).toString().toCaseFolded();
}

QString continuationKey(const QString &key, int n)
{
    return key + u'.' + QString::number(n);
}

// The lines of a value: line breaks are CR LF, LF or CR.
QStringList valueLines(const QString &value)
{
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
    m_sections.clear();
    m_sectionIndex.clear();
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

void ProfileFile::parse(const QString &text)
{
    clear();
    Section *current = &m_sections.front();
    const QStringView all(text);
    qsizetype start = 0;
    while (start < all.size()) {
        qsizetype end = all.indexOf(u'\n', start);
        if (end < 0)
            end = all.size();
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
            section.lines.push_back(Line{raw.toString()});
            m_sectionIndex[section.folded].append(qsizetype(m_sections.size()));
            m_sections.push_back(std::move(section));
            current = &m_sections.back();
            current->insertAt = 1;
            continue;
        }

        Line line{raw.toString()};
        if (!trimmed.isEmpty() && !trimmed.startsWith(u';'))
            line.equals = raw.indexOf(u'=');
        const qsizetype index = qsizetype(current->lines.size());
        if (line.equals >= 0) {
            const QString folded = fold(raw.left(line.equals));
            if (!current->keys.contains(folded))   // the first of two equal keys counts
                current->keys.insert(folded, index);
        }
        current->lines.push_back(std::move(line));
        if (!trimmed.isEmpty())
            current->insertAt = index + 1;
    }
}

const ProfileFile::Section *ProfileFile::findSection(const QString &section) const
{
    const auto it = m_sectionIndex.constFind(fold(section));
    if (it == m_sectionIndex.constEnd() || it->isEmpty())
        return nullptr;
    return &m_sections[size_t(it->first())];
}

const ProfileFile::Line *ProfileFile::findLine(const Section &section, const QString &foldedKey) const
{
    const auto it = section.keys.constFind(foldedKey);
    if (it == section.keys.constEnd())
        return nullptr;
    return &section.lines[size_t(*it)];
}

QString ProfileFile::readString(const QString &section, const QString &key, const QString &def) const
{
    const Section *s = findSection(section);
    if (!s)
        return def;
    const QString folded = fold(key);
    const Line *line = findLine(*s, folded);
    if (!line)
        return def;
    QString value = trimBlanks(QStringView(line->text).mid(line->equals + 1)).toString();
    for (int n = 2;; ++n) {
        const Line *next = findLine(*s, continuationKey(folded, n));
        if (!next)
            break;
        value += u'\n';
        value += trimBlanks(QStringView(next->text).mid(next->equals + 1));
    }
    return value;
}

int ProfileFile::readInteger(const QString &section, const QString &key, int def) const
{
    const Section *s = findSection(section);
    if (!s)
        return def;
    const Line *line = findLine(*s, fold(key));
    if (!line)
        return def;
    return parseInteger(trimBlanks(QStringView(line->text).mid(line->equals + 1))).value_or(def);
}

qint64 ProfileFile::largestNumberedKey(const QString &section, const QString &prefix) const
{
    const Section *s = findSection(section);
    if (!s)
        return -1;
    const QString foldedPrefix = fold(prefix);
    constexpr qint64 kMax = std::numeric_limits<qint64>::max();
    qint64 largest = -1;
    for (auto it = s->keys.constBegin(); it != s->keys.constEnd(); ++it) {
        const QString &key = it.key();
        if (!key.startsWith(foldedPrefix))
            continue;
        const QStringView digits = QStringView(key).mid(foldedPrefix.size());
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
    return s && findLine(*s, fold(key));
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
    const QString folded = fold(section);
    const auto it = m_sectionIndex.constFind(folded);
    if (it != m_sectionIndex.constEnd() && !it->isEmpty())
        return m_sections[size_t(it->first())];

    // A blank line parts the new section from the text before it.
    for (auto last = m_sections.rbegin(); last != m_sections.rend(); ++last) {
        if (last->removed)
            continue;
        const auto visible = std::find_if(last->lines.rbegin(), last->lines.rend(),
                                          [](const Line &l) { return !l.removed; });
        if (visible == last->lines.rend())
            continue;
        if (!trimBlanks(visible->text).isEmpty())
            last->lines.push_back(Line{QString()});
        break;
    }
    Section created;
    created.folded = folded;
    created.lines.push_back(Line{u'[' + trimBlanks(section).toString() + u']'});
    created.insertAt = 1;
    m_sectionIndex[folded].append(qsizetype(m_sections.size()));
    m_sections.push_back(std::move(created));
    return m_sections.back();
}

void ProfileFile::setKey(Section &section, const QString &key, const QString &value)
{
    const QString folded = fold(key);
    const auto it = section.keys.constFind(folded);
    if (it != section.keys.constEnd()) {
        Line &line = section.lines[size_t(*it)];
        // The key keeps its spelling and spacing; only the value changes.
        line.text = line.text.left(line.equals + 1) + value;
        return;
    }
    const QString name = trimBlanks(key).toString();
    const qsizetype at = section.insertAt++;
    section.lines.insert(section.lines.begin() + at, Line{name + u'=' + value, name.size()});
    // Only blank lines follow the insertion point, so no key index moves.
    section.keys.insert(folded, at);
}

void ProfileFile::removeKey(Section &section, const QString &foldedKey)
{
    const auto it = section.keys.find(foldedKey);
    if (it == section.keys.end())
        return;
    section.lines[size_t(*it)].removed = true;
    section.keys.erase(it);
}

void ProfileFile::writeString(const QString &section, const QString &key, const QString &value)
{
    Section &s = sectionForWriting(section);
    const QStringList lines = valueLines(value);
    setKey(s, key, lines.first());
    for (int n = 2; n <= lines.size(); ++n)
        setKey(s, continuationKey(key, n), lines.at(n - 1));
    // Continuation lines left from a longer earlier value would join this one.
    const QString folded = fold(key);
    for (int n = int(lines.size()) + 1; s.keys.contains(continuationKey(folded, n)); ++n)
        removeKey(s, continuationKey(folded, n));
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
}

QString ProfileFile::toText() const
{
    qsizetype size = 0;
    for (const Section &section : m_sections) {
        if (section.removed)
            continue;
        for (const Line &line : section.lines)
            size += line.text.size() + 2;
    }
    QString text;
    text.reserve(size);
    for (const Section &section : m_sections) {
        if (section.removed)
            continue;
        for (const Line &line : section.lines) {
            if (line.removed)
                continue;
            text += line.text;
            text += QLatin1String("\r\n");
        }
    }
    return text;
}

bool ProfileFile::save()
{
    m_error.clear();
    QSaveFile file(m_path);
    if (file.open(QIODevice::WriteOnly)) {
        const QByteArray bytes = encodeText(toText());
        if (file.write(bytes) == bytes.size() && file.commit())
            return true;
        file.cancelWriting();
    }
    m_error = QStringLiteral("Unable to write to ") + QFileInfo(m_path).absoluteFilePath();
    return false;
}
