// SPDX-License-Identifier: MIT
// The test drive runs fpc and its program through QProcess, which reports
// through the event loop of a core application.
#include <QCoreApplication>
#include <gtest/gtest.h>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
