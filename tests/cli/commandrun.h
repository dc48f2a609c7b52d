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

// Runs the built command as a separate process, in the built-in style unless
// the arguments name a settings file (whatever settings file the window on
// this machine keeps is none of a test's business); prepare, when given,
// sets the process up before it starts.
inline CommandResult runCommand(const QStringList &arguments,
                                const std::function<void(QProcess &)> &prepare = {})
{
    QProcess process;
    if (prepare)
        prepare(process);
    const bool settingsGiven = arguments.contains(QStringLiteral("--settings"));
    process.start(QStringLiteral(UF_BUILD_COMMAND),
                  settingsGiven ? arguments : QStringList{QStringLiteral("--default-style")} + arguments);
    process.closeWriteChannel();
    if (!process.waitForFinished(30000))
        return {};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput(), process.readAllStandardError()};
}

// Runs the command in this process; the style comes from the first of
// settingsLocations that exists (by default none).
inline CommandResult runInProcess(const QStringList &arguments,
                                  const QStringList &settingsLocations = {})
{
    QBuffer out;
    QBuffer err;
    out.open(QIODevice::WriteOnly);
    err.open(QIODevice::WriteOnly);
    CommandResult run;
    run.status = runBuildCommand(arguments, out, err, settingsLocations);
    run.out = out.data();
    run.err = err.data();
    return run;
}
