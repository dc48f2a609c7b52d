// SPDX-License-Identifier: MIT
#include "model/componentspec.h"

#include "awk/awk.h"
#include "model/handlername.h"
#include "model/methoddirectives.h"
#include "model/pascalvocabulary.h"
#include "model/standardmessages.h"
#include "model/storedlists.h"
#include "model/stringlists.h"
#include "model/usermessage.h"

using namespace Qt::StringLiterals;

namespace {

// Default values of string properties are stored quoted. The test looks at
// the type as typed, without the "^" that the Pointer box adds.
bool quotesDefault(const QString &type)
{
    return asciiUpper(type) == u"STRING"_s;
}

QString quotedDefault(const QString &type, const QString &value)
{
    return quotesDefault(type) ? u"'"_s + value + u"'"_s : value;
}

// The default value as the user typed it: only the quotes that Add put
// around it come off. Edit-back shows the stored type, and Add quotes for
// that type exactly when these quotes are taken off here, so a value comes
// back whole: 'x' of a char, it's of a string, 'abc' of a ^string.
QString typedDefault(const QString &storedType, const std::optional<QString> &stored)
{
    if (!stored)
        return QString();
    if (quotesDefault(storedType) && stored->size() >= 2 && stored->startsWith(u'\'')
        && stored->endsWith(u'\''))
        return stored->mid(1, stored->size() - 2);
    return *stored;
}

} // namespace

ComponentSpec::ComponentSpec()
    : m_standardMessageSelection(standardMessageNames().size())
{
}

bool ComponentSpec::isStandardMessageSelected(int index) const
{
    return index >= 0 && index < m_standardMessageSelection.size()
        && m_standardMessageSelection.testBit(index);
}

void ComponentSpec::setStandardMessageSelected(int index, bool selected)
{
    if (index >= 0 && index < m_standardMessageSelection.size())
        m_standardMessageSelection.setBit(index, selected);
}

bool ComponentSpec::selectStandardMessage(const QString &name)
{
    const qsizetype index = standardMessageNames().indexOf(name);
    if (index < 0)
        return false;
    m_standardMessageSelection.setBit(index);
    return true;
}

QStringList ComponentSpec::selectedStandardMessages() const
{
    QStringList names;
    const QStringList &all = standardMessageNames();
    for (qsizetype i = 0; i < all.size(); ++i) {
        if (m_standardMessageSelection.testBit(i))
            names.append(all.at(i));
    }
    return names;
}

int ComponentSpec::selectedStandardMessageCount() const
{
    return int(m_standardMessageSelection.count(true));
}

void ComponentSpec::clearStandardMessageSelection()
{
    m_standardMessageSelection.fill(false);
}

QString ComponentSpec::initializerFor(const QString &variable, const QString &defaultValue)
{
    if (defaultValue.isEmpty() || defaultValue == kNone)
        return kNone;
    return u"     "_s + variable + u" := "_s + defaultValue + u";"_s;
}

ComponentSpec::PropertyAdded ComponentSpec::addProperty(const PropertyInput &input)
{
    PropertyAdded added;
    const QString &name = input.name;
    const QString field = u"F"_s + name;

    Properties.append(name);
    ArrayProperties.append(input.indexed ? u"Array"_s : kNone);
    PropertyComments.append(input.comment);
    Storage.append(input.stored ? kNone : u"Stored False"_s);

    bool runtimeOnly = input.runtimeOnly;
    if (input.isProtected)
        Sections.append(u"protected"_s);
    else if (input.runtimeOnly || input.readOnly || input.writeOnly)
        Sections.append(u"public"_s);
    else if (!input.indexed)
        Sections.append(u"published"_s);
    else {
        // An indexed property cannot be published: it goes public, runtime only.
        Sections.append(u"public"_s);
        runtimeOnly = true;
        added.runtimeOnlyChecked = true;
    }

    Types.append(input.pointer && !input.type.startsWith(u'^') ? u"^"_s + input.type : input.type);

    const QString read = input.readMethod.isEmpty() ? field : input.readMethod;
    const QString write = input.writeMethod.isEmpty() ? field : input.writeMethod;
    Variables.append(field);

    if (input.defaultValue.isEmpty()) {
        DefaultValues.append(kNone);
        Initializers.append(kNone);
    } else {
        const QString value = quotedDefault(input.type, input.defaultValue);
        DefaultValues.append(value);
        Initializers.append(initializerFor(field, value));
    }

    WMethods.append(write == field ? kNone : write);
    RMethods.append(read == field ? kNone : read);

    QString attributes = u"****"_s;
    if (input.readOnly) {
        ReadWrite.append(u"read "_s + read);
        attributes[1] = u'R';
    } else if (input.writeOnly) {
        ReadWrite.append(u"write "_s + write);
        attributes[2] = u'W';
    } else {
        ReadWrite.append(u"read "_s + read + u" write "_s + write);
    }
    if (runtimeOnly)
        attributes[0] = u'U';
    if (input.isProtected)
        attributes[3] = u'P';
    Attributes.append(attributes);

    DefinedProperties.append(name);
    return added;
}

QString ComponentSpec::addEventHandler(const EventInput &input)
{
    const QString name = ::normalisedHandlerName(input.name);
    const QString field = u"F"_s + name;

    Properties.append(name);
    ArrayProperties.append(kNone);
    PropertyComments.append(input.comment);
    DefaultValues.append(kNone);
    Initializers.append(kNone);
    Storage.append(kNone);
    Attributes.append(u"****"_s);
    Sections.append(input.isProtected ? u"protected"_s : u"published"_s);
    Variables.append(field);
    ReadWrite.append(u"read "_s + field + u" write "_s + field);
    Types.append(input.type);
    RMethods.append(kNone);
    WMethods.append(kNone);

    EProtected.append(input.isProtected ? u"protected"_s : kNone);
    Events.append(name);
    EventTypes.append(input.type);
    EventParams.append(input.params.isEmpty() ? kNone : input.params);

    DefinedHandlers.append(name);
    return name;
}

QString ComponentSpec::methodHeading(const MethodInput &input)
{
    QString heading = input.kind + u" "_s + input.name;
    if (!input.params.isEmpty())
        heading += u"("_s + input.params + u")"_s;
    if (input.kind == u"Function"_s)
        heading += u" : "_s + input.returnType;
    heading += u";"_s;
    if (input.directive == MethodDirective::Virtual)
        heading += headingDirectiveText(HeadingDirective::Virtual);
    else if (input.directive == MethodDirective::Dynamic)
        heading += headingDirectiveText(HeadingDirective::Dynamic);
    if (input.isOverride)
        heading += headingDirectiveText(HeadingDirective::Override);
    if (input.isAbstract)
        heading += headingDirectiveText(HeadingDirective::Abstract);
    return heading;
}

ComponentSpec::MethodAdded ComponentSpec::addMethod(const MethodInput &input)
{
    MethodAdded added;
    added.heading = methodHeading(input);
    Methods.append(added.heading);
    MethodComments.append(input.comment);
    if (input.isPrivate)
        MethodSections.append(u"private"_s);
    else if (input.isPublic)
        MethodSections.append(u"public"_s);
    else if (input.isProtected)
        MethodSections.append(u"protected"_s);
    else {
        MethodSections.append(u"public"_s);
        added.publicChecked = true;
    }
    DefinedMethods.append(input.name);
    return added;
}

void ComponentSpec::addUserMessage(const QString &name, int offset)
{
    UserMessages.append(name + u"[WM_USER + "_s + QString::number(offset) + u"]}  "_s);
}

namespace {

// Removes entry i of every list of the group (and, of a property, its constructor statement).
void removeEntries(ComponentSpec &spec, StoredList::Group group, qsizetype i)
{
    for (const StoredList &stored : storedLists()) {
        if (stored.group == group)
            removeEntryAt(spec.*stored.list, i);
    }
    if (group == StoredList::Group::Property)
        removeEntryAt(spec.Initializers, i);
}

} // namespace

bool ComponentSpec::removeDefinedProperty(int row)
{
    if (row < 0 || row >= DefinedProperties.size())
        return false;
    const qsizetype i = indexOfText(Properties, DefinedProperties.at(row));
    if (i < 0)
        return false;
    DefinedProperties.removeAt(row);
    removeEntries(*this, StoredList::Group::Property, i);
    return true;
}

void ComponentSpec::removeDefinedHandler(int row)
{
    if (row < 0 || row >= DefinedHandlers.size())
        return;
    const qsizetype i = indexOfText(Properties, DefinedHandlers.at(row));
    if (i >= 0) {
        removeEntries(*this, StoredList::Group::Property, i);
        removeEntries(*this, StoredList::Group::Event, row);
    }
    DefinedHandlers.removeAt(row);
}

void ComponentSpec::removeMethod(int row)
{
    removeEntries(*this, StoredList::Group::Method, row);
    removeEntryAt(DefinedMethods, row);
}

void ComponentSpec::removeUserMessage(int row)
{
    removeEntries(*this, StoredList::Group::UserMessage, row);
}

namespace {

// A stored value, absent when it is the none marker.
std::optional<QString> unlessNone(const QString &stored)
{
    return stored == kNone ? std::nullopt : std::optional<QString>(stored);
}

// An access method's name; empty when the clause names the field ("*" or nothing).
QString accessMethod(const QString &stored)
{
    return stored == kNone ? QString() : stored;
}

} // namespace

Visibility visibilityOf(const QString &section)
{
    if (section == u"private"_s)
        return Visibility::Private;
    if (section == u"protected"_s)
        return Visibility::Protected;
    if (section == u"public"_s)
        return Visibility::Public;
    if (section == u"published"_s)
        return Visibility::Published;
    return Visibility::Undeclared;
}

PropertyAccess parseAccessClause(const QString &clause)
{
    // The words between white space, as QString::simplified() parts them, read in place.
    QList<QStringView> words;
    for (qsizetype end = 0, start; end < clause.size();) {
        for (start = end; start < clause.size() && clause.at(start).isSpace(); ++start) {}
        for (end = start; end < clause.size() && !clause.at(end).isSpace(); ++end) {}
        if (end > start)
            words.append(QStringView(clause).sliced(start, end - start));
    }
    // No letter outside ASCII folds to one of "read" or "write".
    const auto isWord = [&words](qsizetype at, QLatin1StringView word) {
        return at < words.size() && words.at(at).compare(word, Qt::CaseInsensitive) == 0;
    };
    PropertyAccess access;
    bool namesOk = true;
    qsizetype i = 0;
    if (i + 1 < words.size() && isWord(i, "read"_L1)) {
        access.reads = true;
        access.reader = words.at(i + 1).toString();
        namesOk = namesOk && isPascalIdentifier(access.reader);
        i += 2;
    }
    if (i + 1 < words.size() && isWord(i, "write"_L1)) {
        access.writes = true;
        access.writer = words.at(i + 1).toString();
        namesOk = namesOk && isPascalIdentifier(access.writer);
        i += 2;
    }
    access.wellFormed = namesOk && i > 0 && i == words.size();
    return access;
}

PropertyEntry ComponentSpec::property(qsizetype i) const
{
    PropertyEntry entry;
    entry.name = Properties.value(i);
    entry.type = Types.value(i);
    entry.indexed = ArrayProperties.value(i) != kNone;
    if (i >= 0 && i < Variables.size())
        entry.field = unlessNone(Variables.at(i));
    entry.readMethod = accessMethod(RMethods.value(i));
    entry.writeMethod = accessMethod(WMethods.value(i));
    entry.accessClause = ReadWrite.value(i);
    entry.access = parseAccessClause(entry.accessClause);
    entry.defaultValue = unlessNone(DefaultValues.value(i));
    entry.storage = unlessNone(Storage.value(i, kNone));
    entry.section = Sections.value(i);
    entry.visibility = visibilityOf(entry.section);
    const QString attributes = Attributes.value(i);
    const auto flag = [&attributes](qsizetype at, char16_t letter) { return attributes.size() > at && attributes.at(at) == letter; };
    entry.runtimeOnly = flag(0, u'U');
    entry.readOnly = flag(1, u'R');
    entry.writeOnly = flag(2, u'W');
    entry.isProtected = flag(3, u'P');
    entry.comment = PropertyComments.value(i);
    return entry;
}

QList<PropertyEntry> ComponentSpec::properties() const
{
    QList<PropertyEntry> entries;
    entries.reserve(Properties.size());
    for (qsizetype i = 0; i < Properties.size(); ++i)
        entries.append(property(i));
    return entries;
}

qsizetype ComponentSpec::propertyIndexOfRow(int row) const
{
    if (row < 0 || row >= DefinedProperties.size())
        return -1;
    return indexOfText(Properties, DefinedProperties.at(row));
}

EventEntry ComponentSpec::event(qsizetype row) const
{
    EventEntry entry;
    entry.name = DefinedHandlers.value(row);
    entry.propertyIndex = row < 0 || row >= DefinedHandlers.size()
        ? -1 : indexOfText(Properties, entry.name);
    if (entry.propertyIndex >= 0) {
        entry.name = Properties.at(entry.propertyIndex);
        entry.comment = PropertyComments.value(entry.propertyIndex);
    }
    entry.type = EventTypes.value(row);
    entry.isProtected = EProtected.value(row) == u"protected"_s;
    entry.parameters = accessMethod(EventParams.value(row));
    return entry;
}

MethodEntry ComponentSpec::method(qsizetype i) const
{
    MethodEntry entry;
    entry.heading = Methods.value(i);
    entry.parts = parseMethodHeading(entry.heading);
    entry.isProcedure = asciiLower(entry.parts.kind) == u"procedure"_s;
    const PageDirectives directives = pageDirectives(entry.parts.directives);
    entry.isVirtual = directives.isVirtual;
    entry.isDynamic = directives.isDynamic;
    entry.isOverride = directives.isOverride;
    entry.isAbstract = directives.isAbstract;
    entry.section = MethodSections.value(i);
    entry.visibility = visibilityOf(entry.section);
    entry.comment = MethodComments.value(i);
    return entry;
}

QList<MethodEntry> ComponentSpec::methods() const
{
    QList<MethodEntry> entries;
    entries.reserve(Methods.size());
    for (qsizetype i = 0; i < Methods.size(); ++i)
        entries.append(method(i));
    return entries;
}

UserMessageEntry ComponentSpec::userMessage(qsizetype i) const
{
    UserMessageEntry entry;
    entry.stored = UserMessages.value(i);
    TAwk awk;
    const UserMessageParts parts = splitUserMessage(awk, entry.stored);
    entry.name = parts.name;
    entry.value = parts.value;
    entry.offset = userMessageOffsetText(parts.value);
    entry.isEmpty = !parts.hasFields;
    return entry;
}

QList<UserMessageEntry> ComponentSpec::userMessages() const
{
    QList<UserMessageEntry> entries;
    entries.reserve(UserMessages.size());
    for (qsizetype i = 0; i < UserMessages.size(); ++i)
        entries.append(userMessage(i));
    return entries;
}

bool ComponentSpec::decodeProperty(int row, PropertyInput &out) const
{
    const qsizetype i = propertyIndexOfRow(row);
    if (i < 0)
        return false;
    const PropertyEntry entry = property(i);
    out = PropertyInput();
    out.name = entry.name;
    out.indexed = entry.indexed;
    out.comment = entry.comment;
    out.stored = entry.isStored();
    out.type = entry.type;
    out.pointer = entry.isPointer();
    out.readMethod = entry.readMethod;
    out.writeMethod = entry.writeMethod;
    out.defaultValue = typedDefault(entry.type, entry.defaultValue);
    out.runtimeOnly = entry.runtimeOnly;
    out.readOnly = entry.readOnly;
    out.writeOnly = entry.writeOnly;
    out.isProtected = entry.isProtected;
    return true;
}

bool ComponentSpec::decodeEventHandler(int row, EventInput &out) const
{
    const EventEntry entry = event(row);
    if (entry.propertyIndex < 0)
        return false;
    out = EventInput();
    out.name = entry.name;
    out.comment = entry.comment;
    out.type = entry.type;
    out.isProtected = entry.isProtected;
    out.params = entry.parameters;
    return true;
}

// The inverse of methodHeading: the directives the page writes, the
// parameters from the first "(" to the ")" that closes it, so that a heading
// decoded and composed again is the heading stored.
bool ComponentSpec::decodeMethod(int row, MethodInput &out) const
{
    if (row < 0 || row >= Methods.size())
        return false;
    const MethodEntry entry = method(row);
    out = MethodInput();
    out.comment = entry.comment;
    out.isAbstract = entry.isAbstract;
    if (entry.isDynamic)
        out.directive = MethodDirective::Dynamic;
    else if (entry.isVirtual)
        out.directive = MethodDirective::Virtual;
    else
        out.directive = MethodDirective::Static;
    out.isOverride = entry.isOverride;
    out.isPrivate = entry.visibility == Visibility::Private;
    out.isPublic = entry.visibility == Visibility::Public;
    out.isProtected = entry.visibility == Visibility::Protected;
    out.name = entry.parts.name;
    out.params = entry.parts.parameters;
    if (entry.isProcedure) {
        out.kind = u"Procedure"_s;
    } else {
        out.kind = u"Function"_s;
        out.returnType = entry.parts.returnType;
    }
    return true;
}

void ComponentSpec::reset()
{
    for (const StoredList &stored : storedLists())
        (this->*stored.list).clear();
    for (QStringList *list : { &Initializers, &StandardProperties, &StandardEvents,
                               &DefinedProperties, &DefinedMethods, &DefinedHandlers }) {
        list->clear();
    }
    clearStandardMessageSelection();
}
