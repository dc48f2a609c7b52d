#include "specfile/profilefile.h"

#include "specfile/regularfile.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <limits>

#include "specfile/filewriter.h"
#include "specfile/textcodec.h"

using namespace ProfileText;

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
    QFile file;
    QString reason;
    switch (openRegularFile(file, path, &reason)) {
    case RegularFileOpen::Opened:
        break;
    case RegularFileOpen::NotFound:
        m_error = QStringLiteral("File not found: ") + path;
        return LoadResult::NotFound;
    case RegularFileOpen::NotRegular:
        m_error = QStringLiteral("Unable to read ") + path + QStringLiteral(": it is not a regular file");
        return LoadResult::Failed;
    case RegularFileOpen::Failed:
        m_error = QStringLiteral("Unable to read ") + path + QStringLiteral(": ") + reason;
        return LoadResult::Failed;
    }
    if (file.size() > kMaxFileSize) {
        m_error = QStringLiteral("Unable to read ") + path + QStringLiteral(": the file is too large");
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
    const QStringView all(text);
    qsizetype start = 0;
    while (start < all.size()) {
        // Lines are short: a plain loop beats a vectorised search here.
        qsizetype end = start;
        while (end < all.size() && all[end] != u'\n')
            ++end;
        QStringView raw = all.mid(start, end - start);
        start = end + 1;
        if (raw.endsWith(u'\r'))
            raw.chop(1);

        const QStringView trimmed = trimBlanks(raw);
        if (trimmed.startsWith(u'[')) {
            const qsizetype close = trimmed.lastIndexOf(u']');
            Section section;
            section.name = (close > 0 ? trimmed.mid(1, close - 1) : trimmed.mid(1)).toString();
            section.lines.emplace_back(raw.toString());
            section.insertAt = 1;
            m_sectionIndex[section.name].append(qsizetype(m_sections.size()));
            m_sections.push_back(std::move(section));
            continue;
        }

        Section &section = m_sections.back();
        const qsizetype index = qsizetype(section.lines.size());
        const qsizetype equals =
            trimmed.isEmpty() || trimmed.startsWith(u';') ? -1 : raw.indexOf(u'=');
        if (equals < 0) {
            section.lines.emplace_back(raw.toString());
        } else {
            section.lines.emplace_back(raw.left(equals).toString(), raw.mid(equals + 1).toString());
            section.keys.insert(section.lines.back().text, index, index + 1);
        }
        if (!trimmed.isEmpty())
            section.insertAt = index + 1;
    }
}

const ProfileFile::Section *ProfileFile::findSection(QStringView section) const
{
    const auto it = m_sectionIndex.find(section);
    // Of sections of the same name, the first counts.
    return it == m_sectionIndex.end() ? nullptr : &m_sections[size_t(it->second.first())];
}

const ProfileFile::Line *ProfileFile::findLine(const Section &section, QStringView key) const
{
    const qsizetype line = section.keys.find(key);
    return line < 0 ? nullptr : &section.lines[size_t(line)];
}

QString ProfileFile::trimmedValue(const Line &line)
{
    const QStringView value = trimBlanks(line.value);
    return value.size() == line.value.size() ? line.value : value.toString();
}

QString ProfileFile::readValue(const Section *section, QStringView key, const QString &def) const
{
    const Line *line = section ? findLine(*section, key) : nullptr;
    if (!line)
        return def;
    QString value = trimmedValue(*line);
    if (!section->keys.hasDottedKeys())
        return value;
    const QStringView name = trimBlanks(key);
    for (int n = 2;; ++n) {
        const Line *next = findLine(*section, continuationKey(name, n));
        if (!next)
            break;
        value += u'\n';
        value += trimmedValue(*next);
    }
    return value;
}

QString ProfileFile::readString(const QString &section, const QString &key, const QString &def) const
{
    return readValue(findSection(section), key, def);
}

QStringList ProfileFile::readStrings(const QString &section, const QStringList &keys,
                                     const QString &def) const
{
    const Section *s = findSection(section);
    QStringList values;
    values.reserve(keys.size());
    for (const QString &key : keys)
        values.append(readValue(s, key, def));
    return values;
}

int ProfileFile::readInteger(const QString &section, const QString &key, int def) const
{
    const Section *s = findSection(section);
    const Line *line = s ? findLine(*s, key) : nullptr;
    if (!line)
        return def;
    return parseInteger(trimBlanks(line->value)).value_or(def);
}

qint64 ProfileFile::largestNumberedKey(const QString &section, const QString &prefix) const
{
    const Section *s = findSection(section);
    return s ? s->keys.largestNumbered(prefix) : -1;
}

QList<qint64> ProfileFile::numberedKeys(const QString &section, const QString &prefix) const
{
    const Section *s = findSection(section);
    return s ? s->keys.numbered(prefix) : QList<qint64>();
}

bool ProfileFile::hasSection(const QString &section) const
{
    return findSection(section) != nullptr;
}

bool ProfileFile::hasKey(const QString &section, const QString &key) const
{
    const Section *s = findSection(section);
    return s && findLine(*s, key);
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
    // Accumulated as a negative number, so that the smallest int fits. A
    // number beyond the range of int saturates: an absurd count is a large
    // count, not a missing one.
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
        value = std::max(value * base - digit, limit);
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
        if (visible->isKey || !trimBlanks(visible->text).isEmpty())
            last->lines.emplace_back();
        break;
    }
    Section created;
    created.name = trimBlanks(section).toString();
    created.lines.emplace_back(u'[' + created.name + u']');
    created.insertAt = 1;
    m_sectionIndex[created.name] = {qsizetype(m_sections.size())};
    m_sections.push_back(std::move(created));
    return m_sections.back();
}

void ProfileFile::setKey(Section &section, const QString &key, const QString &value)
{
    const qsizetype found = section.keys.find(key);
    if (found >= 0) {
        // The key keeps its spelling and spacing; only the value changes.
        section.lines[size_t(found)].value = value;
        return;
    }
    const QStringView name = trimBlanks(key);
    Line line(name.size() == key.size() ? key : name.toString(), value);
    const qsizetype at = section.insertAt++;
    // Only blank lines follow the insertion point, so no indexed line moves.
    section.lines.insert(section.lines.begin() + at, std::move(line));
    section.keys.insert(section.lines[size_t(at)].text, at, qsizetype(section.lines.size()));
}

void ProfileFile::writeKey(Section &section, const QString &key, const QString &value)
{
    if (!hasLineBreak(value) && !section.keys.hasDottedKeys()) {
        setKey(section, key, value);
        return;
    }
    const QStringList lines = valueLines(value);
    const QStringView name = trimBlanks(key);
    setKey(section, key, lines.first());
    for (int n = 2; n <= lines.size(); ++n)
        setKey(section, continuationKey(name, n), lines.at(n - 1));
    // Continuation lines left from a longer earlier value would join this one.
    for (int n = int(lines.size()) + 1;; ++n) {
        const qsizetype stale = section.keys.take(continuationKey(name, n));
        if (stale < 0)
            break;
        section.lines[size_t(stale)].removed = true;
    }
}

void ProfileFile::writeString(const QString &section, const QString &key, const QString &value)
{
    writeKey(sectionForWriting(section), key, value);
}

void ProfileFile::writeStrings(const QString &section, const QString *keys,
                               const QString *values, qsizetype count)
{
    if (count <= 0)
        return;
    Section &s = sectionForWriting(section);
    s.lines.reserve(s.lines.size() + size_t(count));
    for (qsizetype i = 0; i < count; ++i)
        writeKey(s, keys[i], values[i]);
}

void ProfileFile::writeInteger(const QString &section, const QString &key, int value)
{
    writeString(section, key, QString::number(value));
}

void ProfileFile::eraseSection(const QString &section)
{
    const auto it = m_sectionIndex.find(QStringView(section));
    if (it == m_sectionIndex.end())
        return;
    for (const qsizetype index : std::as_const(it->second))
        m_sections[size_t(index)].removed = true;
    m_sectionIndex.erase(it);
}

QStringList ProfileFile::sectionNames() const
{
    QStringList names;
    for (size_t i = 1; i < m_sections.size(); ++i) {
        const Section &section = m_sections[i];
        if (!section.removed && m_sectionIndex.find(QStringView(section.name))->second.first() == qsizetype(i))
            names.append(section.name);
    }
    return names;
}

void ProfileFile::copySections(const ProfileFile &other,
                               const std::function<bool(const QString &)> &keep)
{
    for (const QString &name : other.sectionNames()) {
        if (!keep(name))
            continue;
        eraseSection(name);
        // sectionForWriting parts the new section from the text before it.
        bool first = true;
        for (const qsizetype index : other.m_sectionIndex.find(QStringView(name))->second) {
            const Section &source = other.m_sections[size_t(index)];
            if (first) {
                Section &target = sectionForWriting(name);
                target = source;
                first = false;
            } else {
                m_sectionIndex[name].append(qsizetype(m_sections.size()));
                m_sections.push_back(source);
            }
        }
    }
}

// Characters of the file's text, line ends included.
qsizetype ProfileFile::textLength() const
{
    qsizetype size = 0;
    for (const Section &section : m_sections) {
        if (section.removed)
            continue;
        for (const Line &line : section.lines) {
            if (!line.removed)
                size += line.text.size() + (line.isKey ? 1 + line.value.size() : 0) + 2;
        }
    }
    return size;
}

QString ProfileFile::toText() const
{
    QString text;
    text.reserve(textLength());
    for (const Section &section : m_sections) {
        if (section.removed)
            continue;
        for (const Line &line : section.lines) {
            if (line.removed)
                continue;
            text += line.text;
            if (line.isKey) {
                text += u'=';
                text += line.value;
            }
            text += QLatin1String("\r\n");
        }
    }
    return text;
}

QByteArray ProfileFile::toBytes() const
{
    // Encoded as Windows-1252 line by line, without the whole text as a
    // string in between; a character outside it means UTF-8 for the whole
    // file, made from the text.
    QByteArray bytes(textLength(), Qt::Uninitialized);
    char *out = bytes.data();
    for (const Section &section : m_sections) {
        if (section.removed)
            continue;
        for (const Line &line : section.lines) {
            if (line.removed)
                continue;
            if (!fitsWindows1252(line.text) || !fitsWindows1252(line.value))
                return encodeText(toText());
            out = encodeWindows1252(line.text, out);
            if (line.isKey) {
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
    m_writeFailureReason.clear();
    if (writeFileAtomically(m_path, toBytes(), &m_writeFailureReason))
        return true;
    m_error = QStringLiteral("Unable to write to ") + QFileInfo(m_path).absoluteFilePath();
    return false;
}
