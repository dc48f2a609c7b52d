// SPDX-License-Identifier: MIT
// One test drive at a time: writes the unit and its host program into a
// folder of their own in the user's cache, compiles them with fpc (BuildIntf
// first, once per cache) and starts the program. Starting another drive, or
// destroying this object, ends the one before it: its compile or its window.
// The drive's folder goes when its program ends.
#pragma once

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QString>

#include <memory>

#include "testdrive/compilermessages.h"
#include "testdrive/testdrivetools.h"

class QProcess;
class QTemporaryDir;
struct PackageFile;

class TestDrive : public QObject
{
    Q_OBJECT
public:
    explicit TestDrive(QObject *parent = nullptr);
    ~TestDrive() override;

    // The user's cache folder for test drives: the generic cache location's
    // unitforge/testdrive, shared by the window and unitforge-build.
    static QString defaultCacheFolder();
    void setCacheFolder(const QString &folder) { m_cacheFolder = folder; }
    void setLocations(const TestDriveLocations &locations) { m_locations = locations; }

    // unitFile: the name of the unit's file among files, whose errors are the
    // unit's. Reports through the signals below, the first of them possibly
    // before start returns.
    void start(const QString &unitFile, const QList<PackageFile> &files);
    // Ends the compile or the program, reporting nothing.
    void stop();

    bool isCompiling() const;
    bool isProgramRunning() const;

    // The errors of the last compile that failed, the unit's and any other file's.
    const QList<CompilerMessage> &errors() const { return m_errors; }
    // "written 0.01 s, compiled 1.52 s, window 0.06 s": each step of the drive so far.
    QString stepTimesText() const;
    // Milliseconds from start to the window, once it is shown.
    qint64 msToWindow() const { return m_msToWindow; }

signals:
    void progress(const QString &step);
    // Nothing runs any more: a missing tool (with its package), a folder that
    // cannot be written, or compile errors (see errors()).
    void failed(const QString &message);
    void windowShown();
    // A line the program printed that is not its window's notice: an exception it showed.
    void programOutput(const QString &line);
    void programFinished(int exitCode);

private:
    void compileBuildIntf();
    void compileHost();
    void startProgram();
    void fail(const QString &message);
    void stepDone(const QString &name);
    std::unique_ptr<QProcess> compiler(const QString &folder, const QStringList &arguments);
    void readProgramOutput();

    QString m_cacheFolder;
    TestDriveLocations m_locations;
    TestDriveTools m_tools;
    QString m_unitFile;
    QString m_buildIntfFolder;
    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<QTemporaryDir> m_buildIntfWork;
    std::unique_ptr<QProcess> m_compiler;
    std::unique_ptr<QProcess> m_program;
    QByteArray m_programOutput;
    QList<CompilerMessage> m_errors;
    QStringList m_steps;
    QElapsedTimer m_started;
    QElapsedTimer m_step;
    qint64 m_msToWindow = -1;
};
