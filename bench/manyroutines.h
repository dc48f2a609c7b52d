// SPDX-License-Identifier: MIT
// The specification of a unit of 5,000 routines (2,000 write and 1,000 read
// access methods, 2,000 methods with every fourth comment) that the merge and
// import benchmarks work on.
#pragma once

#include "model/componentspec.h"

inline ComponentSpec manyRoutines()
{
    ComponentSpec spec;
    spec.Filename = QStringLiteral("many.pas");
    spec.Classname = QStringLiteral("TMany");
    spec.Palettepage = QStringLiteral("Samples");
    for (int i = 0; i < 2000; ++i) {
        PropertyInput p;
        p.name = QStringLiteral("Prop") + QString::number(i);
        p.type = QStringLiteral("integer");
        p.defaultValue = i % 2 ? QString::number(i) : QString();
        p.writeMethod = QStringLiteral("Set") + p.name;
        if (i % 2 == 0)
            p.readMethod = QStringLiteral("Get") + p.name;
        spec.addProperty(p);
    }
    for (int i = 0; i < 2000; ++i) {
        MethodInput m;
        m.kind = i % 2 ? QStringLiteral("Procedure") : QStringLiteral("Function");
        m.name = QStringLiteral("Method") + QString::number(i);
        m.params = QStringLiteral("A, B: integer");
        m.returnType = QStringLiteral("longint");
        m.comment = i % 4 ? QString() : QStringLiteral("Does the work");
        spec.addMethod(m);
    }
    return spec;
}
