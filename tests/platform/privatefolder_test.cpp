// SPDX-License-Identifier: MIT
// The folders other local users must not be able to tamper with: the lock's
// and the socket's folder.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/privatefolder.h"
#include "platform/singleinstance.h"
#include "rowname.h"

namespace {

// A user other than this one, for what only root can give away.
constexpr uid_t kOtherUser = 65534;

mode_t modeOf(const QString &path)
{
    struct stat status {};
    ::lstat(QFile::encodeName(path).constData(), &status);
    return status.st_mode & 07777;
}

bool makeFolder(const QString &path, mode_t mode)
{
    return ::mkdir(QFile::encodeName(path).constData(), mode) == 0
        && ::chmod(QFile::encodeName(path).constData(), mode) == 0;
}

bool giveAway(const QString &path)
{
    return ::lchown(QFile::encodeName(path).constData(), kOtherUser, kOtherUser) == 0;
}

TEST(PrivateFolder, AnAbsentFolderIsMadeForThisUserAlone)
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("own"));
    EXPECT_EQ(privateFolder(folder), folder);
    EXPECT_EQ(modeOf(folder), mode_t(0700));
}

struct ForeignFolderCase {
    const char *name;
    bool needsRoot;
    // Puts something at path that is not a private folder of this user.
    bool (*make)(const QString &path);
};
UF_ROW_NAME(ForeignFolderCase)

class PrivateFolderRefuses : public testing::TestWithParam<ForeignFolderCase> {};

TEST_P(PrivateFolderRefuses, WhatIsNotThisUsersAlone)
{
    if (GetParam().needsRoot && geteuid() != 0)
        GTEST_SKIP() << "only root can make a folder another user's";
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("taken"));
    ASSERT_TRUE(GetParam().make(folder));
    EXPECT_EQ(privateFolder(folder), QString());
}

INSTANTIATE_TEST_SUITE_P(Cases, PrivateFolderRefuses, testing::Values(
    ForeignFolderCase{"OpenToOthers", false, [](const QString &path) { return makeFolder(path, 0755); }},
    ForeignFolderCase{"OpenToTheGroup", false, [](const QString &path) { return makeFolder(path, 0710); }},
    ForeignFolderCase{"ALinkToAPrivateFolder", false, [](const QString &path) {
        return makeFolder(path + QStringLiteral(".real"), 0700)
            && QFile::link(path + QStringLiteral(".real"), path);
    }},
    ForeignFolderCase{"AFile", false, [](const QString &path) {
        QFile file(path);
        return file.open(QIODevice::WriteOnly);
    }},
    ForeignFolderCase{"AnotherUsersPrivateFolder", true, [](const QString &path) {
        return makeFolder(path, 0700) && giveAway(path);
    }}),
    RowName());

// Without a usable runtime directory: the lock goes into a private folder of
// its own, never straight into the shared temporary folder, and without any
// safe place there is no lock at all.
class FallbackLock : public testing::Test
{
protected:
    void SetUp() override
    {
        m_runtime = qgetenv("XDG_RUNTIME_DIR");
        m_temp = qgetenv("TMPDIR");
        qunsetenv("XDG_RUNTIME_DIR");
        qputenv("TMPDIR", QFile::encodeName(m_dir.path()));
        // The runtime folder made there by default is taken by a file.
        const passwd *user = ::getpwuid(geteuid());
        ASSERT_TRUE(user);
        QFile taken(m_dir.filePath(QStringLiteral("runtime-") + QString::fromLocal8Bit(user->pw_name)));
        ASSERT_TRUE(taken.open(QIODevice::WriteOnly));
    }
    void TearDown() override
    {
        restore("XDG_RUNTIME_DIR", m_runtime);
        restore("TMPDIR", m_temp);
    }
    static void restore(const char *name, const QByteArray &value)
    {
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value);
    }
    QString fallback() const
    {
        return m_dir.filePath(QStringLiteral("unitforge-") + QString::number(geteuid()));
    }

    QTemporaryDir m_dir;
    QByteArray m_runtime;
    QByteArray m_temp;
};

TEST_F(FallbackLock, GoesIntoAPrivateFolderOfItsOwn)
{
    const QString lock = SingleInstance::defaultLockPath();
    EXPECT_EQ(lock, fallback() + QStringLiteral("/unitforge.lock"));
    EXPECT_EQ(modeOf(fallback()), mode_t(0700));
}

TEST_F(FallbackLock, WithoutASafePlaceEveryStartRunsAlone)
{
    ASSERT_TRUE(makeFolder(fallback(), 0777));
    EXPECT_EQ(SingleInstance::defaultLockPath(), QString());
    SingleInstance instance;
    EXPECT_TRUE(instance.acquire());
    EXPECT_EQ(instance.socketPath(), QString());
    EXPECT_FALSE(QFile::exists(m_dir.filePath(QStringLiteral("unitforge.lock"))));
}

} // namespace
