// Writing over an existing file: the file keeps its owner, group and mode,
// and a folder that refuses the new file is named as the reason.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "specfile/filebytes.h"
#include "specfile/filewriter.h"

namespace {

constexpr uid_t kOtherUser = 65534;
constexpr gid_t kOtherGroup = 65534;

struct stat statusOf(const QString &path)
{
    struct stat status {};
    ::stat(QFile::encodeName(path).constData(), &status);
    return status;
}

// A unit of the group's, written by root: it stays the author's and the group's.
TEST(FileWriter, KeepsTheOwnerGroupAndModeOfTheFileItReplaces)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "only root can write over a file of another user's and keep its owner";
    QTemporaryDir dir;
    const QString unit = dir.filePath(QStringLiteral("Gauge.pas"));
    writeBytes(unit, "old");
    const QByteArray name = QFile::encodeName(unit);
    ASSERT_EQ(::chown(name.constData(), kOtherUser, kOtherGroup), 0);
    ASSERT_EQ(::chmod(name.constData(), 0664), 0);

    QString error;
    ASSERT_TRUE(writeFileAtomically(unit, "new", &error)) << error.toStdString();
    const struct stat after = statusOf(unit);
    EXPECT_EQ(after.st_uid, kOtherUser);
    EXPECT_EQ(after.st_gid, kOtherGroup);
    EXPECT_EQ(after.st_mode & 07777, mode_t(0664));
    EXPECT_EQ(readBytes(unit), QByteArray("new"));
}

// The file itself may be writable; the new one made beside it is not allowed.
TEST(FileWriter, NamesTheFolderThatRefusesTheNewFile)
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("ro"));
    ASSERT_EQ(::mkdir(QFile::encodeName(folder).constData(), 0755), 0);
    const QString unit = folder + QStringLiteral("/Gauge.pas");
    writeBytes(unit, "old");
    ASSERT_EQ(::chmod(QFile::encodeName(unit).constData(), 0666), 0);
    const QString expected = QStringLiteral("Permission denied: the folder ") + folder
        + QStringLiteral(" is not writable, and the file is replaced by a new one made in it");

    // Root is refused nothing: the write is made as another user in a child.
    const bool asOther = geteuid() == 0;
    if (!asOther)
        ASSERT_EQ(::chmod(QFile::encodeName(folder).constData(), 0555), 0);
    if (asOther)
        ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 0755), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (asOther && (::setgid(kOtherGroup) != 0 || ::setuid(kOtherUser) != 0))
            ::_exit(3);
        QString error;
        const bool written = writeFileAtomically(unit, "new", &error);
        ::_exit(written ? 2 : error == expected ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ::chmod(QFile::encodeName(folder).constData(), 0755);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "1: another message, 2: written, 3: no other user";
    EXPECT_EQ(readBytes(unit), QByteArray("old"));
}

} // namespace
