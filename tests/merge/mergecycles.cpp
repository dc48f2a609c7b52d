// SPDX-License-Identifier: MIT
// merge_cycles [CYCLES [SEED [FOLDER]]]: runs random edit cycles and prints
// their figures; with FOLDER, writes each cycle's edited and merged unit there
// for scripts/merge-cycles.sh to compile. Exits 1 when a cycle failed.
#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

#include "editcycle.h"

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    const int cycles = arguments.value(1, QStringLiteral("2000")).toInt();
    const quint32 seed = arguments.value(2, QStringLiteral("1")).toUInt();
    EditCycles run(seed, arguments.value(3));
    run.run(cycles);
    const CycleFigures &figures = run.figures();
    for (const QString &failure : figures.failures)
        std::fprintf(stderr, "%s\n", qPrintable(failure));
    std::printf("seed %u: %s\n", seed, qPrintable(figures.summary()));
    return figures.failures.isEmpty() ? 0 : 1;
}
