// SPDX-License-Identifier: MIT
#include "specfile/profilefile.h"

#include <QFileInfo>

#include <algorithm>
#include <climits>

#include "specfile/filewriter.h"
#include "specfile/regularfile.h"

namespace {

// The text without its blanks, shared rather than copied when it has none.
QString trimmed(const QString &text)
{
    const QStringView inner = ProfileFile::blanksTrimmed(text);
    return inner.size() == text.size() ? text : inner.toString();
}

// The form under which section and key names match (shared when it is the name itself).
QString fold(const QString &name) { return trimmed(name).toCaseFolded(); }

// The key of line n (from 2) of a value written over several lines.
QString continuationKey(QStringView key, qsizetype n)
{
    return ProfileFile::blanksTrimmed(key).toString() + u'.' + QString::number(n);
}

// The value of ASCII digits in base 10 or 16; a very long number gives the largest qint64.
std::optional<qint64> valueOf(QStringView digits, int base)
{
    const qint64 largest = LLONG_MAX, limit = (base == 16 ? largest / 16 : largest / 10) - 1;
    qint64 n = 0;
    for (const QChar c : digits) {
        const char16_t u = c.unicode() | 0x20;   // ASCII letters in lower case
        const int digit = c >= u'0' && c <= u'9' ? c.unicode() - u'0'
                        : base == 16 && u >= u'a' && u <= u'f' ? u - u'a' + 10 : -1;
        if (digit < 0)
            return std::nullopt;
        n = n > limit ? largest : n * base + digit;
    }
    return digits.isEmpty() ? std::nullopt : std::optional(n);
}

// The number after prefix in key, when the rest is a decimal number without
// leading zeros ("007" is not the key of 7).
std::optional<qint64> numberAfter(QStringView key, QStringView prefix)
{
    const QStringView digits = key.sliced(std::min(prefix.size(), key.size()));
    const bool leadingZero = digits.size() > 1 && digits.front() == u'0';
    return key.startsWith(prefix, Qt::CaseInsensitive) && !leadingZero ? valueOf(digits, 10) : std::nullopt;
}

} // namespace

// Blanks are ASCII white space only: QString::trimmed() would also take
// characters such as U+00A0, which belong to the value.
QStringView ProfileFile::blanksTrimmed(QStringView text)
{
    const auto isBlank = [](QChar c) { return c == u' ' || (c >= u'\t' && c <= u'\r'); };
    const auto first = std::find_if_not(text.begin(), text.end(), isBlank);
    return QStringView(first, std::find_if_not(text.rbegin(), std::reverse_iterator(first), isBlank).base());
}

// Digits do not fold: a decimal key is found in the table without folding it.
qsizetype ProfileFile::Section::lineOf(const QString &key, std::optional<qint64> n) const
{
    n = n ? n : numberAfter(blanksTrimmed(key), {});
    if (n && *n < numbered.size() && numbered[*n] != 0)
        return numbered[*n];
    return keys.isEmpty() ? 0 : keys.value(fold(key), 0);
}

// Most keys of a specification file are the numbers 0, 1, 2, ...: their lines are kept in
// a table, not hashed, unless a number is absurd for the section's size.
void ProfileFile::Section::addKey(qsizetype line)
{
    const QString &key = lines[line].text;
    const auto n = numberAfter(blanksTrimmed(key), {});
    hasDottedKeys = hasDottedKeys || key.contains(u'.');
    if (lineOf(key, n) != 0)   // the first of equal keys counts
        return;
    if (n && *n <= 4 * lines.size() + 64) {
        numbered.resize(std::max(numbered.size(), *n + 1));
        numbered[*n] = line;
    } else {
        keys.insert(fold(key), line);
    }
}

void ProfileFile::indexSections()
{
    m_sectionIndex.clear();
    for (qsizetype i = 1; i < m_sections.size(); ++i)
        m_sectionIndex[fold(m_sections[i].name)].append(i);
}

ProfileFile::LoadResult ProfileFile::load(const QString &path, const SectionFilter &leftOut)
{
    m_path = path;
    m_error.clear();
    parse(QString());
    QFile file;
    QString reason;
    switch (openRegularFile(file, path, &reason)) {
    case RegularFileOpen::NotFound:
        m_error = QStringLiteral("File not found: ") + path;
        return LoadResult::NotFound;
    default:   // not a regular file, or not opened
        break;
    case RegularFileOpen::Opened:
        if (file.size() > kMaxFileSize) {
            reason = QStringLiteral("the file is too large");
        } else if (const QByteArray bytes = file.readAll(); file.error() != QFileDevice::NoError) {
            reason = file.errorString();
        } else {
            parse(decodeText(bytes), leftOut);
            return LoadResult::Loaded;
        }
    }
    m_error = QStringLiteral("Unable to read ") + path + QStringLiteral(": ") + reason;
    return LoadResult::Failed;
}

void ProfileFile::parse(const QString &text, const SectionFilter &leftOut)
{
    m_sections = {Section()};
    bool leavingOut = false;
    for (qsizetype start = 0; start < text.size();) {
        const qsizetype newline = text.indexOf(u'\n', start), end = newline < 0 ? text.size() : newline;
        QStringView raw = QStringView(text).sliced(start, end - start);
        start = end + 1;
        if (raw.endsWith(u'\r'))
            raw.chop(1);
        const QStringView trimmed = blanksTrimmed(raw);
        const qsizetype equals = trimmed.isEmpty() || trimmed.startsWith(u';') ? -1 : raw.indexOf(u'=');
        Section &section = m_sections.last();
        if (trimmed.startsWith(u'[')) {
            const qsizetype close = trimmed.lastIndexOf(u']');
            const QStringView name = close > 0 ? trimmed.mid(1, close - 1) : trimmed.mid(1);
            leavingOut = leftOut && leftOut(blanksTrimmed(name));
            if (!leavingOut)
                m_sections.append(Section{name.toString(), {Line{raw.toString(), {}, false}}, {}, {}, false});
        } else if (equals < 0 && !leavingOut) {
            section.lines.append(Line{raw.toString(), {}, false});
        } else if (!leavingOut) {
            section.lines.append(Line{raw.left(equals).toString(), raw.sliced(equals + 1).toString(), true});
            section.addKey(section.lines.size() - 1);
        }
    }
    indexSections();
}

const ProfileFile::Section *ProfileFile::findSection(const QString &section) const
{
    const auto it = m_sectionIndex.constFind(fold(section));   // the first of equal names counts
    return it == m_sectionIndex.cend() ? nullptr : &m_sections[it->first()];
}

QString ProfileFile::readValue(const Section *s, const QString &key, const QString &def)
{
    const qsizetype first = s ? s->lineOf(key) : 0;
    if (first == 0)
        return def;
    QString value = trimmed(s->lines[first].value);
    for (qsizetype n = 2, next; s->hasDottedKeys && (next = s->lineOf(continuationKey(key, n))) != 0; ++n)
        value += u'\n' + trimmed(s->lines[next].value);
    return value;
}

QStringList ProfileFile::readStrings(const QString &section, const QStringList &keys, const QString &def) const
{
    QStringList values;
    for (const Section *s = findSection(section); const QString &key : keys)
        values.append(readValue(s, key, def));
    return values;
}

QList<qint64> ProfileFile::numberedKeys(const QString &section, const QString &prefix) const
{
    QList<qint64> numbers;
    const Section *s = findSection(section);
    for (const QStringView wanted = blanksTrimmed(prefix); const Line &line : s ? s->lines : QList<Line>())
        if (const auto n = line.isKey ? numberAfter(blanksTrimmed(line.text), wanted) : std::nullopt)
            numbers.append(*n);
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
    return value ? std::optional(int(std::clamp<qint64>(negative ? -*value : *value, INT_MIN, INT_MAX))) : std::nullopt;
}

ProfileFile::Section &ProfileFile::sectionForWriting(const QString &section)
{
    if (const Section *found = findSection(section))
        return m_sections[found - m_sections.constData()];
    // A blank line parts the new section from the text before it.
    if (QList<Line> &last = m_sections.last().lines; !last.isEmpty() && !last.last().isBlank())
        last.append(Line{});
    const QString name = blanksTrimmed(section).toString();
    m_sectionIndex[fold(name)] = {m_sections.size()};
    m_sections.append(Section{name, {Line{u'[' + name + u']', {}, false}}, {}, {}, false});
    return m_sections.last();
}

void ProfileFile::setKey(Section &section, const QString &key, const QString &value)
{
    // A key that is there keeps its spelling and spacing.
    if (const qsizetype found = section.lineOf(key); found != 0)
        return void(section.lines[found].value = value);
    // After the last line that is not blank: no key line moves.
    qsizetype at = section.lines.size();
    while (at > 0 && section.lines[at - 1].isBlank())
        --at;
    section.lines.insert(at, Line{trimmed(key), value, true});
    section.addKey(at);
}

void ProfileFile::writeKey(Section &section, const QString &key, const QString &value)
{
    if (!section.hasDottedKeys && !value.contains(u'\n') && !value.contains(u'\r'))
        return setKey(section, key, value);
    const QStringList lines =
        QString(value).replace(QLatin1StringView("\r\n"), QLatin1StringView("\n")).replace(u'\r', u'\n').split(u'\n');
    setKey(section, key, lines.first());
    for (qsizetype n = 2; n <= lines.size(); ++n)
        setKey(section, continuationKey(key, n), lines.at(n - 1));
    // Continuation lines left from a longer value would join this one (take(): 0 for none).
    for (qsizetype n = lines.size() + 1, stale; (stale = section.keys.take(fold(continuationKey(key, n)))) != 0; ++n) {
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
    std::for_each(erased.crbegin(), erased.crend(), [this](qsizetype index) { m_sections.removeAt(index); });
    indexSections();
}

void ProfileFile::copySections(const ProfileFile &other)
{
    for (qsizetype first = 1; first < other.m_sections.size(); ++first) {
        const QString &name = other.m_sections[first].name;
        if (const QList<qsizetype> sources = other.m_sectionIndex.value(fold(name)); sources.first() == first) {
            eraseSection(name);
            sectionForWriting(name) = other.m_sections[first];
            for (const qsizetype source : sources.sliced(1))
                m_sections.append(other.m_sections[source]);
            indexSections();
        }
    }
}

QString ProfileFile::toText() const
{
    QString text;   // a line that holds no key has no value
    for (const Section &section : m_sections)
        for (const Line &line : section.lines)
            (((text += line.text) += line.isKey ? QStringView(u"=") : QStringView()) += line.value) += u"\r\n";
    return text;
}

bool ProfileFile::save()
{
    m_writeFailureReason.clear();
    const bool saved = writeFileAtomically(m_path, toBytes(), &m_writeFailureReason);
    m_error = saved ? QString() : QStringLiteral("Unable to write to ") + QFileInfo(m_path).absoluteFilePath();
    return saved;
}
