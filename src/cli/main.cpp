// unitforge-build [options] SPEC.spc: builds a specification's unit headlessly.
#include <QCoreApplication>
#include <QFile>

#include <cstdio>

#include "cli/buildcommand.h"

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QFile out;
    QFile err;
    if (!out.open(stdout, QIODevice::WriteOnly) || !err.open(stderr, QIODevice::WriteOnly))
        return kBuildUsageOrFileError;
    int status = runBuildCommand(app.arguments().mid(1), out, err);
    // Standard output is buffered: a full disk shows only when it is flushed.
    if (status == kBuildOk && !out.flush()) {
        err.write("unitforge-build: unable to write to standard output\n");
        status = kBuildUsageOrFileError;
    }
    return status;
}
