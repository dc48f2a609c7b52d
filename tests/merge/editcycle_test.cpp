// SPDX-License-Identifier: MIT
// A few hundred random edit cycles with a fixed seed; scripts/merge-cycles.sh
// runs longer ones and compiles the units.
#include <gtest/gtest.h>

#include "editcycle.h"

TEST(EditCycles, WrittenCodeSurvivesOrIsListed)
{
    EditCycles cycles(20240611);
    cycles.run(300);
    const CycleFigures &figures = cycles.figures();
    for (const QString &failure : figures.failures.mid(0, 20))
        ADD_FAILURE() << failure.toStdString();
    EXPECT_TRUE(figures.failures.isEmpty());
    // The cycles must exercise every rule, not pass by doing nothing.
    EXPECT_GT(figures.bodiesComeBack, 1000);
    EXPECT_GT(figures.ownRoutinesKept, 100);
    EXPECT_GT(figures.constructorLinesKept, 50);
    EXPECT_GT(figures.lostListed, 30);
    RecordProperty("figures", figures.summary().toStdString());
    std::cout << figures.summary().toStdString() << '\n';
}
