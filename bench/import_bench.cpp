// SPDX-License-Identifier: MIT
// Import Unit of a unit of 5,000 routines (2,000 write and 1,000 read access
// methods, 2,000 methods with every fourth comment). Goal: under 50 ms.
#include "awk/awk.h"
#include "generator/unitgenerator.h"
#include "merge/pascalreader.h"
#include "merge/unitimport.h"
#include "manyroutines.h"
#include "model/componentspec.h"

#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;

namespace {

QString manyRoutinesUnit()
{
    const ComponentSpec spec = manyRoutines();
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
