// SPDX-License-Identifier: MIT
// Merge of a new build with an edited unit of 5,000 routines (2,000 write and
// 1,000 read access methods, 2,000 methods; every third body written, own
// routines between them), after a property was added. Goal: under 50 ms.
#include "awk/awk.h"
#include "generator/unitgenerator.h"
#include "merge/pascalreader.h"
#include "merge/unitmerge.h"
#include "manyroutines.h"
#include "model/componentspec.h"
#include "specfile/textcodec.h"

#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;

namespace {


QString unitText(const ComponentSpec &spec)
{
    TAwk awk;
    QStringList lines = generateUnit(spec, Style(), awk, nullptr).lines;
    lines.append(QString());
    return decodeText(sourceFileBytes(lines));
}

// Every third body written, an own routine after every hundredth routine.
QString edited(const QString &unit)
{
    const PascalUnit read = readPascalUnit(unit);
    QString text = unit;
    for (qsizetype i = read.routines.size() - 1; i >= 0; --i) {
        const PascalRoutine &routine = read.routines[i];
        if (i % 100 == 0) {
            text.insert(routine.end, u"\r\n\r\nprocedure Own"_s + QString::number(i)
                                         + u";\r\nbegin\r\n  { end; }\r\nend;"_s);
        }
        if (i % 3 == 0 && routine.member() != u"Create") {
            text.replace(routine.headingEnd, routine.end - routine.headingEnd,
                         u"\r\nvar\r\n  S: string;\r\nbegin\r\n  S := 'end;';\r\n  case Length(S) of\r\n"
                         "    1: S := '';\r\n  end;\r\nend;"_s);
        }
    }
    return text;
}

void BM_MergeUnit(benchmark::State &state)
{
    ComponentSpec spec = manyRoutines();
    const QString existing = edited(unitText(spec));
    PropertyInput added;
    added.name = u"Added"_s;
    added.type = u"integer"_s;
    added.writeMethod = u"SetAdded"_s;
    spec.addProperty(added);
    const QString built = unitText(spec);

    qsizetype routines = 0;
    qsizetype kept = 0;
    for (auto _ : state) {
        const UnitMerge merge = mergeUnits(built, existing);
        kept = merge.kept.size();
        benchmark::DoNotOptimize(merge.text);
    }
    routines = readPascalUnit(existing).routines.size();
    state.counters["routines"] = double(routines);
    state.counters["kept"] = double(kept);
    state.counters["lines"] = double(existing.count(u'\n'));
}

} // namespace

BENCHMARK(BM_MergeUnit)->Unit(benchmark::kMillisecond);
