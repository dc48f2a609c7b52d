// SPDX-License-Identifier: MIT
#include "specfile/specfile.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

#include "awk/awk.h"
#include "generator/unitgenerator.h"
#include "model/ancestortable.h"
#include "model/componentspec.h"
#include "model/handlername.h"
#include "model/storedlists.h"
#include "model/unitname.h"
#include "specfile/profilefile.h"
#include "specfile/regularfile.h"
#include "specfile/textcodec.h"

namespace {

const QString kComponent = QStringLiteral("Component");

// The decimal keys "0" to "n - 1", made once for all the lists.
class NumberKeys
{
public:
    explicit NumberKeys(qint64 n)
    {
        m_keys.reserve(n);
        for (qint64 i = 0; i < n; ++i)
            m_keys.append(QString::number(i));
    }
    const QString *data(qint64 first) const { return m_keys.constData() + first; }
    QStringList first(qint64 n) const { return m_keys.first(n); }

private:
    QStringList m_keys;
};

// Writes entries 0 to count - 1 of list under section.
void writeList(ProfileFile &file, const QString &section, const QStringList &list,
               qsizetype count, const NumberKeys &keys)
{
    count = std::min(count, list.size());
    file.writeStrings(section, keys.data(0), list.constData(), count);
}

// How many indexes, from 0, a loop over count reads: never past the largest
// decimal key present in the loop's sections, nor past the safety limit
// (which sets *truncated when it cuts the loop short).
qint64 loopBound(int count, const ProfileFile &file, const QStringList &sections,
                 bool *truncated)
{
    if (count <= 0)
        return 0;
    qint64 largest = -1;
    for (const QString &section : sections)
        if (const QList<qint64> numbers = file.numberedKeys(section, QString()); !numbers.isEmpty())
            largest = std::max(largest, numbers.last());
    // The largest key can be the largest qint64: no "largest + 1" here.
    const qint64 bound = largest < count ? largest + 1 : count;
    if (bound > kMaxSpecListEntries)
        *truncated = true;
    return std::min(bound, qint64(kMaxSpecListEntries));
}

// The sections a save writes anew: erased first, so that no entry of a
// longer list saved before stays behind. They are the stored lists', the
// selection's, and those of the access routines that older files have.
const QStringList &erasedSections()
{
    static const QStringList sections = [] {
        QStringList names;
        for (const StoredList &stored : storedLists())
            names.append(stored.section);
        names << QStringLiteral("StandardMessages") << QStringLiteral("Procedures")
              << QStringLiteral("Functions");
        return names;
    }();
    return sections;
}

bool isErasedBySave(QStringView section)
{
    return erasedSections().contains(section, Qt::CaseInsensitive);
}

// Whether a section is one that a save writes, or erases and writes anew.
bool isWrittenBySave(QStringView section)
{
    return section.compare(kComponent, Qt::CaseInsensitive) == 0 || isErasedBySave(section);
}

// Appends the values that are not empty.
void appendNonEmpty(QStringList &list, const QStringList &values)
{
    for (const QString &value : values) {
        if (!value.isEmpty())
            list.append(value);
    }
}

} // namespace

void writeSpecification(const ComponentSpec &spec, ProfileFile &file, BuildCounts counts)
{
    file.writeString(kComponent, QStringLiteral("Name"), unitIdentifier(spec.Filename));
    file.writeInteger(kComponent, QStringLiteral("PropertyCount"), int(spec.Properties.size()));
    file.writeInteger(kComponent, QStringLiteral("MethodCount"), int(spec.Methods.size()));
    file.writeInteger(kComponent, QStringLiteral("ProcCount"), counts.procedures);
    file.writeInteger(kComponent, QStringLiteral("FuncCount"), counts.functions);
    file.writeString(kComponent, QStringLiteral("Classname"), spec.Classname);
    file.writeString(kComponent, QStringLiteral("Filename"), spec.Filename);
    file.writeString(kComponent, QStringLiteral("Palettepage"), spec.Palettepage);
    file.writeString(kComponent, QStringLiteral("Ancestor"), spec.Ancestor);
    const int standardCount = spec.selectedStandardMessageCount();
    file.writeInteger(kComponent, QStringLiteral("StandardMessageCount"), standardCount);
    file.writeInteger(kComponent, QStringLiteral("UserMessageCount"), int(spec.UserMessages.size()));
    file.writeInteger(kComponent, QStringLiteral("EventCount"), int(spec.Events.size()));

    for (const QString &section : erasedSections())
        file.eraseSection(section);

    const QStringList selected = spec.selectedStandardMessages();
    qsizetype longest = selected.size() + 1;
    for (const StoredList &stored : storedLists())
        longest = std::max(longest, (spec.*stored.list).size());
    const NumberKeys keys(longest);

    file.writeInteger(kComponent, QStringLiteral("StandardMessagecount"), standardCount);
    file.writeStrings(QStringLiteral("StandardMessages"), keys.data(1), selected.constData(),
                      selected.size());
    file.writeInteger(kComponent, QStringLiteral("UserMessagecount"), int(spec.UserMessages.size()));

    // Every list section was erased above, so each is created by its first
    // write, at index 0: writing list by list gives the same file as writing
    // index by index across the lists, and keeps each run in one section.
    const qsizetype properties = spec.Properties.size();
    for (const StoredList &stored : storedLists()) {
        const QStringList &list = spec.*stored.list;
        qsizetype count = longest;
        switch (stored.saved) {
        case StoredList::SavedCount::All: break;
        case StoredList::SavedCount::Properties: count = properties; break;
        case StoredList::SavedCount::Methods: count = spec.Methods.size(); break;
        // ArrayProperties entry i goes with RMethods entry i.
        case StoredList::SavedCount::ReadMethods:
            count = std::min(properties, spec.RMethods.size());
            break;
        }
        writeList(file, stored.section, list, count, keys);
    }
}

bool saveSpecification(const ComponentSpec &spec, const QString &path, QString *error,
                       BuildCounts counts, const QString &currentFile)
{
    ProfileFile file;
    // A file that exists but cannot be read is not overwritten: what it holds
    // beyond the specification would be lost.
    if (file.load(path, isErasedBySave) == ProfileFile::LoadResult::Failed) {
        if (error)
            *error = QStringLiteral("Unable to write to ") + QFileInfo(path).absoluteFilePath();
        return false;
    }
    writeSpecification(spec, file, counts);
    // Saved under another name, the specification takes its hand-written
    // bodies along, after the sections it writes: a new file begins with
    // "[Component]", as a specification file is recognised by it.
    if (!currentFile.isEmpty() && QFileInfo(currentFile) != QFileInfo(path)) {
        ProfileFile current;
        if (current.load(currentFile, isWrittenBySave) == ProfileFile::LoadResult::Loaded)
            file.copySections(current);
    }
    if (!file.save()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

void readSpecification(ComponentSpec &spec, const QString &path, TAwk &awk, QString *warning)
{
    readSpecification(spec, ProfileFile(path), awk, warning);
}

void readSpecification(ComponentSpec &spec, const ProfileFile &file, TAwk &awk, QString *warning)
{
    const int eventCount = file.readInteger(kComponent, QStringLiteral("Eventcount"), 0);
    spec.Palettepage = file.readString(kComponent, QStringLiteral("Palettepage"));

    // The event and method loops append entries for every index, present or
    // not, so they run over every index up to their bound.
    bool truncated = false;
    const qint64 events = loopBound(eventCount, file, storedSections(StoredList::Group::Event),
                                    &truncated);
    // Both method loops share one bound, so the three method lists stay aligned.
    const qint64 methods = loopBound(
        file.readInteger(kComponent, QStringLiteral("Methodcount"), 0), file,
        storedSections(StoredList::Group::Method), &truncated);
    if (truncated && warning) {
        *warning = QStringLiteral("The file names more than %1 events or methods; "
                                  "only the first %1 were read.").arg(kMaxSpecListEntries);
    }
    const NumberKeys numbers(std::max(events, methods));

    // Each list is read whole: a list's entries do not depend on another's.
    const auto readList = [&spec, &file](const StoredList &stored, const QStringList &keys) {
        const QStringList values = file.readStrings(stored.section, keys, stored.missing);
        if (stored.keepsEmpty)
            spec.*stored.list += values;
        else
            appendNonEmpty(spec.*stored.list, values);
    };
    const QStringList eventKeys = numbers.first(events);
    const QStringList methodKeys = numbers.first(methods);
    const qsizetype firstMethod = spec.Methods.size();
    for (const StoredList &stored : storedLists()) {
        if (stored.group == StoredList::Group::Event)
            readList(stored, eventKeys);
        else if (stored.group == StoredList::Group::Method)
            readList(stored, methodKeys);
    }

    // The other loops skip an index whose entry is absent, so they visit only
    // the keys present: an absurd count or key costs nothing. A property
    // index is read when its name is not empty.
    const int propertyCount = file.readInteger(kComponent, QStringLiteral("PropertyCount"), 0);
    QStringList present;
    for (const qint64 i : file.numberedKeys(QStringLiteral("Properties"), QString())) {
        if (i >= propertyCount)
            break;
        present.append(QString::number(i));
    }
    const QStringList names = file.readStrings(QStringLiteral("Properties"), present);
    QStringList keys;
    for (qsizetype i = 0; i < names.size(); ++i) {
        const QString &name = names.at(i);
        if (name.isEmpty())
            continue;
        keys.append(present.at(i));
        (beginsWithOn(name) ? spec.DefinedHandlers : spec.DefinedProperties).append(name);
        spec.Properties.append(name);
    }
    const qsizetype firstVariable = spec.Variables.size();
    const qsizetype firstDefault = spec.DefaultValues.size();
    for (const StoredList &stored : storedLists()) {
        if (stored.group == StoredList::Group::Property && stored.list != &ComponentSpec::Properties)
            readList(stored, keys);
    }
    // The file has no constructor statements; they follow from the defaults.
    for (qsizetype i = 0; i < keys.size(); ++i) {
        spec.Initializers.append(ComponentSpec::initializerFor(
            spec.Variables.at(firstVariable + i), spec.DefaultValues.at(firstDefault + i)));
    }

    const int userMessageCount = file.readInteger(kComponent, QStringLiteral("UserMessageCount"), 0);
    for (const qint64 i : file.numberedKeys(QStringLiteral("UserMessages"), QString())) {
        if (i >= userMessageCount)
            break;
        const QString message = file.readString(QStringLiteral("UserMessages"), QString::number(i));
        if (!message.isEmpty())
            spec.UserMessages.append(message);
    }

    const int standardCount = file.readInteger(kComponent, QStringLiteral("StandardMessageCount"), 0);
    for (const qint64 k : file.numberedKeys(QStringLiteral("StandardMessages"), QString())) {
        if (k > standardCount)
            break;
        if (k < 1)
            continue;
        const QString name = file.readString(QStringLiteral("StandardMessages"), QString::number(k));
        if (!name.isEmpty())
            spec.selectStandardMessage(name);
    }

    for (const QString &heading : spec.Methods.sliced(firstMethod)) {
        const QStringList &fields = awk.split(QStringLiteral(" ();"), heading);
        spec.DefinedMethods.append(fields.isEmpty() ? heading : fields.value(1));
    }

    spec.Classname = file.readString(kComponent, QStringLiteral("classname"));
    spec.Filename = file.readString(kComponent, QStringLiteral("Filename"));

    const QString ancestor = file.readString(kComponent, QStringLiteral("Ancestor"),
                                             QStringLiteral("TComponent"));
    const int index = ancestorIndex(ancestor);
    if (index >= 0) {
        spec.Ancestor = ancestorNames().at(index);
        refillAncestorMembers(spec, index);
    } else {
        // A custom ancestor is kept; with no list entry it has no members.
        spec.Ancestor = ancestor;
    }
}

bool beginsLikeSpecification(QByteArrayView head)
{
    if (head.startsWith("\xEF\xBB\xBF"))
        head = head.sliced(3);
    while (!head.isEmpty()) {
        const qsizetype end = head.indexOf('\n');
        const QString line = QString::fromLatin1(end < 0 ? head : head.first(end));
        const QStringView trimmed = ProfileFile::blanksTrimmed(line);
        if (!trimmed.isEmpty() && !trimmed.startsWith(u';')) {
            if (!trimmed.startsWith(u'['))
                return false;
            const qsizetype close = trimmed.lastIndexOf(u']');
            const QStringView name = close > 0 ? trimmed.mid(1, close - 1) : trimmed.mid(1);
            return name.compare(kComponent, Qt::CaseInsensitive) == 0;
        }
        if (end < 0)
            return false;
        head = head.sliced(end + 1);
    }
    return false;
}

SpecificationFileLoad loadSpecificationFile(ProfileFile &file, const QString &path)
{
    using Result = SpecificationFileLoad::Result;
    const QString name = QFileInfo(path).fileName();
    QFile device;
    QString reason;
    switch (openRegularFile(device, path, &reason)) {
    case RegularFileOpen::Opened:
        break;
    case RegularFileOpen::NotFound:
        return {Result::Unreadable, QStringLiteral("File not found: ") + path};
    case RegularFileOpen::NotRegular:
        return {Result::Refused, name + QStringLiteral(" is not a regular file (a folder, a device "
                                                       "or a pipe); it is not read.")};
    case RegularFileOpen::Failed:
        return {Result::Unreadable, QStringLiteral("Unable to read ") + path + QStringLiteral(": ") + reason};
    }
    const SpecificationFileLoad tooLarge{
        Result::Refused, name + QStringLiteral(" is larger than %1 MB, more than any component "
                                               "specification file; it is not read.")
                                    .arg(kMaxSpecificationFileSize / (1024 * 1024))};
    if (device.size() > kMaxSpecificationFileSize)
        return tooLarge;
    // The first lines tell a specification from any other file, however large.
    constexpr qint64 kHeadBytes = 4096;
    QByteArray bytes = device.read(kHeadBytes);
    if (!beginsLikeSpecification(bytes))
        return {Result::Refused, name + QStringLiteral(" is not a component specification file.")};
    // The size again: the file may have grown since.
    bytes += device.read(kMaxSpecificationFileSize + 1 - bytes.size());
    if (device.error() != QFileDevice::NoError)
        return {Result::Unreadable, QStringLiteral("Unable to read ") + path + QStringLiteral(": ")
                                        + device.errorString()};
    if (bytes.size() > kMaxSpecificationFileSize)
        return tooLarge;
    file.parse(decodeText(bytes));
    file.setPath(path);
    return {};
}

std::optional<QString> notASpecificationFile(const ProfileFile &file, const QString &path)
{
    if (file.hasSection(kComponent))
        return std::nullopt;
    return QFileInfo(path).fileName() + QStringLiteral(" is not a component specification file.");
}

QString proposedSpecificationPath(const QString &filename)
{
    return directoryPart(filename) + unitIdentifier(filename) + QStringLiteral(".spc");
}

namespace {

class SpecificationFiles final : public SpecStore
{
public:
    ReadResult read(const QString &path, ComponentSpec &spec, TAwk &awk) const override
    {
        ReadResult result;
        ProfileFile file;
        const SpecificationFileLoad load = loadSpecificationFile(file, path);
        if (load.result != SpecificationFileLoad::Result::Loaded) {
            result.message = load.message;
            return result;
        }
        if (const std::optional<QString> problem = notASpecificationFile(file, path)) {
            result.message = *problem;
            return result;
        }
        readSpecification(spec, file, awk, &result.message);
        result.read = true;
        return result;
    }

    bool write(const ComponentSpec &spec, const QString &path, QString *error, BuildCounts counts,
               const QString &currentFile) const override
    {
        return saveSpecification(spec, path, error, counts, currentFile);
    }
};

} // namespace

const SpecStore &specificationFiles()
{
    static const SpecificationFiles files;
    return files;
}
