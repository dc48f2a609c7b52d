#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "rowname.h"
#include "specfile/settingslocation.h"

namespace {

// A temporary folder with a program folder "bin" in it, optionally holding a
// settings file (a portable copy).
struct ProgramFolder {
    explicit ProgramFolder(bool withSettings)
    {
        QDir().mkpath(program);
        if (withSettings)
            QFile(program + QStringLiteral("/uforge.ini")).open(QIODevice::WriteOnly);
    }
    QTemporaryDir dir;
    QString program = dir.filePath(QStringLiteral("bin"));
    QString config = dir.filePath(QStringLiteral("config"));
    QString current = dir.filePath(QStringLiteral("work"));
};

// Where the settings live, and the folder of a new specification's unit:
// beside the program only for a portable copy or a build tree.
struct LocationRow {
    const char *name;
    bool besideExists;
    bool fromBuildTree;
    bool beside;
};
UF_ROW_NAME(LocationRow)

class ProgramKind : public testing::TestWithParam<LocationRow> {};

TEST_P(ProgramKind, SettingsBesideTheProgramOnlyWhenPortableOrBuilt)
{
    const ProgramFolder folder(GetParam().besideExists);
    QStringList expected;
    if (GetParam().beside)
        expected.append(folder.program + QStringLiteral("/uforge.ini"));
    expected.append(folder.config + QStringLiteral("/Unitforge/uforge.ini"));
    EXPECT_EQ(SettingsLocation::locationsFor(folder.program, GetParam().fromBuildTree, folder.config),
              expected);
}

TEST_P(ProgramKind, NewUnitInTheCurrentFolderUnlessPortableOrBuilt)
{
    const ProgramFolder folder(GetParam().besideExists);
    EXPECT_EQ(SettingsLocation::defaultUnitFolder(folder.program, GetParam().fromBuildTree,
                                                  folder.current),
              GetParam().beside ? folder.program : folder.current);
}

INSTANTIATE_TEST_SUITE_P(Programs, ProgramKind,
                         testing::Values(LocationRow{"Installed", false, false, false},
                                         LocationRow{"PortableCopy", true, false, true},
                                         LocationRow{"BuildTree", false, true, true},
                                         LocationRow{"BuildTreeWithFile", true, true, true}),
                         RowName());

// A CMake cache up to three folders above the program marks a build tree.
struct DepthRow {
    const char *name;
    int levelsUp;    // -1: no cache
    bool buildTree;
};
UF_ROW_NAME(DepthRow)

class BuildTreeDepth : public testing::TestWithParam<DepthRow> {};

TEST_P(BuildTreeDepth, FoundUpToThreeParentsUp)
{
    QTemporaryDir dir;
    const QString program = dir.filePath(QStringLiteral("a/b/c/d"));
    ASSERT_TRUE(QDir().mkpath(program));
    if (GetParam().levelsUp >= 0) {
        QDir cacheDir(program);
        for (int up = 0; up < GetParam().levelsUp; ++up)
            cacheDir.cdUp();
        ASSERT_TRUE(QFile(cacheDir.filePath(QStringLiteral("CMakeCache.txt"))).open(QIODevice::WriteOnly));
    }
    EXPECT_EQ(SettingsLocation::isBuildTree(program), GetParam().buildTree);
}

INSTANTIATE_TEST_SUITE_P(Caches, BuildTreeDepth,
                         testing::Values(DepthRow{"NoCache", -1, false}, DepthRow{"Beside", 0, true},
                                         DepthRow{"ThreeUp", 3, true}, DepthRow{"FourUp", 4, false}),
                         RowName());

// The command line reads the window's file: in a build tree the window is
// built in the sibling folder "app".
TEST(SettingsLocation, CommandFindsTheWindowOfItsBuildTree)
{
    QTemporaryDir dir;
    const QString command = dir.filePath(QStringLiteral("src/cli"));
    const QString window = dir.filePath(QStringLiteral("src/app"));
    ASSERT_TRUE(QDir().mkpath(command) && QDir().mkpath(window));
    EXPECT_EQ(SettingsLocation::windowProgramDirectory(command), command);   // installed: one folder
    ASSERT_TRUE(QFile(dir.filePath(QStringLiteral("CMakeCache.txt"))).open(QIODevice::WriteOnly));
    EXPECT_EQ(SettingsLocation::windowProgramDirectory(command), window);
}

TEST(SettingsLocation, ExistingFileIsTheFirstThatExists)
{
    const ProgramFolder folder(true);
    const QString beside = folder.program + QStringLiteral("/uforge.ini");
    const QString missing = folder.config + QStringLiteral("/uforge.ini");
    EXPECT_EQ(SettingsLocation::existingFile({missing, beside}), beside);
    EXPECT_EQ(SettingsLocation::existingFile({missing, folder.program}), QString());   // a folder
}

} // namespace
