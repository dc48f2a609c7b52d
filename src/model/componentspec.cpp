#include "model/componentspec.h"

#include "awk/awk.h"
#include "model/handlername.h"
#include "model/methoddirectives.h"
#include "model/standardmessages.h"
#include "model/stringlists.h"

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
QString typedDefault(const QString &storedType, const QString &stored)
{
    if (stored == kNone)
        return QString();
    if (quotesDefault(storedType) && stored.size() >= 2 && stored.startsWith(u'\'')
        && stored.endsWith(u'\''))
        return stored.mid(1, stored.size() - 2);
    return stored;
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
        heading += kVirtualDirective;
    else if (input.directive == MethodDirective::Dynamic)
        heading += kDynamicDirective;
    if (input.isOverride)
        heading += kOverrideDirective;
    if (input.isAbstract)
        heading += kAbstractDirective;
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

void removePropertyEntries(ComponentSpec &spec, qsizetype i)
{
    for (QStringList *list : { &spec.Properties, &spec.ArrayProperties, &spec.PropertyComments,
                               &spec.Variables, &spec.Types, &spec.Sections, &spec.ReadWrite,
                               &spec.RMethods, &spec.WMethods, &spec.Attributes,
                               &spec.DefaultValues, &spec.Storage, &spec.Initializers }) {
        removeEntryAt(*list, i);
    }
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
    removePropertyEntries(*this, i);
    return true;
}

void ComponentSpec::removeDefinedHandler(int row)
{
    if (row < 0 || row >= DefinedHandlers.size())
        return;
    const qsizetype i = indexOfText(Properties, DefinedHandlers.at(row));
    if (i >= 0) {
        removePropertyEntries(*this, i);
        for (QStringList *list : { &Events, &EventTypes, &EventParams, &EProtected })
            removeEntryAt(*list, row);
    }
    DefinedHandlers.removeAt(row);
}

void ComponentSpec::removeMethod(int row)
{
    for (QStringList *list : { &Methods, &MethodComments, &MethodSections, &DefinedMethods })
        removeEntryAt(*list, row);
}

void ComponentSpec::removeUserMessage(int row)
{
    removeEntryAt(UserMessages, row);
}

bool ComponentSpec::decodeProperty(int row, PropertyInput &out) const
{
    const qsizetype i = indexOfText(Properties, entryAt(DefinedProperties, row));
    if (row < 0 || row >= DefinedProperties.size() || i < 0)
        return false;
    out = PropertyInput();
    out.name = Properties.at(i);
    out.indexed = entryAt(ArrayProperties, i) != kNone;
    out.comment = entryAt(PropertyComments, i);
    out.stored = entryAt(Storage, i) == kNone;
    out.type = entryAt(Types, i);
    out.pointer = out.type.startsWith(u'^');
    const QString read = entryAt(RMethods, i);
    const QString write = entryAt(WMethods, i);
    out.readMethod = read == kNone ? QString() : read;
    out.writeMethod = write == kNone ? QString() : write;
    out.defaultValue = typedDefault(out.type, entryAt(DefaultValues, i));
    const QString attributes = entryAt(Attributes, i);
    out.runtimeOnly = attributes.mid(0, 1) == u"U"_s;
    out.readOnly = attributes.mid(1, 1) == u"R"_s;
    out.writeOnly = attributes.mid(2, 1) == u"W"_s;
    out.isProtected = attributes.mid(3, 1) == u"P"_s;
    return true;
}

bool ComponentSpec::decodeEventHandler(int row, EventInput &out) const
{
    if (row < 0 || row >= DefinedHandlers.size())
        return false;
    const qsizetype i = indexOfText(Properties, DefinedHandlers.at(row));
    if (i < 0)
        return false;
    out = EventInput();
    out.name = Properties.at(i);
    out.comment = entryAt(PropertyComments, i);
    out.type = entryAt(EventTypes, row);
    out.isProtected = entryAt(EProtected, row) == u"protected"_s;
    const QString params = entryAt(EventParams, row);
    out.params = params == kNone ? QString() : params;
    return true;
}

namespace {

// The ")" that closes the "(" at open; -1 when none does.
qsizetype matchingParenthesis(const QString &text, qsizetype open)
{
    int depth = 0;
    for (qsizetype i = open; i < text.size(); ++i) {
        if (text.at(i) == u'(')
            ++depth;
        else if (text.at(i) == u')' && --depth == 0)
            return i;
    }
    return -1;
}

} // namespace

// The inverse of methodHeading: directives only where Add puts them, and the
// parameters from the first "(" to the ")" that closes it, so that a heading
// decoded and composed again is the heading stored.
bool ComponentSpec::decodeMethod(int row, TAwk &awk, MethodInput &out) const
{
    if (row < 0 || row >= Methods.size())
        return false;
    out = MethodInput();
    out.comment = entryAt(MethodComments, row);
    const HeadingDirectives directives = trailingDirectives(Methods.at(row));
    out.isAbstract = directives.isAbstract;
    if (directives.isDynamic)
        out.directive = MethodDirective::Dynamic;
    else if (directives.isVirtual)
        out.directive = MethodDirective::Virtual;
    else
        out.directive = MethodDirective::Static;
    out.isOverride = directives.isOverride;
    const QString section = entryAt(MethodSections, row);
    out.isPrivate = section == u"private"_s;
    out.isPublic = section == u"public"_s;
    out.isProtected = section == u"protected"_s;

    QString heading = directives.heading;
    const qsizetype open = heading.indexOf(u'(');
    if (open >= 0) {
        qsizetype close = matchingParenthesis(heading, open);
        if (close < 0)   // a "(" of the parameters' own that is never closed
            close = heading.lastIndexOf(u')');
        if (close > open) {
            out.params = heading.mid(open + 1, close - open - 1);
            heading.remove(open, close - open + 1);
        }
    }

    awk.split(u" ();:"_s, heading);
    out.name = awk.Field(1);
    if (asciiLower(awk.Field(0)) == u"procedure"_s) {
        out.kind = u"Procedure"_s;
    } else {
        out.kind = u"Function"_s;
        out.returnType = awk.Field(2);
    }
    return true;
}

void ComponentSpec::reset()
{
    for (QStringList *list : { &Properties, &ArrayProperties, &PropertyComments, &DefaultValues,
                               &Initializers, &Storage, &Attributes, &Sections, &Variables,
                               &Types, &ReadWrite, &RMethods, &WMethods, &Events, &EventTypes,
                               &EventParams, &EProtected, &Methods, &MethodComments,
                               &MethodSections, &UserMessages, &StandardProperties,
                               &StandardEvents, &DefinedProperties,
                               &DefinedMethods, &DefinedHandlers }) {
        list->clear();
    }
    clearStandardMessageSelection();
}
