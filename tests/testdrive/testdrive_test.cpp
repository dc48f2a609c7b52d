// SPDX-License-Identifier: MIT
// A test drive run against a stand-in for fpc (faketoolchain.h).
#include "generator/lazaruspackage.h"
#include "testdrive/faketoolchain.h"
#include "testdrive/testdrive.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <utime.h>
#include <cerrno>

using namespace Qt::StringLiterals;

namespace {

bool processAlive(qint64 pid)
{
    return ::kill(pid_t(pid), 0) == 0 || errno != ESRCH;
}

class TestDriveRun : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_root.isValid());
        m_drive.setLocations(makeFakeToolchain(m_root.path()));
        m_drive.setCacheFolder(cacheFolder());
    }

    QString cacheFolder() const { return m_root.filePath(u"cache/testdrive"_s); }

    static QList<PackageFile> files(const QByteArray &unit = "unit Gauge;\r\nend.\r\n")
    {
        return {{u"gauge.pas"_s, unit}, {u"gauge_icon.lrs"_s, "{}"}, {u"uftestdrivehost.lpr"_s, "program x;"}};
    }

    QStringList fpcCalls() const
    {
        QFile log(m_root.filePath(u"log"_s));
        if (!log.open(QIODevice::ReadOnly))
            return {};
        return QString::fromLocal8Bit(log.readAll()).split(u'\n', Qt::SkipEmptyParts);
    }

    QList<qint64> hosts() const
    {
        QFile file(m_root.filePath(u"hosts"_s));
        QList<qint64> pids;
        if (file.open(QIODevice::ReadOnly)) {
            for (const QByteArray &line : file.readAll().split('\n')) {
                if (!line.isEmpty())
                    pids.append(line.toLongLong());
            }
        }
        return pids;
    }

    QTemporaryDir m_root;
    TestDrive m_drive;
};

} // namespace

TEST_F(TestDriveRun, BuildsInAFolderOfItsOwnAndCompilesBuildIntfOnce)
{
    QSignalSpy shown(&m_drive, &TestDrive::windowShown);
    m_drive.start(u"gauge.pas"_s, files());
    ASSERT_TRUE(shown.wait(10000));
    m_drive.start(u"gauge.pas"_s, files());
    ASSERT_TRUE(shown.wait(10000));

    const QStringList calls = fpcCalls();
    ASSERT_EQ(calls.size(), 3) << calls.join(u'\n').toStdString();
    EXPECT_TRUE(calls[0].endsWith(u"/buildintf.pas"_s));
    for (const int host : {1, 2}) {
        const QStringList call = calls[host].split(u'|');
        // Nothing but what the drive wrote lies where fpc looks first.
        EXPECT_TRUE(call[0].startsWith(cacheFolder() + u"/drive-"_s)) << call[0].toStdString();
        EXPECT_EQ(call[1], u"gauge.pas gauge_icon.lrs uftestdrivehost.lpr units "_s);
        EXPECT_TRUE(call[2].contains(u"-Fu"_s + cacheFolder() + u"/buildintf-lazarus"_s));
    }
    EXPECT_NE(calls[1].section(u'|', 0, 0), calls[2].section(u'|', 0, 0));
    EXPECT_FALSE(m_drive.stepTimesText().contains(u"BuildIntf"_s));
    EXPECT_TRUE(m_drive.stepTimesText().startsWith(u"written "_s));
    EXPECT_TRUE(m_drive.stepTimesText().contains(u", window "_s));
}

TEST_F(TestDriveRun, SecondDriveEndsTheFirstProgramAndClosingEndsTheSecond)
{
    QSignalSpy shown(&m_drive, &TestDrive::windowShown);
    QSignalSpy finished(&m_drive, &TestDrive::programFinished);
    m_drive.start(u"gauge.pas"_s, files());
    ASSERT_TRUE(shown.wait(10000));
    m_drive.start(u"gauge.pas"_s, files());
    ASSERT_TRUE(shown.wait(10000));
    const QList<qint64> pids = hosts();
    ASSERT_EQ(pids.size(), 2);
    EXPECT_FALSE(processAlive(pids[0]));
    EXPECT_TRUE(processAlive(pids[1]));
    EXPECT_TRUE(finished.isEmpty());

    m_drive.stop();
    EXPECT_FALSE(processAlive(pids[1]));
    EXPECT_FALSE(m_drive.isProgramRunning());
    // The drive's folder goes with its program.
    EXPECT_EQ(QDir(cacheFolder()).entryList({u"drive-*"_s}, QDir::Dirs).size(), 0);
}

TEST_F(TestDriveRun, RemovesTheFolderOfADriveAbandonedADayAgo)
{
    const QString abandoned = cacheFolder() + u"/drive-old"_s;
    const QString recent = cacheFolder() + u"/drive-recent"_s;
    for (const QString &folder : {abandoned, recent}) {
        ASSERT_TRUE(QDir().mkpath(folder));
        QFile(folder + u"/uftestdrivehost"_s).open(QIODevice::WriteOnly);
    }
    // The cache folder is the user's alone, or the drive refuses it.
    QFile::setPermissions(cacheFolder(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const time_t dayAndHourAgo = QDateTime::currentDateTime().addSecs(-25 * 3600).toSecsSinceEpoch();
    const utimbuf times{dayAndHourAgo, dayAndHourAgo};
    ASSERT_EQ(::utime(QFile::encodeName(abandoned).constData(), &times), 0);
    QSignalSpy shown(&m_drive, &TestDrive::windowShown);
    m_drive.start(u"gauge.pas"_s, files());
    ASSERT_TRUE(shown.wait(10000));
    EXPECT_FALSE(QFileInfo::exists(abandoned));
    EXPECT_TRUE(QFileInfo::exists(recent));
}

TEST_F(TestDriveRun, CompileErrorIsReportedAtTheUnitsLine)
{
    QSignalSpy failed(&m_drive, &TestDrive::failed);
    QSignalSpy shown(&m_drive, &TestDrive::windowShown);
    m_drive.start(u"gauge.pas"_s, files("unit Gauge;\r\nBROKEN\r\n"));
    ASSERT_TRUE(failed.wait(10000));
    EXPECT_EQ(failed.first().first().toString(), u"gauge.pas did not compile: Identifier not found \"BROKEN\""_s);
    ASSERT_EQ(m_drive.errors().size(), 1);
    EXPECT_EQ(m_drive.errors()[0].file, u"gauge.pas"_s);
    EXPECT_EQ(m_drive.errors()[0].line, 2);
    EXPECT_TRUE(shown.isEmpty());
    EXPECT_FALSE(m_drive.isCompiling());
    EXPECT_TRUE(hosts().isEmpty());
}

TEST_F(TestDriveRun, MissingToolFailsBeforeAnythingIsWritten)
{
    QFile::remove(m_root.filePath(u"libgtk-x11-2.0.so"_s));
    QSignalSpy failed(&m_drive, &TestDrive::failed);
    m_drive.start(u"gauge.pas"_s, files());
    ASSERT_EQ(failed.size(), 1);
    EXPECT_TRUE(failed.first().first().toString().endsWith(u"libgtk2.0-dev"_s));
    EXPECT_FALSE(QFileInfo::exists(cacheFolder()));
    EXPECT_TRUE(fpcCalls().isEmpty());
}
