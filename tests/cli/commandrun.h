// Runs unitforge-build for a test, as a process of its own or in the test's process.
#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QProcess>
#include <QStringList>

#include <functional>

#include "cli/buildcommand.h"

struct CommandResult {
    int status = -1;
    QByteArray out;
    QByteArray err;
};

// Runs the built command as a separate process; prepare, when given, sets
// the process up before it starts.
inline CommandResult runCommand(const QStringList &arguments,
                                const std::function<void(QProcess &)> &prepare = {})
{
    QProcess process;
    if (prepare)
        prepare(process);
    process.start(QStringLiteral(UF_BUILD_COMMAND), arguments);
    process.closeWriteChannel();
    if (!process.waitForFinished(30000))
        return {};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput(), process.readAllStandardError()};
}

// Runs the command in this process.
inline CommandResult runInProcess(const QStringList &arguments)
{
    QBuffer out;
    QBuffer err;
    out.open(QIODevice::WriteOnly);
    err.open(QIODevice::WriteOnly);
    CommandResult run;
    run.status = runBuildCommand(arguments, out, err);
    run.out = out.data();
    run.err = err.data();
    return run;
}
