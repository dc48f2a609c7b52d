// SPDX-License-Identifier: MIT
#include "generator/unitgenerator.h"

#include "generator/implementation.h"
#include "generator/lazarusunit.h"
#include "generator/interfacespelling.h"
#include "generator/messagehandlers.h"
#include "generator/notifydispatch.h"
#include "generator/sourcewriter.h"
#include "generator/usesclause.h"
#include "model/componentspec.h"
#include "model/stringlists.h"
#include "model/unitname.h"

using namespace Qt::StringLiterals;
using namespace InterfaceSpelling;

namespace {

QString propertyLine(const SourceWriter &out, const PropertyEntry &property)
{
    const QString &type = property.type;
    // Delphi takes a default only for ordinal, pointer and small-set types,
    // so a string property gets none (its constructor still sets the field).
    const bool hasDefault = property.defaultValue && asciiUpper(type) != u"STRING"_s;
    const QString def = hasDefault ? u" default "_s + *property.defaultValue : u" "_s;
    // The storage specifier precedes the default clause, or the line would not compile.
    const QString stored = property.storage ? u" "_s + *property.storage : QString();
    const QString index = property.indexed ? kIndexBrackets : QString();
    return out.K() + kProperty + property.name + index + kTypeSeparator + type + u" "_s
        + property.accessClause + stored + def + u";"_s;
}

void emitProperties(SourceWriter &out, const QList<PropertyEntry> &properties, Visibility section)
{
    for (const PropertyEntry &property : properties) {
        if (property.visibility == section)
            out.Emit(propertyLine(out, property));
    }
}

void emitMethods(SourceWriter &out, const QList<MethodEntry> &methods, Visibility section)
{
    for (const MethodEntry &method : methods) {
        if (method.visibility == section)
            out.Emit(out.K() + method.heading);
    }
}

void emitInterface(SourceWriter &out, const ComponentSpec &spec, TAwk &awk, const QString &unit,
                   GeneratedUnit &unitOut)
{
    const QString &J = out.J();
    const QString &K = out.K();

    const bool lazarus = out.style().target == Target::Lazarus;
    out.EmitPair(kUnit + unit + u";"_s);
    if (lazarus)
        out.EmitPair(lazarusModeLine());
    out.EmitPair(u"interface"_s);
    out.Emit(u"uses"_s);
    for (const QString &line : lazarus ? lazarusUsesLines(spec) : usesClauseLines())
        out.Emit(J + line);
    out.EmitSpacers(1);
    emitMessageConstants(out, spec);

    out.Emit(u"type"_s);
    const QString ancestor = lazarus ? lazarusAncestor(spec) : spec.Ancestor;
    out.Emit(J + spec.Classname + kClassOpening + ancestor + u")"_s);
    const QList<PropertyEntry> properties = spec.properties();
    const QList<MethodEntry> methods = spec.methods();
    out.Emit(J + u"private"_s);
    for (const PropertyEntry &property : properties) {
        if (property.field)
            out.Emit(K + *property.field + kTypeSeparator + property.type + u";"_s);
    }
    for (const PropertyEntry &property : properties) {
        if (property.readMethod.isEmpty())
            continue;
        const QString index = property.indexed ? u"(Index: integer)"_s : QString();
        const QString line = K + u"function "_s + property.readMethod + index + u": "_s
            + property.type + u";"_s;
        out.Emit(line);
        unitOut.functions.append(line);
    }
    for (const PropertyEntry &property : properties) {
        if (property.writeMethod.isEmpty())
            continue;
        const QString index = property.indexed ? u"Index: integer; "_s : QString();
        const QString line = K + u"procedure "_s + property.writeMethod + u"("_s + index
            + u"Value:"_s + property.type + u");"_s;
        out.Emit(line);
        unitOut.procedures.append(line);
    }
    emitMethods(out, methods, Visibility::Private);

    out.Emit(J + u"protected"_s);
    emitMessageDeclarations(out, spec, awk);
    emitProperties(out, properties, Visibility::Protected);
    emitMethods(out, methods, Visibility::Protected);
    if (out.style().workingBodies)
        emitDispatchDeclarations(out, notifyDispatches(spec, awk));

    out.Emit(J + u"public"_s);
    out.Emit(K + u"constructor Create(AOwner:TComponent);override;"_s);
    out.Emit(K + u"destructor Destroy;override;"_s);
    emitProperties(out, properties, Visibility::Public);
    emitMethods(out, methods, Visibility::Public);

    out.Emit(J + u"published"_s);
    emitProperties(out, properties, Visibility::Published);
    const QStringList standardMembers = spec.StandardProperties + spec.StandardEvents;
    for (const QString &name : lazarus ? lazarusRedeclaredMembers(spec, standardMembers) : standardMembers)
        out.Emit(K + kProperty + name + u";"_s);
    out.EmitPair(u"end;"_s);
    out.EmitPair(u"procedure Register;"_s);
    out.Emit(QString());
}

} // namespace

std::optional<QString> buildRefusal(const ComponentSpec &spec)
{
    if (spec.Classname.isEmpty())
        return u"You need to enter the class name"_s;
    return std::nullopt;
}

QString buildingStatusText(const QString &unitName)
{
    return u"Building "_s + unitName;
}

QString builtStatusText(const QString &filename)
{
    return filename + u" built"_s;
}

GeneratedUnit generateUnit(const ComponentSpec &spec, const Style &style, TAwk &awk,
                           const BodySource *bodies)
{
    SourceWriter out(style);
    GeneratedUnit unit;
    emitInterface(out, spec, awk, unitIdentifier(spec.Filename), unit);
    emitImplementation(out, spec, awk, bodies, unit.functions, unit.procedures);
    unit.lines = out.takeLines();
    return unit;
}
