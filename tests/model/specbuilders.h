// SPDX-License-Identifier: MIT
// Specifications the core tests build on: single entries by their few
// telling fields, and the tank, a component with one entry of every kind
// whose unit and file are kept in tests/data (tank.pas, tank.spc).
#pragma once

#include "generator/style.h"
#include "model/ancestortable.h"
#include "model/componentspec.h"

inline PropertyInput property(const QString &name, const QString &type,
                              const QString &defaultValue = QString())
{
    PropertyInput input;
    input.name = name;
    input.type = type;
    input.defaultValue = defaultValue;
    return input;
}

// input after change; for tables of variations on one property.
inline PropertyInput withChanges(PropertyInput input, void (*change)(PropertyInput &))
{
    change(input);
    return input;
}

inline MethodInput method(const QString &kind, const QString &name, const QString &params = QString(),
                          const QString &returnType = QString())
{
    MethodInput input;
    input.kind = kind;
    input.name = name;
    input.params = params;
    input.returnType = returnType;
    return input;
}

// A property Level with a write method and a default, an event handler
// OnEmpty, a commented public procedure Fill, the standard message WM_SIZE and
// the user message WM_DRAIN, on a TGraphicControl with its published members,
// as opening tests/data/tank.spc gives it.
// The dial on the given ancestor, with the ancestor's published members to choose from.
inline ComponentSpec specOn(const QString &ancestor)
{
    ComponentSpec spec;
    spec.reset();
    spec.Filename = QStringLiteral("C:\\Units\\Dial.pas");
    spec.Classname = QStringLiteral("TDial");
    spec.Ancestor = ancestor;
    spec.Palettepage = QStringLiteral("Samples");
    refillAncestorMembers(spec, ancestorIndex(ancestor));
    return spec;
}

inline ComponentSpec tankSpec()
{
    ComponentSpec spec;
    spec.reset();
    spec.Filename = QStringLiteral("C:\\Units\\Tank.pas");
    spec.Classname = QStringLiteral("TTank");
    spec.Ancestor = QStringLiteral("TGraphicControl");
    spec.Palettepage = QStringLiteral("Samples");
    refillAncestorMembers(spec, ancestorIndex(spec.Ancestor));

    PropertyInput level = property(QStringLiteral("Level"), QStringLiteral("integer"),
                                   QStringLiteral("50"));
    level.writeMethod = QStringLiteral("SetLevel");
    spec.addProperty(level);

    EventInput empty;
    empty.name = QStringLiteral("OnEmpty");
    empty.type = QStringLiteral("TNotifyEvent");
    spec.addEventHandler(empty);

    MethodInput fill = method(QStringLiteral("Procedure"), QStringLiteral("Fill"),
                              QStringLiteral("Amount: integer"));
    fill.isPublic = true;
    fill.comment = QStringLiteral("Adds liquid");
    spec.addMethod(fill);

    spec.selectStandardMessage(QStringLiteral("WM_SIZE"));
    spec.addUserMessage(QStringLiteral("WM_DRAIN"), 1);
    return spec;
}

// The style tests/data/tank.pas is written in: indent 2, one spacer line, a
// separator of ten "-".
inline Style tankStyle()
{
    Style style;
    style.indent = 2;
    style.blankLines = 1;
    style.separatorLength = 10;
    style.separatorChar = QStringLiteral("-");
    style.commentsBefore = false;
    return style;
}
