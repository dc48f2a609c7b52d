// SPDX-License-Identifier: MIT
// The main of the GUI tests: a QApplication on the offscreen platform (unless
// the environment names another), made before the tests are listed or run.

#include <QApplication>

#include <cstdio>

#include <gtest/gtest.h>

namespace {

// The offscreen platform says, for every window, which window features it
// lacks; that says nothing about the program.
QtMessageHandler standardHandler = nullptr;

void quietHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.startsWith(QLatin1String("This plugin does not support")))
        return;
    if (standardHandler)
        standardHandler(type, context, message);
    else
        fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

} // namespace

int main(int argc, char **argv)
{
    standardHandler = qInstallMessageHandler(quietHandler);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
