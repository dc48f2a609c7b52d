// SPDX-License-Identifier: MIT
// Build of a large specification: 2,000 properties of mixed kinds, 500
// methods, every standard message and 200 user messages. Goal: under 10 ms,
// and twice the specification in at most 2.2 times the time.
#include "awk/awk.h"
#include "generator/unitgenerator.h"
#include "model/componentspec.h"
#include "model/standardmessages.h"

#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;

namespace {

ComponentSpec largeSpec(int scale)
{
    ComponentSpec spec;
    spec.Filename = u"/work/units/large.pas"_s;
    spec.Classname = u"TLarge"_s;
    spec.Palettepage = u"Samples"_s;
    spec.StandardProperties = { u"Name"_s, u"Tag"_s };
    for (int i = 0; i < 2000 * scale; ++i) {
        PropertyInput p;
        p.name = u"Prop"_s + QString::number(i);
        p.type = i % 3 == 0 ? u"string"_s : u"integer"_s;
        p.defaultValue = i % 2 ? QString::number(i) : QString();
        p.indexed = i % 7 == 0;
        p.readOnly = i % 11 == 0;
        p.isProtected = i % 13 == 0;
        p.stored = i % 5 != 0;
        if (i % 4 == 0)
            p.readMethod = u"Get"_s + p.name;
        if (i % 6 == 0)
            p.writeMethod = u"Set"_s + p.name;
        if (i % 10 == 0) {
            spec.addEventHandler({ u"OnEvent"_s + QString::number(i), u"TNotifyEvent"_s, QString(), false, QString() });
            continue;
        }
        spec.addProperty(p);
    }
    for (int i = 0; i < 500 * scale; ++i) {
        MethodInput m;
        m.kind = i % 2 ? u"Procedure"_s : u"Function"_s;
        m.name = u"Method"_s + QString::number(i);
        m.params = u"A, B: integer"_s;
        m.returnType = u"longint"_s;
        m.directive = MethodDirective(i % 3);
        m.comment = i % 4 ? QString() : u"Does the work"_s;
        m.isProtected = i % 5 == 0;
        spec.addMethod(m);
    }
    // There are only 230 standard messages: every scale selects them all.
    for (qsizetype i = 0; i < standardMessageNames().size(); ++i)
        spec.setStandardMessageSelected(int(i), true);
    for (int i = 0; i < 200 * scale; ++i)
        spec.addUserMessage(u"WM_USERMSG_"_s + QString::number(i), i + 1);
    return spec;
}

void BM_BuildUnit(benchmark::State &state)
{
    ComponentSpec spec = largeSpec(int(state.range(0)));
    TAwk awk;
    Style style;
    qsizetype lines = 0;
    for (auto _ : state) {
        const QStringList unit = generateUnit(spec, style, awk, nullptr).lines;
        lines = unit.size();
        benchmark::DoNotOptimize(unit);
    }
    state.counters["lines"] = double(lines);
}

} // namespace

BENCHMARK(BM_BuildUnit)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);
