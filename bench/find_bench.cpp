// SPDX-License-Identifier: MIT
// Find next over a long Output text: 100,000 lines, the sought text near the end.
#include <benchmark/benchmark.h>

#include <QString>

#include "platform/textsearch.h"

namespace {

const QString &longText()
{
    static const QString text = [] {
        QString t;
        t.reserve(100000 * 40);
        for (int i = 0; i < 100000; ++i) {
            if (i == 99990)
                t += QStringLiteral("  FTarget := Target;\r\n");
            else
                t += QStringLiteral("  FValue%1 := Value; { FCount Count2 }\r\n").arg(i);
        }
        return t;
    }();
    return text;
}

void findNext(benchmark::State &state, SearchOptions options)
{
    const QString &text = longText();
    const QString pattern = QStringLiteral("Target");
    for (auto _ : state) {
        const std::optional<int> match = findText(text, 0, 0, pattern, options);
        if (!match)
            state.SkipWithError("not found");
        benchmark::DoNotOptimize(match);
    }
}

void BM_FindNext(benchmark::State &state)
{
    findNext(state, {true, false, false});
}

void BM_FindNextWholeWord(benchmark::State &state)
{
    findNext(state, {true, false, true});
}

void BM_FindNextMatchCase(benchmark::State &state)
{
    findNext(state, {true, true, false});
}

} // namespace

BENCHMARK(BM_FindNext)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindNextWholeWord)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindNextMatchCase)->Unit(benchmark::kMillisecond);
