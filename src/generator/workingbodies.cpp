// SPDX-License-Identifier: MIT
#include "generator/workingbodies.h"

#include "check/typetable.h"
#include "generator/sourcewriter.h"
#include "model/ancestortable.h"
#include "model/componentspec.h"
#include "model/lcltable.h"
#include "model/pascalvocabulary.h"

using namespace Qt::StringLiterals;

namespace {

// The classes a property may own: each has a constructor without parameters
// and copies another of its kind through Assign, in both class libraries.
// TStrings is abstract; its object is a TStringList.
struct OwnedClass {
    const char *type;
    const char *created;
};
constexpr OwnedClass kOwnedClasses[] = {
    {"TFont", "TFont"},       {"TBrush", "TBrush"},   {"TPen", "TPen"},
    {"TStrings", "TStringList"}, {"TStringList", "TStringList"}, {"TPicture", "TPicture"},
    {"TBitmap", "TBitmap"},   {"TIcon", "TIcon"},
};

// Records, method pointers and files have no "<>".
bool comparable(const QString &type)
{
    const PascalType *known = findType(type);
    if (!known)
        return true;
    return known->kind != TypeKind::Record && known->kind != TypeKind::Method
        && known->kind != TypeKind::TextFile;
}

QString parameterNames(const MethodHeading &heading, bool *readable)
{
    *readable = true;
    if (!heading.hasParameters || heading.parameters.trimmed().isEmpty())
        return QString();
    QString damage;
    QStringList names;
    for (const ParameterGroup &group : parseParameters(heading.parameters, &damage))
        names += group.names;
    *readable = damage.isEmpty();
    for (const QString &name : std::as_const(names))
        *readable = *readable && isPascalIdentifier(name);
    return u"("_s + names.join(u", "_s) + u")"_s;
}

} // namespace

std::optional<QString> ownedObjectClass(const PropertyEntry &property)
{
    if (property.indexed || !property.field)
        return std::nullopt;
    if (property.access.writes && property.writeMethod.isEmpty())
        return std::nullopt;   // the field is assigned directly: it holds a reference
    for (const OwnedClass &owned : kOwnedClasses) {
        if (sameName(property.type, QLatin1StringView(owned.type)))
            return QString::fromLatin1(owned.created);
    }
    return std::nullopt;
}

bool repaintsOnChange(const ComponentSpec &spec, const SourceWriter &out)
{
    if (out.style().target == Target::Lazarus) {
        // The LCL class decides; one that has no Delphi namesake in the table
        // (THeaderControl for THeader) is the same kind of class as the one it stands for.
        if (const auto ancestor = lclAncestor(spec.Ancestor); ancestor && ancestorIndex(ancestor->lclClass) >= 0)
            return isControlClass(ancestor->lclClass);
    }
    return isControlClass(spec.Ancestor);
}

void emitOwnedCreations(SourceWriter &out, const ComponentSpec &spec)
{
    for (const PropertyEntry &property : spec.properties()) {
        if (const auto created = ownedObjectClass(property))
            out.Emit(out.J() + *property.field + u" := "_s + *created + u".Create;"_s);
    }
}

void emitOwnedReleases(SourceWriter &out, const ComponentSpec &spec)
{
    for (const PropertyEntry &property : spec.properties()) {
        if (ownedObjectClass(property))
            out.Emit(out.J() + *property.field + u".Free;"_s);
    }
}

void emitReadStatements(SourceWriter &out, const PropertyEntry &property)
{
    if (!property.field)
        return;
    if (property.indexed)
        out.Emit(out.J() + u"{ "_s + *property.field + u" holds one value for every Index }"_s);
    out.Emit(out.J() + u"Result := "_s + *property.field + u";"_s);
}

void emitWriteStatements(SourceWriter &out, const PropertyEntry &property, bool repaint)
{
    if (!property.field)
        return;
    const QString &J = out.J();
    const QString &field = *property.field;
    if (property.indexed)
        out.Emit(J + u"{ "_s + field + u" holds one value for every Index }"_s);
    if (ownedObjectClass(property)) {
        out.Emit(J + field + u".Assign(Value);"_s);
        if (repaint)
            out.Emit(J + u"Invalidate;"_s);
        return;
    }
    if (!comparable(property.type)) {
        out.Emit(J + field + u" := Value;"_s);
        if (repaint)
            out.Emit(J + u"Invalidate;"_s);
        return;
    }
    out.Emit(J + u"if "_s + field + u" <> Value then"_s);
    out.Emit(J + u"begin"_s);
    out.Emit(out.K() + field + u" := Value;"_s);
    if (repaint)
        out.Emit(out.K() + u"Invalidate;"_s);
    out.Emit(J + u"end;"_s);
}

bool callsInherited(const MethodEntry &method)
{
    return method.isOverride && !method.isAbstract && method.parts.damage.isEmpty()
        && isPascalIdentifier(method.parts.name);
}

void emitInheritedCall(SourceWriter &out, const MethodEntry &method)
{
    bool readable = true;
    const QString arguments = parameterNames(method.parts, &readable);
    if (!readable) {
        // Without the parameters' names, "inherited;" passes them on as they came.
        out.Emit(out.J() + u"inherited;"_s);
        return;
    }
    const QString call = u"inherited "_s + method.parts.name + arguments + u";"_s;
    out.Emit(out.J() + (method.parts.hasReturnType ? u"Result := "_s + call : call));
}
