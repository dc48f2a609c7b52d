// SPDX-License-Identifier: MIT
#include "testdrive/testdrive.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "generator/lazaruspackage.h"
#include "generator/testdrivehost.h"
#include "platform/privatefolder.h"
#include "specfile/packagefolder.h"

#include <csignal>
#include <sys/prctl.h>

using namespace Qt::StringLiterals;

namespace {

QString seconds(qint64 ms)
{
    return QString::number(double(ms) / 1000.0, 'f', 2) + u" s"_s;
}

QStringList unitPathArguments(const QStringList &paths)
{
    QStringList arguments;
    for (const QString &path : paths)
        arguments.append(u"-Fu"_s + path);
    return arguments;
}

// Ends a process without hearing from it again. It goes once control is back
// in the event loop, as this may run inside one of its own signals, or with
// the drive that is its parent.
void endProcess(std::unique_ptr<QProcess> &process)
{
    if (!process)
        return;
    process->disconnect();
    if (process->state() != QProcess::NotRunning) {
        process->kill();
        process->waitForFinished(5000);
    }
    process.release()->deleteLater();
}

// A drive's folder goes with its program; one whose owner was killed stays.
// A day later no program can be running from it any more.
void removeAbandonedDrives(const QString &cache)
{
    const QDateTime dayAgo = QDateTime::currentDateTime().addDays(-1);
    for (const QFileInfo &drive : QDir(cache).entryInfoList({u"drive-*"_s}, QDir::Dirs | QDir::NoSymLinks)) {
        if (drive.lastModified() < dayAgo)
            QDir(drive.absoluteFilePath()).removeRecursively();
    }
}

} // namespace

TestDrive::TestDrive(QObject *parent)
    : QObject(parent)
    , m_cacheFolder(defaultCacheFolder())
{
}

TestDrive::~TestDrive()
{
    stop();
}

QString TestDrive::defaultCacheFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation)
        + u"/unitforge/testdrive"_s;
}

bool TestDrive::isCompiling() const
{
    return m_compiler != nullptr;
}

bool TestDrive::isProgramRunning() const
{
    return m_program != nullptr;
}

QString TestDrive::stepTimesText() const
{
    return m_steps.join(u", "_s);
}

void TestDrive::stop()
{
    endProcess(m_compiler);
    endProcess(m_program);
    m_buildIntfWork.reset();
    m_folder.reset();
}

void TestDrive::start(const QString &unitFile, const QList<PackageFile> &files)
{
    stop();
    m_errors.clear();
    m_steps.clear();
    m_msToWindow = -1;
    m_programOutput.clear();
    m_unitFile = unitFile;
    m_started.start();
    m_step.start();

    const auto tools = findTestDriveTools(m_locations);
    if (const MissingTool *missing = std::get_if<MissingTool>(&tools))
        return fail(missing->message);
    m_tools = std::get<TestDriveTools>(tools);

    // A folder of its own: fpc takes a unit from the folder it compiles in
    // before its search path, so nothing else may lie there.
    QDir().mkpath(QFileInfo(m_cacheFolder).absolutePath());
    const QString cache = privateFolder(m_cacheFolder);
    if (cache.isEmpty())
        return fail(u"Unable to make the private folder "_s + m_cacheFolder);
    removeAbandonedDrives(cache);
    m_folder = std::make_unique<QTemporaryDir>(cache + u"/drive-XXXXXX"_s);
    QString error;
    if (!m_folder->isValid())
        return fail(u"Unable to make a folder in "_s + cache + u": "_s + m_folder->errorString());
    if (!writePackageFolder(m_folder->path(), files, &error) || !QDir(m_folder->path()).mkpath(u"units"_s))
        return fail(error.isEmpty() ? u"Unable to write to "_s + m_folder->path() : error);
    stepDone(u"written"_s);

    m_buildIntfFolder = cache + u"/buildintf-"_s + QFileInfo(m_tools.lazarus).fileName();
    if (QFileInfo::exists(m_buildIntfFolder + u"/buildintf.ppu"_s))
        compileHost();
    else
        compileBuildIntf();
}

std::unique_ptr<QProcess> TestDrive::compiler(const QString &folder, const QStringList &arguments)
{
    auto process = std::make_unique<QProcess>(this);
    process->setProgram(m_tools.fpc);
    process->setArguments(arguments);
    process->setWorkingDirectory(folder);
    process->setProcessChannelMode(QProcess::MergedChannels);
    QProcess *started = process.get();
    connect(started, &QProcess::errorOccurred, this, [this, started](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            fail(u"fpc could not be started: "_s + started->errorString());
    });
    return process;
}

void TestDrive::compileBuildIntf()
{
    emit progress(u"Compiling BuildIntf into the cache (once)"_s);
    m_buildIntfWork = std::make_unique<QTemporaryDir>(m_buildIntfFolder + u"-XXXXXX"_s);
    if (!m_buildIntfWork->isValid())
        return fail(u"Unable to make a folder beside "_s + m_buildIntfFolder);
    m_compiler = compiler(m_buildIntfWork->path(),
                          QStringList{u"-Mobjfpc"_s, u"-Sh"_s, u"-FU"_s + m_buildIntfWork->path()}
                              + unitPathArguments(m_tools.buildIntfUnitPaths())
                              + QStringList{m_tools.buildIntfSource()});
    connect(m_compiler.get(), &QProcess::finished, this, [this](int exitCode, QProcess::ExitStatus status) {
        const QString output = QString::fromLocal8Bit(m_compiler->readAll());
        endProcess(m_compiler);
        if (status != QProcess::NormalExit || exitCode != 0) {
            m_errors = compilerErrors(output);
            return fail(u"BuildIntf did not compile: "_s
                        + (m_errors.isEmpty() ? output.trimmed().section(u'\n', -1) : m_errors.first().text));
        }
        // Another drive may have got there first; its copy serves as well.
        if (QDir().rename(m_buildIntfWork->path(), m_buildIntfFolder))
            m_buildIntfWork->setAutoRemove(false);
        m_buildIntfWork.reset();
        stepDone(u"BuildIntf compiled"_s);
        compileHost();
    });
    m_compiler->start();
}

void TestDrive::compileHost()
{
    emit progress(u"Compiling "_s + m_unitFile + u" with its test drive program"_s);
    const QString folder = m_folder->path();
    m_compiler = compiler(folder, QStringList{u"-Mdelphi"_s, u"-FU"_s + folder + u"/units"_s,
                                              u"-FE"_s + folder, u"-Fu"_s + m_buildIntfFolder}
                                      + unitPathArguments(m_tools.unitPaths())
                                      + QStringList{testDriveHostName() + u".lpr"_s});
    connect(m_compiler.get(), &QProcess::finished, this, [this](int exitCode, QProcess::ExitStatus status) {
        const QString output = QString::fromLocal8Bit(m_compiler->readAll());
        endProcess(m_compiler);
        if (status != QProcess::NormalExit || exitCode != 0) {
            m_errors = compilerErrors(output);
            if (m_errors.isEmpty())
                m_errors.append({QString(), 0, 0, output.trimmed().section(u'\n', -1)});
            const CompilerMessage &first = m_errors.first();
            return fail((first.file.isEmpty() ? u"The test drive"_s : first.file)
                        + u" did not compile: "_s + first.text);
        }
        stepDone(u"compiled"_s);
        startProgram();
    });
    m_compiler->start();
}

void TestDrive::startProgram()
{
    emit progress(u"Starting the test drive"_s);
    m_program = std::make_unique<QProcess>(this);
    m_program->setProgram(m_folder->filePath(testDriveHostName()));
    m_program->setWorkingDirectory(m_folder->path());
    m_program->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    // A window left behind by a program that was killed or crashed would outlive it.
    m_program->setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
    connect(m_program.get(), &QProcess::readyReadStandardOutput, this, &TestDrive::readProgramOutput);
    connect(m_program.get(), &QProcess::finished, this, [this](int exitCode, QProcess::ExitStatus status) {
        readProgramOutput();
        if (!m_programOutput.isEmpty())
            emit programOutput(QString::fromLocal8Bit(m_programOutput));
        endProcess(m_program);
        m_folder.reset();
        emit programFinished(status == QProcess::NormalExit ? exitCode : -1);
    });
    connect(m_program.get(), &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) {
            const QString reason = m_program->errorString();
            endProcess(m_program);
            fail(u"The test drive could not be started: "_s + reason);
        }
    });
    m_program->start();
}

void TestDrive::readProgramOutput()
{
    m_programOutput += m_program->readAllStandardOutput();
    qsizetype end;
    while ((end = m_programOutput.indexOf('\n')) >= 0) {
        const QString line = QString::fromLocal8Bit(m_programOutput.left(end));
        m_programOutput.remove(0, end + 1);
        if (line == QLatin1StringView(kTestDriveShownLine) && m_msToWindow < 0) {
            stepDone(u"window"_s);
            m_msToWindow = m_started.elapsed();
            emit windowShown();
        } else {
            emit programOutput(line);
        }
    }
}

void TestDrive::fail(const QString &message)
{
    endProcess(m_compiler);
    m_buildIntfWork.reset();
    m_folder.reset();
    emit failed(message);
}

void TestDrive::stepDone(const QString &name)
{
    m_steps.append(name + u' ' + seconds(m_step.restart()));
}
