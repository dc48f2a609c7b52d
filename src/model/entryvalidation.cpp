#include "model/entryvalidation.h"

#include "awk/awk.h"
#include "model/handlername.h"
#include "model/stringlists.h"
#include "model/usermessage.h"

using namespace Qt::StringLiterals;

namespace {

EntryRefusal refusal(const QString &message, EntryField focus = EntryField::None,
                     Prompts::Kind box = Prompts::Kind::Error)
{
    return EntryRefusal{message, box, focus, false};
}

bool contains(const QStringList &list, const QString &name)
{
    return indexOfText(list, name) >= 0;
}

} // namespace

EntryCheck<PropertyInput> checkProperty(const PropertyInput &fields,
                                        const QStringList &standardProperties,
                                        const QStringList &definedProperties)
{
    const QString &name = fields.name;
    if (contains(standardProperties, name)) {
        EntryRefusal r = refusal(u"This class has a standard property named "_s + name, EntryField::Name);
        r.clearName = true;
        return r;
    }
    if (contains(definedProperties, name))
        return refusal(u"You already have a property named "_s + name);
    if (name.isEmpty())
        return refusal(u"You must enter a property name."_s, EntryField::Name);
    if (beginsWithOn(name))
        return refusal(u"On is normally used for event handler names.  "
                       "Please choose another name for this property"_s,
                       EntryField::Name);
    if (fields.type.isEmpty())
        return refusal(u"You must select a property type."_s, EntryField::Type);
    return fields;
}

EntryCheck<MethodInput> checkMethod(const MethodInput &fields, const QStringList &definedMethods)
{
    if (contains(definedMethods, fields.name))
        return refusal(u"You already have a method named "_s + fields.name, EntryField::Name);
    if (fields.kind.isEmpty())
        return refusal(u"Choose either Function or Procedure"_s, EntryField::Kind);
    if (fields.kind == u"Function"_s && fields.returnType.isEmpty())
        return refusal(u"You must choose a return type for this function."_s, EntryField::None,
                       Prompts::Kind::Warning);
    return fields;
}

EntryCheck<EventInput> checkEventHandler(const EventInput &fields, const QStringList &definedHandlers)
{
    if (fields.name.isEmpty())
        return refusal(QString());
    EventInput entry = fields;
    entry.name = normalisedHandlerName(fields.name);
    if (contains(definedHandlers, entry.name))
        return refusal(u"You already have an event handler named "_s + entry.name, EntryField::Name);
    if (entry.type.isEmpty())
        return refusal(u"You must specify an event type"_s, EntryField::Type);
    return entry;
}

EntryCheck<UserMessageInput> checkUserMessage(const QString &name, int offset,
                                              const QStringList &messages, TAwk &awk)
{
    // The splitter lets the window run pending work: walk a copy, not the live list.
    const QStringList userMessages = messages;
    for (const QString &line : userMessages) {
        if (awk.split(u" []"_s, line).value(0) == name)
            return refusal(u"That message is already defined."_s);
    }
    // The offset of a stored line is read from its trailing bracketed group,
    // so no name (a blank, a "+" or a bracket in it) blocks later additions.
    for (const QString &line : userMessages) {
        if (!line.contains(u'['))
            continue;
        const QString text = userMessageOffsetOf(line);
        bool ok = false;
        const int stored = text.toInt(&ok);
        if (!ok)
            return refusal(u"'%1' is not a valid integer value"_s.arg(text));
        if (stored == offset)
            return refusal(u"WM_USER + "_s + QString::number(offset) + u" has already been"_s
                           + u" chosen."_s);
    }
    return UserMessageInput{name, offset, !name.contains(u'_')};
}

QString userMessageNamingQuestion()
{
    return u"Message names generally take the form XX_MESSAGENAME "_s;
}
