// SPDX-License-Identifier: MIT
#include "generator/notifydispatch.h"

#include <QSet>

#include "generator/messagehandlers.h"
#include "generator/sourcewriter.h"
#include "model/componentspec.h"
#include "model/pascalvocabulary.h"
#include "model/stringlists.h"

using namespace Qt::StringLiterals;

namespace {

// Methods of TObject, TPersistent, TComponent and the controls of both class
// libraries that an event's name without "On" may spell; redeclaring one
// would hide it.
const QStringList &baseClassMethods()
{
    static const QStringList names{
        u"Assign"_s,  u"Changed"_s,  u"Click"_s,   u"Close"_s,     u"DblClick"_s,
        u"Dispatch"_s, u"DropDown"_s, u"Execute"_s, u"Exit"_s,    u"Free"_s,      u"Hide"_s,
        u"Invalidate"_s, u"Loaded"_s, u"Notification"_s, u"Open"_s, u"Paint"_s,   u"Refresh"_s,
        u"Repaint"_s, u"Resize"_s,   u"Scroll"_s,   u"Select"_s,  u"Show"_s,      u"Timer"_s,
        u"Update"_s,
    };
    return names;
}

QSet<QString> takenNames(const ComponentSpec &spec, TAwk &awk)
{
    QSet<QString> taken{u"CREATE"_s, u"DESTROY"_s, u"REGISTER"_s, asciiUpper(spec.Classname)};
    const auto take = [&taken](const QString &name) { taken.insert(asciiUpper(name)); };
    for (const QString &name : baseClassMethods())
        take(name);
    for (const QString &name : spec.StandardProperties + spec.StandardEvents) {
        take(name);
        if (asciiUpper(name).startsWith(u"ON"_s))
            take(name.mid(2));   // the ancestor's own dispatch method
    }
    for (const PropertyEntry &property : spec.properties()) {
        take(property.name);
        if (property.field)
            take(*property.field);
        take(property.readMethod);
        take(property.writeMethod);
    }
    for (const MethodEntry &method : spec.methods())
        take(method.parts.name);
    for (const QString &message : spec.selectedStandardMessages())
        take(messageHandlerName(awk, message));
    for (const UserMessageEntry &message : spec.userMessages()) {
        take(message.name);
        take(messageHandlerName(awk, message.name, true));
    }
    return taken;
}

} // namespace

QList<NotifyDispatch> notifyDispatches(const ComponentSpec &spec, TAwk &awk)
{
    QList<NotifyDispatch> dispatches;
    QSet<QString> taken;
    bool takenKnown = false;
    for (qsizetype row = 0; row < spec.eventCount(); ++row) {
        const EventEntry event = spec.event(row);
        if (event.propertyIndex < 0)
            continue;
        const PropertyEntry property = spec.property(event.propertyIndex);
        if (!property.field || property.visibility == Visibility::Undeclared
            || !sameName(property.type, u"TNotifyEvent"_s) || property.name.size() <= 2)
            continue;
        const QString method = property.name.mid(2);
        if (!isPascalIdentifier(method) || isReservedWord(method))
            continue;
        if (!takenKnown) {
            taken = takenNames(spec, awk);
            takenKnown = true;
        }
        const QString key = asciiUpper(method);
        if (taken.contains(key))
            continue;
        taken.insert(key);
        dispatches.append({method, *property.field});
    }
    return dispatches;
}

void emitDispatchDeclarations(SourceWriter &out, const QList<NotifyDispatch> &dispatches)
{
    for (const NotifyDispatch &dispatch : dispatches)
        out.Emit(out.K() + u"procedure "_s + dispatch.method + u"; dynamic;"_s);
}

void emitDispatchBodies(SourceWriter &out, const QString &classname,
                        const QList<NotifyDispatch> &dispatches)
{
    for (const NotifyDispatch &dispatch : dispatches) {
        out.EmitSpacers(out.style().blankLines);
        out.EmitSeparator();
        out.Emit(u"procedure "_s + classname + u"."_s + dispatch.method + u";"_s);
        out.Emit(u"begin"_s);
        out.Emit(out.J() + u"if Assigned("_s + dispatch.field + u") then"_s);
        out.Emit(out.K() + dispatch.field + u"(Self);"_s);
        out.Emit(u"end;"_s);
    }
}
