// SPDX-License-Identifier: MIT
// The dispatch methods of the class's own notify events, written with working
// bodies: OnChange of type TNotifyEvent gets "procedure Change; dynamic;",
// which fires the event when a handler is assigned. A descendant overrides it
// to react before or instead of the handler, as the class library's own
// Click and Change do.
#pragma once

#include <QList>
#include <QString>

class ComponentSpec;
class SourceWriter;
class TAwk;

struct NotifyDispatch {
    QString method;   // "Change"
    QString field;    // "FOnChange"
};

// One per own event of type TNotifyEvent, in the order of the event list,
// whose name without "On" is free: no member of the class, no published
// member of the ancestor, no reserved word and none of the methods the
// class library's base classes have under an event's name.
QList<NotifyDispatch> notifyDispatches(const ComponentSpec &spec, TAwk &awk);

// "    procedure Change; dynamic;" in the protected section.
void emitDispatchDeclarations(SourceWriter &out, const QList<NotifyDispatch> &dispatches);
void emitDispatchBodies(SourceWriter &out, const QString &classname,
                        const QList<NotifyDispatch> &dispatches);
