// SPDX-License-Identifier: MIT
#include "generator/messagehandlers.h"

#include "awk/awk.h"
#include "generator/lazarusunit.h"
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

MessageBinding standardBinding(const SourceWriter &out, const QString &message, const QString &handler)
{
    if (out.style().target == Target::Lazarus)
        return lazarusMessageBinding(message);
    return {messageRecordType(message, handler), message};
}

QString userMessageRecord(const SourceWriter &out)
{
    return out.style().target == Target::Lazarus ? lazarusUserMessageRecord() : u"TMessage"_s;
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
    const QStringList windowsConstants = out.style().target == Target::Lazarus
        ? lazarusWindowsMessageConstants(spec) : QStringList();
    if (spec.UserMessages.isEmpty() && windowsConstants.isEmpty())
        return;
    out.Emit(QString());
    out.Emit(u"const"_s);
    for (const QString &line : windowsConstants)
        out.Emit(out.J() + line);
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
        const MessageBinding binding = standardBinding(out, message, handler);
        out.Emit(out.K() + u"procedure "_s + handler + u"(var Message: "_s + binding.record
                 + u")"_s + InterfaceSpelling::kMessageClause + binding.constant + u";"_s);
    }
    for (const UserMessageEntry &message : spec.userMessages()) {
        const QString handler = messageHandlerName(awk, message.name, true);
        out.Emit(out.K() + u"procedure "_s + handler + u"(var Message: "_s + userMessageRecord(out)
                 + u")"_s + InterfaceSpelling::kMessageClause + message.name + u";"_s);
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
                 + standardBinding(out, message, handler).record + u");"_s);
        out.Emit(u"begin"_s);
        out.Emit(u"{customize message handling here}"_s);
        out.Emit(out.J() + u"inherited;"_s);
        out.Emit(u"end;"_s);
    }
    for (const UserMessageEntry &message : spec.userMessages()) {
        const QString handler = messageHandlerName(awk, message.name);
        out.EmitSpacers(spacers);
        out.EmitSeparator();
        out.Emit(u"procedure "_s + spec.Classname + u"."_s + handler + u"(var Message: "_s
                 + userMessageRecord(out) + u");"_s);
        out.Emit(u"begin"_s);
        out.Emit(u"{customize message handling here}"_s);
        // With working bodies a user message goes on to the inherited handling too.
        out.Emit(out.style().workingBodies ? QString(out.J() + u"inherited;"_s) : QString());
        out.Emit(u"end;"_s);
    }
}
