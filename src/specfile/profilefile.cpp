#include "specfile/profilefile.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <limits>

#include "specfile/filewriter.h"
#include "specfile/profiletext.h"
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
    m_text.clear();
    m_store.clear();
    m_numberTexts.clear();
    m_values.clear();
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

QStringView ProfileFile::keep(QString text)
{
    m_store.push_back(std::move(text));
    return m_store.back();
}

QStringView ProfileFile::numberText(qsizetype n)
{
    while (m_numberTexts.size() <= n)
        m_numberTexts.append(QString::number(m_numberTexts.size()));
    return m_numberTexts.at(n);
}

void ProfileFile::parse(const QString &text)
{
    clear();
    m_text = text;
    const QStringView all(m_text);
    const QChar *const chars = all.data();
    size_t current = 0;
    qsizetype start = 0;
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
                line.equals = qint32(equals - raw.begin());
        }
        const qsizetype index = qsizetype(section.lines.size());
        if (line.equals >= 0) {
            QStringView key = trimBlanks(raw.left(line.equals));
            if (needsFolding(key))
                key = keep(key.toString().toCaseFolded());
            section.keys.insert(key, index, index);
        }
        section.lines.push_back(std::move(line));
        if (!trimmed.isEmpty())
            section.insertAt = index + 1;
    }
}

const ProfileFile::Section *ProfileFile::findSection(const QString &section) const
{
    RecentSection &recent =
        m_recentSections[(quintptr(section.constData()) >> 4) % m_recentSections.size()];
    if (recent.asked.isNull() || recent.asked.constData() != section.constData()
        || recent.asked.size() != section.size()) {
        auto cached = m_sectionCache.constFind(section);
        if (cached == m_sectionCache.constEnd()) {
            const auto it = m_sectionIndex.constFind(fold(section));
            const qsizetype index =
                it == m_sectionIndex.constEnd() || it->isEmpty() ? -1 : it->first();
            cached = m_sectionCache.insert(section, index);
        }
        recent.asked = section;
        recent.index = *cached;
    }
    return recent.index < 0 ? nullptr : &m_sections[size_t(recent.index)];
}

void ProfileFile::forgetSectionLookups()
{
    m_sectionCache.clear();
    m_recentSections.fill(RecentSection());
}

const ProfileFile::Line *ProfileFile::findLine(const Section &section, QStringView foldedKey) const
{
    const qsizetype line = section.keys.find(foldedKey);
    return line < 0 ? nullptr : &section.lines[size_t(line)];
}

QStringView ProfileFile::rawValue(const Line &line) const
{
    if (line.written())
        return m_values[size_t(line.value)];
    return line.text().mid(line.equals + 1);
}

QString ProfileFile::lineValue(const Line &line) const
{
    const QStringView raw = rawValue(line);
    const QStringView value = trimBlanks(raw);
    if (line.written() && value.size() == raw.size())
        return m_values[size_t(line.value)];   // shared, not copied
    return value.toString();
}

qsizetype ProfileFile::lineLength(const Line &line) const
{
    if (line.written())
        return line.length + 1 + m_values[size_t(line.value)].size();
    return line.length;
}

void ProfileFile::setValue(Line &line, const QString &value)
{
    if (line.written()) {
        m_values[size_t(line.value)] = value;
        return;
    }
    line.value = qint32(m_values.size());
    m_values.push_back(value);
}

QString ProfileFile::readString(const QString &section, const QString &key, const QString &def) const
{
    const Section *s = findSection(section);
    if (!s)
        return def;
    QString storage;
    const QStringView folded = foldedView(key, storage);
    const Line *line = findLine(*s, folded);
    if (!line)
        return def;
    QString value = lineValue(*line);
    if (!s->keys.hasDottedKeys())
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
    QString storage;
    const Line *line = findLine(*s, foldedView(key, storage));
    if (!line)
        return def;
    return parseInteger(trimBlanks(rawValue(*line))).value_or(def);
}

qint64 ProfileFile::largestNumberedKey(const QString &section, const QString &prefix) const
{
    const Section *s = findSection(section);
    return s ? s->keys.largestNumbered(foldName(prefix)) : -1;
}

QList<qint64> ProfileFile::numberedKeys(const QString &section, const QString &prefix) const
{
    const Section *s = findSection(section);
    return s ? s->keys.numbered(foldName(prefix)) : QList<qint64>();
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
        if (visible->written() || !trimBlanks(visible->text()).isEmpty())
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

// Adds a key known to be absent at the end of the section.
void ProfileFile::appendKey(Section &section, const QString &key, const QString &value,
                            QStringView foldedKey)
{
    const QStringView name = trimBlanks(key);
    Line line;
    line.setText(name.size() == key.size() ? keep(key) : keep(name.toString()));
    setValue(line, value);
    const qsizetype at = section.insertAt++;
    if (at == qsizetype(section.lines.size()))
        section.lines.push_back(std::move(line));
    else
        section.lines.insert(section.lines.begin() + at, std::move(line));
    // Only blank lines follow the insertion point, so no indexed line moves.
    const qsizetype count = qsizetype(section.lines.size());
    const bool numbered = ProfileKeyIndex::isNumbered(foldedKey, count);
    section.keys.insertNew(numbered ? foldedKey : keep(foldedKey.toString()), at, count);
}

void ProfileFile::setKey(Section &section, const QString &key, const QString &value)
{
    const QString folded = foldName(key);
    const qsizetype found = section.keys.find(folded);
    if (found < 0) {
        appendKey(section, key, value, folded);
        return;
    }
    Line &line = section.lines[size_t(found)];
    // The key keeps its spelling and spacing; only the value changes.
    if (!line.written())
        line.setText(line.text().left(line.equals));
    setValue(line, value);
}

void ProfileFile::writeString(const QString &section, const QString &key, const QString &value)
{
    Section &s = sectionForWriting(section);
    if (!hasLineBreak(value) && !s.keys.hasDottedKeys()) {
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
        const qsizetype stale = s.keys.take(continuation(n));
        if (stale < 0)
            break;
        s.lines[size_t(stale)].removed = true;
    }
}

void ProfileFile::writeStrings(const QString &section, const QString *keys,
                               const QString *values, qsizetype count)
{
    if (count <= 0)
        return;
    const bool isNew = findSection(section) == nullptr;
    Section &s = sectionForWriting(section);
    s.lines.reserve(s.lines.size() + size_t(count));
    for (qsizetype i = 0; i < count; ++i) {
        // A new section takes a run of numbered keys without the lookups of
        // continuation and stale lines that writeString makes.
        qsizetype number = 0;
        const qsizetype at = s.insertAt;
        if (isNew && !hasLineBreak(values[i])
            && s.keys.insertIfNumbered(keys[i], at, qsizetype(s.lines.size()) + 1, &number)) {
            Line line;
            line.setText(numberText(number));
            setValue(line, values[i]);
            ++s.insertAt;
            if (at == qsizetype(s.lines.size()))
                s.lines.push_back(std::move(line));
            else
                s.lines.insert(s.lines.begin() + at, std::move(line));
            continue;
        }
        writeString(section, keys[i], values[i]);
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

// Characters of the file's text, line ends included.
qsizetype ProfileFile::textLength() const
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
    return size;
}

QString ProfileFile::toText() const
{
    const qsizetype size = textLength();
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
            put(line.text());
            if (line.written()) {
                *out++ = u'=';
                put(m_values[size_t(line.value)]);
            }
            *out++ = u'\r';
            *out++ = u'\n';
        }
    }
    return text;
}

QByteArray ProfileFile::toBytes() const
{
    // Encoded as Windows-1252 in one pass over the lines, without the whole
    // text as a string in between; a character outside it means UTF-8 for
    // the whole file, made from the text.
    const qsizetype size = textLength();
    QByteArray bytes(size, Qt::Uninitialized);
    char *out = bytes.data();
    const auto put = [&out](QStringView part) {
        if (!fitsWindows1252(part))
            return false;
        out = encodeWindows1252(part, out);
        return true;
    };
    for (const Section &section : m_sections) {
        if (section.removed)
            continue;
        for (const Line &line : section.lines) {
            if (line.removed)
                continue;
            if (!put(line.text()))
                return encodeText(toText());
            if (line.written()) {
                *out++ = '=';
                if (!put(m_values[size_t(line.value)]))
                    return encodeText(toText());
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
    if (writeFileAtomically(m_path, toBytes()))
        return true;
    m_error = QStringLiteral("Unable to write to ") + QFileInfo(m_path).absoluteFilePath();
    return false;
}
