// SPDX-License-Identifier: MIT
// What Open and unitforge-build read as a specification file: a regular file
// of sensible size that begins with the "Component" section, looked at before
// it is read whole.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <unistd.h>

#include "rowname.h"
#include "specfile/filebytes.h"
#include "specfile/profilefile.h"
#include "specfile/specfile.h"

namespace {

struct BeginningCase {
    const char *name;
    QByteArray head;
    bool specification;
};
UF_ROW_NAME(BeginningCase)

class SpecificationBeginning : public testing::TestWithParam<BeginningCase> {};

TEST_P(SpecificationBeginning, IsTheComponentSection)
{
    EXPECT_EQ(beginsLikeSpecification(GetParam().head), GetParam().specification);
}

INSTANTIATE_TEST_SUITE_P(Cases, SpecificationBeginning, testing::Values(
    BeginningCase{"Plain", "[Component]\r\nClassname=TX\r\n", true},
    BeginningCase{"OtherLetterCase", "[COMPONENT]\nName=x\n", true},
    BeginningCase{"ByteOrderMark", "\xEF\xBB\xBF[Component]\r\n", true},
    BeginningCase{"BlankLinesAndCommentsFirst", "\r\n  \t\r\n; saved\r\n  [Component]  \r\n", true},
    BeginningCase{"HeaderAtTheVeryEnd", "\n\n[Component]", true},
    BeginningCase{"AnotherSectionFirst", "[Settings]\r\n[Component]\r\n", false},
    BeginningCase{"AKeyFirst", "Name=x\r\n[Component]\r\n", false},
    BeginningCase{"ALongerSectionName", "[Components]\r\n", false},
    BeginningCase{"AShorterSectionName", "[Component\r\n", true},
    BeginningCase{"HeaderCutShort", "[Comp", false},
    BeginningCase{"WebPage", "<html>\n[Component]\n", false},
    BeginningCase{"NothingButBlanks", "\r\n\r\n", false},
    BeginningCase{"Empty", "", false}),
    RowName());

class SpecificationFileLoadTest : public testing::Test
{
protected:
    QString path(const char *name) const { return dir.filePath(QString::fromLatin1(name)); }
    SpecificationFileLoad load(const QString &file)
    {
        ProfileFile profile;
        return loadSpecificationFile(profile, file);
    }
    QTemporaryDir dir;
};

using Result = SpecificationFileLoad::Result;

TEST_F(SpecificationFileLoadTest, ReadsASpecificationWhole)
{
    writeBytes(path("gauge.spc"), "\xEF\xBB\xBF[Component]\r\nClassname=TGauge\r\n[Properties]\r\n0=Value\r\n");
    ProfileFile profile;
    const SpecificationFileLoad load = loadSpecificationFile(profile, path("gauge.spc"));
    EXPECT_EQ(load.result, Result::Loaded) << load.message.toStdString();
    EXPECT_EQ(profile.readString(QStringLiteral("Component"), QStringLiteral("Classname")), "TGauge");
    EXPECT_EQ(profile.readString(QStringLiteral("Properties"), QStringLiteral("0")), "Value");
    EXPECT_EQ(profile.path(), path("gauge.spc"));
}

// A pipe would block the open, a device never end: neither is opened for reading.
TEST_F(SpecificationFileLoadTest, RefusesWhatIsNoRegularFile)
{
    ASSERT_EQ(::mkfifo(QFile::encodeName(path("fifo.spc")).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), path("zero.spc")));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.spc")));
    for (const char *name : {"fifo.spc", "zero.spc", "folder.spc"}) {
        const SpecificationFileLoad refused = load(path(name));
        EXPECT_EQ(refused.result, Result::Refused) << name;
        EXPECT_EQ(refused.message, QString::fromLatin1(name)
                      + QStringLiteral(" is not a regular file (a folder, a device or a pipe); it is not read."));
    }
}

TEST_F(SpecificationFileLoadTest, RefusesAFileLargerThanTheBound)
{
    QFile file(path("huge.spc"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Component]\r\nClassname=TX\r\n;");
    ASSERT_TRUE(file.resize(kMaxSpecificationFileSize + 1));   // sparse: nothing is written
    file.close();
    const SpecificationFileLoad refused = load(path("huge.spc"));
    EXPECT_EQ(refused.result, Result::Refused);
    EXPECT_EQ(refused.message, QStringLiteral("huge.spc is larger than 64 MB, more than any component "
                                              "specification file; it is not read."));

    ASSERT_TRUE(file.resize(kMaxSpecificationFileSize));
    EXPECT_EQ(load(path("huge.spc")).result, Result::Loaded);
}

// Judged by its first lines: a section further down does not make a file a specification.
TEST_F(SpecificationFileLoadTest, RefusesAFileThatDoesNotBeginWithTheSection)
{
    writeBytes(path("page.spc"), QByteArray(8192, 'x') + "\n[Component]\nClassname=TX\n");
    const SpecificationFileLoad refused = load(path("page.spc"));
    EXPECT_EQ(refused.result, Result::Refused);
    EXPECT_EQ(refused.message, QStringLiteral("page.spc is not a component specification file."));
}

TEST_F(SpecificationFileLoadTest, AMissingFileIsUnreadable)
{
    const SpecificationFileLoad missing = load(path("none.spc"));
    EXPECT_EQ(missing.result, Result::Unreadable);
    EXPECT_EQ(missing.message, QStringLiteral("File not found: ") + path("none.spc"));
}

// The settings file and the file a save goes over are read the same careful way.
TEST(ProfileFileLoad, RefusesAPipeWithoutBlocking)
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("uforge.ini"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    ProfileFile profile;
    EXPECT_EQ(profile.load(fifo), ProfileFile::LoadResult::Failed);
    EXPECT_EQ(profile.errorString(), QStringLiteral("Unable to read ") + fifo + QStringLiteral(": it is not a regular file"));
}

} // namespace
