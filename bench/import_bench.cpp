// SPDX-License-Identifier: MIT
// Import Unit of a unit of 5,000 routines (2,000 write and 1,000 read access
// methods, 2,000 methods with every fourth comment). Goal: under 50 ms.
#include "awk/awk.h"
#include "generator/unitgenerator.h"
#include "merge/pascalreader.h"
#include "merge/unitimport.h"
#include "model/componentspec.h"

#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;

namespace {

QString manyRoutinesUnit()
{
    ComponentSpec spec;
    spec.Filename = u"many.pas"_s;
    spec.Classname = u"TMany"_s;
    spec.Palettepage = u"Samples"_s;
    for (int i = 0; i < 2000; ++i) {
        PropertyInput p;
        p.name = u"Prop"_s + QString::number(i);
        p.type = u"integer"_s;
        p.defaultValue = i % 2 ? QString::number(i) : QString();
        p.writeMethod = u"Set"_s + p.name;
        if (i % 2 == 0)
            p.readMethod = u"Get"_s + p.name;
        spec.addProperty(p);
    }
    for (int i = 0; i < 2000; ++i) {
        MethodInput m;
        m.kind = i % 2 ? u"Procedure"_s : u"Function"_s;
        m.name = u"Method"_s + QString::number(i);
        m.params = u"A, B: integer"_s;
        m.returnType = u"longint"_s;
        m.comment = i % 4 ? QString() : u"Does the work"_s;
        spec.addMethod(m);
    }
    TAwk awk;
    QStringList lines = generateUnit(spec, Style(), awk, nullptr).lines;
    lines.append(QString());
    return lines.join(u"\r\n"_s);
}

void BM_ImportUnit(benchmark::State &state)
{
    const QString unit = manyRoutinesUnit();
    qsizetype methods = 0;
    for (auto _ : state) {
        const UnitImport imported = importUnit(unit, u"many.pas"_s);
        methods = imported.spec.Methods.size();
        benchmark::DoNotOptimize(imported.spec.Properties);
    }
    state.counters["routines"] = double(readPascalUnit(unit).routines.size());
    state.counters["methods"] = double(methods);
}

} // namespace

BENCHMARK(BM_ImportUnit)->Unit(benchmark::kMillisecond);
