// unitforge-build [options] SPEC.spc: builds a specification's unit headlessly.
#include <QCoreApplication>
#include <QFile>

#include <cstdio>

#include "cli/buildcommand.h"
#include "specfile/settingslocation.h"

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QFile out;
    QFile err;
    if (!out.open(stdout, QIODevice::WriteOnly) || !err.open(stderr, QIODevice::WriteOnly))
        return kBuildUsageOrFileError;
    // The settings file the window on this machine reads and writes.
    const QStringList settingsLocations = SettingsLocation::defaultLocations(
        SettingsLocation::windowProgramDirectory(QCoreApplication::applicationDirPath()));
    int status = runBuildCommand(app.arguments().mid(1), out, err, settingsLocations);
    // Standard output is buffered: a full disk shows only when it is flushed.
    if (status == kBuildOk && !out.flush()) {
        err.write("unitforge-build: unable to write to standard output\n");
        status = kBuildUsageOrFileError;
    }
    return status;
}
