// SPDX-License-Identifier: MIT
#include "cli/testdrivecommand.h"

#include <QEventLoop>
#include <QIODevice>

#include "cli/buildcommand.h"
#include "generator/lazaruspackage.h"
#include "generator/testdrivehost.h"
#include "model/componentspec.h"
#include "model/unitname.h"
#include "testdrive/testdrive.h"

using namespace Qt::StringLiterals;

namespace {

void writeLine(QIODevice &device, const QString &line)
{
    device.write((line + u'\n').toLocal8Bit());
}

} // namespace

int runTestDriveCommand(const ComponentSpec &spec, const QStringList &unitLines, QIODevice &out,
                        QIODevice &err)
{
    const QList<PackageFile> files = testDriveFiles(spec, unitLines);
    const QString unitFile = files.first().name;
    TestDrive drive;
    QEventLoop loop;
    int status = kBuildOk;
    QObject::connect(&drive, &TestDrive::progress, &loop, [&](const QString &step) {
        writeLine(err, u"unitforge-build: "_s + step);
    });
    QObject::connect(&drive, &TestDrive::failed, &loop, [&](const QString &message) {
        for (const CompilerMessage &error : drive.errors()) {
            writeLine(err, (error.file.isEmpty() ? u"fpc"_s : error.file)
                               + (error.line > 0 ? u':' + QString::number(error.line) : QString())
                               + (error.column > 0 ? u':' + QString::number(error.column) : QString())
                               + u": error: "_s + error.text);
        }
        writeLine(err, u"unitforge-build: "_s + message);
        status = kBuildTestDriveFailed;
        loop.quit();
    });
    QObject::connect(&drive, &TestDrive::windowShown, &loop, [&] {
        writeLine(err, u"unitforge-build: the test drive of "_s + spec.Classname + u" shows after "_s
                           + QString::number(double(drive.msToWindow()) / 1000.0, 'f', 2) + u" s ("_s
                           + drive.stepTimesText() + u"); close its window to end"_s);
    });
    QObject::connect(&drive, &TestDrive::programOutput, &loop, [&](const QString &line) {
        writeLine(out, line);
    });
    QObject::connect(&drive, &TestDrive::programFinished, &loop, [&](int exitCode) {
        if (exitCode != 0) {
            writeLine(err, u"unitforge-build: the test drive ended with status "_s
                               + QString::number(exitCode));
            status = kBuildTestDriveFailed;
        }
        loop.quit();
    });
    drive.start(unitFile, files);
    // The drive may have failed before start returned.
    if (status == kBuildOk)
        loop.exec();
    return status;
}
