#include "generator/unitgenerator.h"

#include "generator/implementation.h"
#include "generator/lazarusunit.h"
#include "generator/messagehandlers.h"
#include "generator/sourcewriter.h"
#include "generator/usesclause.h"
#include "model/componentspec.h"
#include "model/stringlists.h"
#include "model/unitname.h"

using namespace Qt::StringLiterals;

namespace {

bool isDeclared(const QString &entry)
{
    return !entry.isEmpty() && entry != kNone;
}

QString propertyLine(const SourceWriter &out, const ComponentSpec &spec, qsizetype i)
{
    const QString type = spec.Types.value(i);
    const QString value = spec.DefaultValues.value(i);
    // Delphi takes a default only for ordinal, pointer and small-set types,
    // so a string property gets none (its constructor still sets the field).
    const bool hasDefault = value != kNone && asciiUpper(type) != u"STRING"_s;
    const QString def = hasDefault ? u" default "_s + value : u" "_s;
    const QString storage = spec.Storage.value(i);
    // The storage specifier precedes the default clause, or the line would not compile.
    const QString stored = storage != kNone ? u" "_s + storage : QString();
    const QString index = spec.ArrayProperties.value(i) != kNone ? u"[Index: integer]"_s : QString();
    return out.K() + u"Property "_s + spec.Properties.value(i) + index + u" : "_s + type + u" "_s
        + spec.ReadWrite.value(i) + stored + def + u";"_s;
}

void emitProperties(SourceWriter &out, const ComponentSpec &spec, const QString &section)
{
    for (qsizetype i = 0; i < spec.Sections.size(); ++i) {
        if (spec.Sections.at(i) == section)
            out.Emit(propertyLine(out, spec, i));
    }
}

void emitMethods(SourceWriter &out, const ComponentSpec &spec, const QString &section)
{
    for (qsizetype i = 0; i < spec.Methods.size(); ++i) {
        if (spec.MethodSections.value(i) == section)
            out.Emit(out.K() + spec.Methods.at(i));
    }
}

void emitInterface(SourceWriter &out, const ComponentSpec &spec, TAwk &awk, const QString &unit,
                   GeneratedUnit &unitOut)
{
    const QString &J = out.J();
    const QString &K = out.K();

    const bool lazarus = out.style().target == Target::Lazarus;
    out.EmitPair(u"unit "_s + unit + u";"_s);
    if (lazarus)
        out.EmitPair(lazarusModeLine());
    out.EmitPair(u"interface"_s);
    out.Emit(u"uses"_s);
    for (const QString &line : lazarus ? lazarusUsesLines(spec) : usesClauseLines())
        out.Emit(J + line);
    out.EmitSpacers(1);
    emitMessageConstants(out, spec, awk);

    out.Emit(u"type"_s);
    const QString ancestor = lazarus ? lazarusAncestor(spec) : spec.Ancestor;
    out.Emit(J + spec.Classname + u" = class("_s + ancestor + u")"_s);
    out.Emit(J + u"private"_s);
    for (qsizetype i = 0; i < spec.Variables.size(); ++i) {
        if (spec.Variables.at(i) != kNone)
            out.Emit(K + spec.Variables.at(i) + u" : "_s + spec.Types.value(i) + u";"_s);
    }
    for (qsizetype i = 0; i < spec.RMethods.size(); ++i) {
        if (!isDeclared(spec.RMethods.at(i)))
            continue;
        const QString index = spec.ArrayProperties.value(i) != kNone ? u"(Index: integer)"_s : QString();
        const QString line = K + u"function "_s + spec.RMethods.at(i) + index + u": "_s
            + spec.Types.value(i) + u";"_s;
        out.Emit(line);
        unitOut.functions.append(line);
    }
    for (qsizetype i = 0; i < spec.WMethods.size(); ++i) {
        if (!isDeclared(spec.WMethods.at(i)))
            continue;
        const QString index = spec.ArrayProperties.value(i) != kNone ? u"Index: integer; "_s : QString();
        const QString line = K + u"procedure "_s + spec.WMethods.at(i) + u"("_s + index
            + u"Value:"_s + spec.Types.value(i) + u");"_s;
        out.Emit(line);
        unitOut.procedures.append(line);
    }
    emitMethods(out, spec, u"private"_s);

    out.Emit(J + u"protected"_s);
    emitMessageDeclarations(out, spec, awk);
    emitProperties(out, spec, u"protected"_s);
    emitMethods(out, spec, u"protected"_s);

    out.Emit(J + u"public"_s);
    out.Emit(K + u"constructor Create(AOwner:TComponent);override;"_s);
    out.Emit(K + u"destructor Destroy;override;"_s);
    emitProperties(out, spec, u"public"_s);
    emitMethods(out, spec, u"public"_s);

    out.Emit(J + u"published"_s);
    emitProperties(out, spec, u"published"_s);
    const QStringList standardMembers = spec.StandardProperties + spec.StandardEvents;
    for (const QString &name : lazarus ? lazarusRedeclaredMembers(spec, standardMembers) : standardMembers)
        out.Emit(K + u"Property "_s + name + u";"_s);
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
