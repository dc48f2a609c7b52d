#include "specfile/profilefile.h"

#include "specfile/regularfile.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <limits>

#include "specfile/filewriter.h"
#include "specfile/textcodec.h"

namespace {

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }
// Blanks are ASCII white space only: QString::trimmed() would also take
// characters such as U+00A0, which belong to the value.
QStringView trimBlanks(QStringView text)
{
    const auto isBlank = [](QChar c) { return c == u' ' || (c >= u'\t' && c <= u'\r'); };
    while (!text.isEmpty() && isBlank(text.front()))
        text = text.mid(1);
    while (!text.isEmpty() && isBlank(text.back()))
        text.chop(1);
    return text;
}

// The text without its blanks, shared rather than copied when it has none.
QString trimmed(const QString &text)
{
    const QStringView inner = trimBlanks(text);
    return inner.size() == text.size() ? text : inner.toString();
}

// The form under which section and key names match; a name already in that
// form (as numbered keys are) is shared, not copied.
QString fold(const QString &name)
{
    const auto plain = [](QChar c) { return c.unicode() < 0x80 && (c < u'A' || c > u'Z'); };
    const QString inner = trimmed(name);
    return std::all_of(inner.begin(), inner.end(), plain) ? inner : inner.toCaseFolded();
}

// The key of line n (from 2) of a value written over several lines.
QString continuationKey(QStringView key, int n)
{
    return trimBlanks(key).toString() + u'.' + QString::number(n);
}

// The value of digits in base 10 or 16; a very long number gives the largest qint64.
std::optional<qint64> valueOf(QStringView digits, int base)
{
    qint64 n = 0;
    for (const QChar c : digits) {
        const char16_t u = c.unicode() | 0x20;   // ASCII letters in lower case
        const int digit = isDigit(c) ? c.unicode() - u'0' : base == 16 && u >= u'a' && u <= u'f' ? u - u'a' + 10 : -1;
        if (digit < 0)
            return std::nullopt;
        n = n > std::numeric_limits<qint64>::max() / base - 1 ? std::numeric_limits<qint64>::max()
                                                            : n * base + digit;
    }
    return digits.isEmpty() ? std::nullopt : std::optional(n);
}

// The number after prefix in key, both folded, when the rest is a decimal
// number without leading zeros ("007" is not the key of 7).
std::optional<qint64> numberAfter(QStringView key, QStringView prefix)
{
    const QStringView digits = key.sliced(std::min(prefix.size(), key.size()));
    if (!key.startsWith(prefix) || (digits.size() > 1 && digits.front() == u'0'))
        return std::nullopt;
    return valueOf(digits, 10);
}

} // namespace

QStringView ProfileFile::blanksTrimmed(QStringView text) { return trimBlanks(text); }

bool ProfileFile::Line::isBlank() const { return !isKey && trimBlanks(text).isEmpty(); }

void ProfileFile::indexSections()
{
    m_sectionIndex.clear();
    for (qsizetype i = 1; i < m_sections.size(); ++i)
        m_sectionIndex[fold(m_sections[i].name)].append(i);
}

ProfileFile::LoadResult ProfileFile::load(const QString &path)
{
    m_path = path;
    m_error.clear();
    parse(QString());
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

// Most keys of a specification file are the numbers 0, 1, 2, ...: their
// lines are kept in a table, unless a number is absurd for the section's size.
qsizetype *ProfileFile::Section::slot(const QString &key, bool add)
{
    const QString folded = fold(key);
    const auto n = numberAfter(folded, {});
    if (n && *n < numbered.size() && numbered[*n] != 0)
        return &numbered[*n];
    if (n && add && *n <= 4 * lines.size() + 64 && (keys.isEmpty() || !keys.contains(folded))) {
        numbered.resize(std::max(numbered.size(), *n + 1));
        return &numbered[*n];
    }
    const auto it = keys.find(folded);
    return it != keys.end() ? &*it : add ? &keys[folded] : nullptr;
}

void ProfileFile::addKey(Section &section, qsizetype line)
{
    const QString &name = section.lines[line].text;
    if (qsizetype *first = section.slot(name, true); *first == 0)   // no key is on line 0, the header
        *first = line;
    section.hasDottedKeys = section.hasDottedKeys || name.contains(u'.');
}

void ProfileFile::parse(const QString &text)
{
    m_sections = {Section()};
    for (qsizetype start = 0; start < text.size();) {
        qsizetype end = text.indexOf(u'\n', start);
        end = end < 0 ? text.size() : end;
        QStringView raw = QStringView(text).sliced(start, end - start);
        start = end + 1;
        if (raw.endsWith(u'\r'))
            raw.chop(1);
        const QStringView trimmed = trimBlanks(raw);
        const qsizetype equals = trimmed.isEmpty() || trimmed.startsWith(u';') ? -1 : raw.indexOf(u'=');
        Section &section = m_sections.last();
        if (trimmed.startsWith(u'[')) {
            const qsizetype close = trimmed.lastIndexOf(u']');
            const QStringView name = close > 0 ? trimmed.mid(1, close - 1) : trimmed.mid(1);
            m_sections.append(Section{name.toString(), {Line{raw.toString(), {}, false}}, {}, {}, false});
        } else if (equals < 0) {
            section.lines.append(Line{raw.toString(), {}, false});
        } else {
            section.lines.append(Line{raw.left(equals).toString(), raw.sliced(equals + 1).toString(), true});
            addKey(section, section.lines.size() - 1);
        }
    }
    indexSections();
}

const ProfileFile::Section *ProfileFile::findSection(const QString &section) const
{
    const auto it = m_sectionIndex.constFind(fold(section));   // the first of equal names counts
    return it == m_sectionIndex.cend() ? nullptr : &m_sections[it->first()];
}

const ProfileFile::Line *ProfileFile::findLine(const Section *section, const QString &key) const
{
    const qsizetype *line = section ? const_cast<Section *>(section)->slot(key, false) : nullptr;
    return line ? &section->lines[*line] : nullptr;
}

QString ProfileFile::readValue(const Section *section, const QString &key, const QString &def) const
{
    const Line *line = findLine(section, key);
    if (!line)
        return def;
    QString value = trimmed(line->value);
    const Line *next = nullptr;
    for (int n = 2; section->hasDottedKeys && (next = findLine(section, continuationKey(key, n))); ++n)
        value += u'\n' + trimmed(next->value);
    return value;
}

QStringList ProfileFile::readStrings(const QString &section, const QStringList &keys, const QString &def) const
{
    QStringList values;
    for (const Section *s = findSection(section); const QString &key : keys)
        values.append(readValue(s, key, def));
    return values;
}

int ProfileFile::readInteger(const QString &section, const QString &key, int def) const
{
    const Line *line = findLine(findSection(section), key);
    return line ? parseInteger(trimBlanks(line->value)).value_or(def) : def;
}

QList<qint64> ProfileFile::numberedKeys(const QString &section, const QString &prefix) const
{
    QList<qint64> numbers;
    const Section *s = findSection(section);
    for (const QString folded = fold(prefix); const Line &line : s ? s->lines : QList<Line>()) {
        if (const auto n = line.isKey ? numberAfter(fold(line.text), folded) : std::nullopt)
            numbers.append(*n);
    }
    std::sort(numbers.begin(), numbers.end());
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());   // equal keys
    return numbers;
}

std::optional<int> ProfileFile::parseInteger(QStringView text)
{
    const bool hex = text.startsWith(u"0x", Qt::CaseInsensitive) || text.startsWith(u'$');
    const bool negative = !hex && text.startsWith(u'-');
    text = text.sliced(hex ? (text.startsWith(u'$') ? 1 : 2) : negative || text.startsWith(u'+') ? 1 : 0);
    // Beyond int a number saturates: an absurd count is a large count, not a missing one.
    const auto value = valueOf(text, hex ? 16 : 10);
    if (!value)
        return std::nullopt;
    return int(std::clamp(negative ? -*value : *value, qint64(std::numeric_limits<int>::min()),
                          qint64(std::numeric_limits<int>::max())));
}

ProfileFile::Section &ProfileFile::sectionForWriting(const QString &section)
{
    if (const Section *found = findSection(section))
        return m_sections[found - m_sections.constData()];
    // A blank line parts the new section from the text before it.
    if (QList<Line> &last = m_sections.last().lines; !last.isEmpty() && !last.last().isBlank())
        last.append(Line{{}, {}, false});
    const QString name = trimBlanks(section).toString();
    m_sectionIndex[fold(name)] = {m_sections.size()};
    m_sections.append(Section{name, {Line{u'[' + name + u']', {}, false}}, {}, {}, false});
    return m_sections.last();
}

void ProfileFile::setKey(Section &section, const QString &key, const QString &value)
{
    // A key that is there keeps its spelling and spacing.
    if (const qsizetype *found = section.slot(key, false))
        return void(section.lines[*found].value = value);
    // After the last line that is not blank: no key line moves.
    qsizetype at = section.lines.size();
    while (at > 0 && section.lines[at - 1].isBlank())
        --at;
    section.lines.insert(at, Line{trimBlanks(key).toString(), value, true});
    addKey(section, at);
}

void ProfileFile::writeKey(Section &section, const QString &key, const QString &value)
{
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    if (!section.hasDottedKeys && !value.contains(u'\n') && !value.contains(u'\r'))
        return setKey(section, key, value);
    const QStringList lines = value.split(lineBreak);
    setKey(section, key, lines.first());
    for (int n = 2; n <= lines.size(); ++n)
        setKey(section, continuationKey(key, n), lines.at(n - 1));
    // Continuation lines left from a longer earlier value would join this one.
    // take() gives 0 for an absent key: line 0 is the section's header.
    for (qsizetype n = lines.size() + 1, stale;
         (stale = section.keys.take(fold(continuationKey(key, int(n))))) != 0; ++n) {
        section.lines.removeAt(stale);
        for (qsizetype &line : section.keys)
            line -= line > stale ? 1 : 0;
        for (qsizetype &line : section.numbered)
            line -= line > stale ? 1 : 0;
    }
}

void ProfileFile::writeStrings(const QString &section, const QString *keys, const QString *values, qsizetype count)
{
    Section *s = count > 0 ? &sectionForWriting(section) : nullptr;   // none made for no keys
    for (qsizetype i = 0; i < count; ++i)
        writeKey(*s, keys[i], values[i]);
}

void ProfileFile::eraseSection(const QString &section)
{
    const QList<qsizetype> erased = m_sectionIndex.value(fold(section));
    for (auto index = erased.crbegin(); index != erased.crend(); ++index)
        m_sections.removeAt(*index);
    indexSections();
}

void ProfileFile::copySections(const ProfileFile &other, const std::function<bool(const QString &)> &keep)
{
    for (qsizetype first = 1; first < other.m_sections.size(); ++first) {
        const QString &name = other.m_sections[first].name;
        const QList<qsizetype> sources = other.m_sectionIndex.value(fold(name));
        if (sources.first() != first || !keep(name))
            continue;
        eraseSection(name);
        // sectionForWriting parts the new section from the text before it.
        sectionForWriting(name) = other.m_sections[sources.first()];
        for (qsizetype i = 1; i < sources.size(); ++i)
            m_sections.append(other.m_sections[sources[i]]);
        indexSections();
    }
}

QString ProfileFile::toText() const
{
    QString text;
    for (const Section &section : m_sections)
        for (const Line &line : section.lines)
            ((text += line.text) += line.isKey ? u'=' + line.value : QString()) += QLatin1StringView("\r\n");
    return text;
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
