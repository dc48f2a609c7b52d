#include "specfile/specfile.h"

#include <QFileInfo>

#include <algorithm>
#include <initializer_list>

#include "awk/awk.h"
#include "generator/unitgenerator.h"
#include "model/ancestortable.h"
#include "model/componentspec.h"
#include "model/handlername.h"
#include "model/unitname.h"
#include "specfile/profilefile.h"

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
qint64 loopBound(int count, const ProfileFile &file, std::initializer_list<QString> sections,
                 bool *truncated)
{
    if (count <= 0)
        return 0;
    qint64 largest = -1;
    for (const QString &section : sections)
        largest = std::max(largest, file.largestNumberedKey(section, QString()));
    // The largest key can be the largest qint64: no "largest + 1" here.
    const qint64 bound = largest < count ? largest + 1 : count;
    if (bound > kMaxSpecListEntries)
        *truncated = true;
    return std::min(bound, qint64(kMaxSpecListEntries));
}

// The list sections a save writes anew: erased first, so that no entry of a
// longer list saved before stays behind.
const char *const kErased[] = {
    "Properties", "Storage", "Methods", "MethodSections", "RMethods", "WMethods",
    "Sections", "Variables", "types", "ReadWrite", "DefaultValues", "Procedures",
    "Functions", "Attributes", "Events", "EventParams", "Eventtypes", "EProtected",
    "StandardMessages", "UserMessages", "PropertyComments", "MethodComments",
    "ArrayProperties",
};

// Whether a section is one that a save writes, or erases and writes anew.
bool isWrittenBySave(const QString &section)
{
    if (section.compare(kComponent, Qt::CaseInsensitive) == 0)
        return true;
    return std::any_of(std::begin(kErased), std::end(kErased), [&](const char *name) {
        return section.compare(QLatin1String(name), Qt::CaseInsensitive) == 0;
    });
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

    for (const char *section : kErased)
        file.eraseSection(QLatin1String(section));

    const QStringList selected = spec.selectedStandardMessages();
    qsizetype longest = selected.size() + 1;
    for (const QStringList *list : {&spec.UserMessages, &spec.Events, &spec.EventTypes,
                                    &spec.EventParams, &spec.EProtected, &spec.Properties,
                                    &spec.Methods, &spec.MethodSections, &spec.Types,
                                    &spec.DefaultValues})
        longest = std::max(longest, list->size());
    const NumberKeys keys(longest);

    file.writeInteger(kComponent, QStringLiteral("StandardMessagecount"), standardCount);
    file.writeStrings(QStringLiteral("StandardMessages"), keys.data(1), selected.constData(),
                      selected.size());

    file.writeInteger(kComponent, QStringLiteral("UserMessagecount"), int(spec.UserMessages.size()));
    writeList(file, QStringLiteral("UserMessages"), spec.UserMessages, longest, keys);

    writeList(file, QStringLiteral("Events"), spec.Events, longest, keys);
    writeList(file, QStringLiteral("Eventtypes"), spec.EventTypes, longest, keys);
    writeList(file, QStringLiteral("Eventparams"), spec.EventParams, longest, keys);
    writeList(file, QStringLiteral("Eprotected"), spec.EProtected, longest, keys);

    // Every list section was erased above, so each is created by its first
    // write, at index 0: writing list by list gives the same file as writing
    // index by index across the lists, and keeps each run in one section.
    const qsizetype properties = spec.Properties.size();
    writeList(file, QStringLiteral("Properties"), spec.Properties, properties, keys);
    writeList(file, QStringLiteral("Storage"), spec.Storage, properties, keys);
    writeList(file, QStringLiteral("PropertyComments"), spec.PropertyComments, properties, keys);
    // ArrayProperties entry i goes with RMethods entry i.
    const qsizetype withReadMethod = std::min(properties, spec.RMethods.size());
    writeList(file, QStringLiteral("RMethods"), spec.RMethods, withReadMethod, keys);
    writeList(file, QStringLiteral("ArrayProperties"), spec.ArrayProperties, withReadMethod, keys);
    writeList(file, QStringLiteral("Attributes"), spec.Attributes, properties, keys);
    writeList(file, QStringLiteral("WMethods"), spec.WMethods, properties, keys);
    writeList(file, QStringLiteral("Sections"), spec.Sections, properties, keys);
    writeList(file, QStringLiteral("Variables"), spec.Variables, properties, keys);
    writeList(file, QStringLiteral("ReadWrite"), spec.ReadWrite, properties, keys);

    const qsizetype methods = spec.Methods.size();
    writeList(file, QStringLiteral("Methods"), spec.Methods, methods, keys);
    writeList(file, QStringLiteral("MethodComments"), spec.MethodComments, methods, keys);

    writeList(file, QStringLiteral("MethodSections"), spec.MethodSections, longest, keys);
    writeList(file, QStringLiteral("Types"), spec.Types, longest, keys);
    writeList(file, QStringLiteral("DefaultValues"), spec.DefaultValues, longest, keys);
}

bool saveSpecification(const ComponentSpec &spec, const QString &path, QString *error,
                       BuildCounts counts, const QString &currentFile)
{
    ProfileFile file;
    // A file that exists but cannot be read is not overwritten: what it holds
    // beyond the specification would be lost.
    if (file.load(path) == ProfileFile::LoadResult::Failed) {
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
        if (current.load(currentFile) == ProfileFile::LoadResult::Loaded)
            file.copySections(current, [](const QString &section) { return !isWrittenBySave(section); });
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
    const qint64 events = loopBound(eventCount, file,
        {QStringLiteral("Events"), QStringLiteral("EventParams"),
         QStringLiteral("Eventtypes"), QStringLiteral("EProtected")}, &truncated);
    // Both method loops share one bound, so the three method lists stay aligned.
    const qint64 methods = loopBound(
        file.readInteger(kComponent, QStringLiteral("Methodcount"), 0), file,
        {QStringLiteral("Methods"), QStringLiteral("Methodcomments"),
         QStringLiteral("Methodsections")}, &truncated);
    if (truncated && warning) {
        *warning = QStringLiteral("The file names more than %1 events or methods; "
                                  "only the first %1 were read.").arg(kMaxSpecListEntries);
    }
    const NumberKeys numbers(std::max(events, methods));

    // Each list is read whole: a list's entries do not depend on another's.
    const QStringList eventKeys = numbers.first(events);
    appendNonEmpty(spec.Events, file.readStrings(QStringLiteral("Events"), eventKeys));
    appendNonEmpty(spec.EventParams, file.readStrings(QStringLiteral("EventParams"), eventKeys));
    spec.EventTypes += file.readStrings(QStringLiteral("Eventtypes"), eventKeys);
    spec.EProtected += file.readStrings(QStringLiteral("EProtected"), eventKeys);

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
    const auto read = [&file, &keys](const char *section, const QString &def = QString()) {
        return file.readStrings(QLatin1String(section), keys, def);
    };
    spec.ArrayProperties += read("ArrayProperties", kNone);
    spec.Storage += read("Storage", kNone);
    spec.PropertyComments += read("PropertyComments");
    const QStringList variables = read("Variables");
    spec.Variables += variables;
    spec.RMethods += read("rmethods");
    spec.WMethods += read("wmethods");
    spec.Sections += read("Sections");
    spec.Types += read("Types");
    spec.ReadWrite += read("Readwrite");
    const QStringList defaults = read("Defaultvalues");
    spec.DefaultValues += defaults;
    spec.Attributes += read("Attributes");
    // The file has no constructor statements; they follow from the defaults.
    for (qsizetype i = 0; i < variables.size(); ++i)
        spec.Initializers.append(ComponentSpec::initializerFor(variables.at(i), defaults.at(i)));

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

    const QStringList methodKeys = numbers.first(methods);
    const QStringList headings = file.readStrings(QStringLiteral("Methods"), methodKeys);
    spec.Methods += headings;
    for (const QString &heading : headings) {
        const QStringList &fields = awk.split(QStringLiteral(" ();"), heading);
        spec.DefinedMethods.append(fields.isEmpty() ? heading : fields.value(1));
    }
    spec.MethodComments += file.readStrings(QStringLiteral("Methodcomments"), methodKeys);
    spec.MethodSections += file.readStrings(QStringLiteral("Methodsections"), methodKeys);

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
