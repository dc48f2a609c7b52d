// SPDX-License-Identifier: MIT
#include "generator/messagehandlers.h"

#include "awk/awk.h"
#include "generator/interfacespelling.h"
#include "generator/sourcewriter.h"
#include "model/componentspec.h"
#include "model/stringlists.h"

using namespace Qt::StringLiterals;

namespace {

// Delphi's Messages unit declares record types for window messages only; the
// control-message families take the generic TMessage.
QString messageRecordType(const QString &message, const QString &handler)
{
    return message.startsWith(u"WM_"_s) ? u"T"_s + handler : u"TMessage"_s;
}

} // namespace

QString messageHandlerName(TAwk &awk, const QString &message, bool keepFirstAsStored)
{
    const QStringList words = awk.split(u"_"_s, message);
    QString name;
    for (qsizetype i = 0; i < words.size(); ++i) {
        if (i == 0)
            name += keepFirstAsStored ? words.at(0) : asciiUpper(words.at(0));
        else
            name += asciiLower(words.at(i));
    }
    return name;
}

void emitMessageConstants(SourceWriter &out, const ComponentSpec &spec)
{
    if (spec.UserMessages.isEmpty())
        return;
    out.Emit(QString());
    out.Emit(u"const"_s);
    for (const UserMessageEntry &message : spec.userMessages()) {
        if (!message.isEmpty)
            out.Emit(out.J() + message.name + InterfaceSpelling::kConstantSeparator + message.value
                     + u";"_s);
    }
    out.Emit(QString());
}

void emitMessageDeclarations(SourceWriter &out, const ComponentSpec &spec, TAwk &awk)
{
    for (const QString &message : spec.selectedStandardMessages()) {
        const QString handler = messageHandlerName(awk, message);
        out.Emit(out.K() + u"procedure "_s + handler + u"(var Message: "_s
                 + messageRecordType(message, handler) + u")"_s + InterfaceSpelling::kMessageClause
                 + message + u";"_s);
    }
    for (const UserMessageEntry &message : spec.userMessages()) {
        const QString handler = messageHandlerName(awk, message.name, true);
        out.Emit(out.K() + u"procedure "_s + handler + u"(var Message: TMessage)"_s
                 + InterfaceSpelling::kMessageClause + message.name + u";"_s);
    }
}

void emitMessageBodies(SourceWriter &out, const ComponentSpec &spec, TAwk &awk)
{
    const int spacers = out.style().blankLines;
    for (const QString &message : spec.selectedStandardMessages()) {
        const QString handler = messageHandlerName(awk, message);
        out.EmitSpacers(spacers);
        out.EmitSeparator();
        out.Emit(u"procedure "_s + spec.Classname + u"."_s + handler + u"(var Message: "_s
                 + messageRecordType(message, handler) + u");"_s);
        out.Emit(u"begin"_s);
        out.Emit(u"{customize message handling here}"_s);
        out.Emit(out.J() + u"inherited;"_s);
        out.Emit(u"end;"_s);
    }
    for (const UserMessageEntry &message : spec.userMessages()) {
        const QString handler = messageHandlerName(awk, message.name);
        out.EmitSpacers(spacers);
        out.EmitSeparator();
        out.Emit(u"procedure "_s + spec.Classname + u"."_s + handler + u"(var Message: TMessage);"_s);
        out.Emit(u"begin"_s);
        out.Emit(u"{customize message handling here}"_s);
        out.Emit(QString());
        out.Emit(u"end;"_s);
    }
}
