// SPDX-License-Identifier: MIT
// Units to merge: built from specifications as Build writes them, and edited
// the way a user edits them, routine by routine.
#pragma once

#include <QString>

#include "awk/awk.h"
#include "generator/unitgenerator.h"
#include "merge/pascalreader.h"
#include "model/componentspec.h"
#include "specfile/textcodec.h"

// The unit's text as Build leaves it: CR LF line ends, a line break after "end.".
inline QString builtUnit(const ComponentSpec &spec, const Style &style = Style())
{
    TAwk awk;
    QStringList lines = generateUnit(spec, style, awk, nullptr).lines;
    lines.append(QString());
    return decodeText(sourceFileBytes(lines));
}

inline PropertyInput propertyInput(const QString &name, const QString &type,
                                   const QString &value = QString())
{
    PropertyInput input;
    input.name = name;
    input.type = type;
    input.defaultValue = value;
    return input;
}

inline MethodInput methodInput(const QString &kind, const QString &name, const QString &params = QString(),
                               const QString &returnType = QString())
{
    MethodInput input;
    input.kind = kind;
    input.name = name;
    input.params = params;
    input.returnType = returnType;
    input.isPublic = true;
    return input;
}

// A gauge: a property with a write method, one with a default, a method,
// a standard and a user message.
inline ComponentSpec gaugeSpec()
{
    ComponentSpec spec;
    spec.Filename = QStringLiteral("Gauge.pas");
    spec.Classname = QStringLiteral("TGauge");
    spec.Ancestor = QStringLiteral("TCustomControl");
    spec.Palettepage = QStringLiteral("Samples");
    PropertyInput value = propertyInput(QStringLiteral("Value"), QStringLiteral("integer"), QStringLiteral("0"));
    value.writeMethod = QStringLiteral("SetValue");
    spec.addProperty(value);
    spec.addProperty(propertyInput(QStringLiteral("Caption"), QStringLiteral("string"), QStringLiteral("Gauge")));
    spec.addMethod(methodInput(QStringLiteral("Procedure"), QStringLiteral("Flash"), QStringLiteral("Times: integer")));
    spec.selectStandardMessage(QStringLiteral("WM_PAINT"));
    spec.addUserMessage(QStringLiteral("WM_NEEDLE"), 1);
    return spec;
}

inline const PascalRoutine *findRoutine(const PascalUnit &unit, const QString &name)
{
    for (const PascalRoutine &routine : unit.routines) {
        if (routine.name.compare(name, Qt::CaseInsensitive) == 0)
            return &routine;
    }
    return nullptr;
}

// The text after the routine's heading through its "end;"; empty when it has none.
inline QString bodyOf(const QString &unit, const QString &name)
{
    const PascalUnit read = readPascalUnit(unit);
    const PascalRoutine *routine = findRoutine(read, name);
    return routine ? unit.mid(routine->headingEnd, routine->end - routine->headingEnd) : QString();
}

// The unit with the body of routine name replaced (body starts after the heading).
inline QString withBody(const QString &unit, const QString &name, const QString &body)
{
    const PascalUnit read = readPascalUnit(unit);
    const PascalRoutine *routine = findRoutine(read, name);
    if (!routine)
        return unit;
    return unit.left(routine->headingEnd) + body + unit.mid(routine->end);
}
