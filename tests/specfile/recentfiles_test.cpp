// The recent specifications: newest first, each file once, eight at most,
// and the same list back from the settings file.
#include <gtest/gtest.h>

#include "specfile/profilefile.h"
#include "specfile/recentfiles.h"

namespace {

QStringList numbered(int from, int to)
{
    QStringList files;
    for (int i = from; i <= to; ++i)
        files.append(QStringLiteral("/specs/f%1.spc").arg(i));
    return files;
}

TEST(RecentFiles, NewestFirstAndAReopenedFileMovesUp)
{
    RecentFiles recent;
    recent.add(QStringLiteral("/a/gauge.spc"));
    recent.add(QStringLiteral("/a/dial.spc"));
    recent.add(QStringLiteral("/a/knob.spc"));
    recent.add(QStringLiteral("/a/gauge.spc"));
    EXPECT_EQ(recent.files(),
              QStringList({"/a/gauge.spc", "/a/knob.spc", "/a/dial.spc"}));
}

TEST(RecentFiles, TheNinthFilePushesTheOldestOut)
{
    RecentFiles recent;
    for (const QString &file : numbered(1, 8))
        recent.add(file);
    ASSERT_EQ(recent.files().size(), 8);
    EXPECT_EQ(recent.files().last(), "/specs/f1.spc");
    recent.add(QStringLiteral("/specs/f9.spc"));
    EXPECT_EQ(recent.files().size(), 8);
    EXPECT_EQ(recent.files().first(), "/specs/f9.spc");
    EXPECT_EQ(recent.files().last(), "/specs/f2.spc");
}

TEST(RecentFiles, AFileAlreadyListedDoesNotPushAnotherOut)
{
    RecentFiles recent(numbered(1, 8));
    recent.add(QStringLiteral("/specs/f8.spc"));
    EXPECT_EQ(recent.files().size(), 8);
    EXPECT_EQ(recent.files().first(), "/specs/f8.spc");
    EXPECT_EQ(recent.files().last(), "/specs/f7.spc");
}

TEST(RecentFiles, OneFileUnderTwoSpellingsIsListedOnce)
{
    RecentFiles recent;
    recent.add(QStringLiteral("/a/b/../gauge.spc"));
    recent.add(QStringLiteral("/a//gauge.spc"));
    EXPECT_EQ(recent.files(), QStringList({"/a/gauge.spc"}));
}

TEST(RecentFiles, RemoveTakesOnlyThatFile)
{
    RecentFiles recent(numbered(1, 3));
    recent.remove(QStringLiteral("/specs/f2.spc"));
    EXPECT_EQ(recent.files(), QStringList({"/specs/f1.spc", "/specs/f3.spc"}));
}

TEST(RecentFiles, ALabelNamesTheFolderOnlyWhenAnotherEntryHasTheSameName)
{
    const RecentFiles recent(QStringList{"/home/ann/old/gauge.spc", "/home/ann/dial.spc",
                                         "/home/ann/new/gauge.spc", "/home/ann/Gauge.spc"});
    EXPECT_EQ(recent.labels(),
              QStringList({"gauge.spc (/home/ann/old)", "dial.spc", "gauge.spc (/home/ann/new)",
                           "Gauge.spc"}));
}

TEST(RecentFiles, ComesBackFromTheSettingsFileInOrder)
{
    ProfileFile profile;
    profile.parse(QStringLiteral("[Settings]\r\nindent=2\r\n"));
    RecentFiles(QStringList{"/specs/b.spc", "/specs/with = sign.spc", "/specs/a.spc"})
        .write(profile);
    EXPECT_EQ(profile.readInteger(QStringLiteral("Settings"), QStringLiteral("indent"), 0), 2);
    EXPECT_EQ(profile.readString(RecentFiles::section(), QStringLiteral("File1")), "/specs/b.spc");
    EXPECT_EQ(RecentFiles::read(profile).files(),
              QStringList({"/specs/b.spc", "/specs/with = sign.spc", "/specs/a.spc"}));
}

TEST(RecentFiles, AShorterListLeavesNoOldEntryBehind)
{
    ProfileFile profile;
    RecentFiles(numbered(1, 8)).write(profile);
    RecentFiles(numbered(1, 2)).write(profile);
    EXPECT_EQ(profile.readString(RecentFiles::section(), QStringLiteral("File3"), QStringLiteral("absent")), QStringLiteral("absent"));
    EXPECT_EQ(RecentFiles::read(profile).files(), numbered(1, 2));
}

// A file edited by hand: gaps, repeats, and keys past the eighth.
TEST(RecentFiles, ReadingSkipsEmptyAndRepeatedEntriesAndStopsAtEight)
{
    ProfileFile profile;
    profile.parse(QStringLiteral("[recent specifications]\r\nfile1=/x/a.spc\r\nFile2=\r\n"
                                 "File3=/x/a.spc\r\nFile4=/x/b.spc\r\nFile9=/x/c.spc\r\n"));
    EXPECT_EQ(RecentFiles::read(profile).files(), QStringList({"/x/a.spc", "/x/b.spc"}));
}

} // namespace
