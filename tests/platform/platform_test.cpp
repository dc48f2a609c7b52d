// The platform layers: the Wine registry and the Delphi installation read
// from it, the writers' guide command line, the single-instance lock.
#include "platform/delphiinstallation.h"
#include "platform/singleinstance.h"
#include "platform/wineregistry.h"
#include "platform/writersguide.h"
#include "rowname.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QString sampleRegistry()
{
    return QStringLiteral(UF_TEST_DATA_DIR "/user.reg");
}

} // namespace

// ---- Wine registry -----------------------------------------------------------------

TEST(WineRegistry, ListsValueNamesInFileOrderWithoutRegardToKeyCase)
{
    const WineRegistry reg = WineRegistry::fromFile(sampleRegistry());
    EXPECT_EQ(reg.valueNames(kPaletteKey),
              QStringList({"Standard", "Additional", "Data Access", "Samples", "My \"Own\" Page"}));
    EXPECT_EQ(reg.valueNames(QStringLiteral("SOFTWARE\\Borland\\Delphi\\2.0\\CMPLIB32.DCL.Palette")).size(), 5);
}

TEST(WineRegistry, ReadsStringValuesWithEscapesUndone)
{
    const WineRegistry reg = WineRegistry::fromFile(sampleRegistry());
    EXPECT_EQ(reg.stringValue(kLibraryKey, QStringLiteral("componentlibrary")),
              QStringLiteral("C:\\DELPHI20\\bin\\cmplib32.dcl"));
    EXPECT_EQ(reg.stringValue(kLibraryKey, QStringLiteral("Search Path")), QStringLiteral("C:\\DELPHI20\\LIB;C:\\Mine"));
    EXPECT_FALSE(reg.stringValue(kLibraryKey, QStringLiteral("Options")).has_value()) << "a dword";
    EXPECT_FALSE(reg.stringValue(kLibraryKey, QStringLiteral("missing")).has_value());
    EXPECT_FALSE(reg.stringValue(QStringLiteral("\\software\\none"), QStringLiteral("x")).has_value());
}

TEST(WineRegistry, MissingFileIsAnEmptyRegistry)
{
    const WineRegistry reg = WineRegistry::fromFile(QStringLiteral("/nonexistent/user.reg"));
    EXPECT_TRUE(reg.valueNames(kPaletteKey).isEmpty());
}

TEST(WineRegistry, DamagedLinesAreSkipped)
{
    const WineRegistry reg = WineRegistry::fromText(QStringLiteral(
        "garbage\n\"orphan\"=\"value\"\n[Key] 1\n\"unterminated\n=\"x\"\n\"ok\"=\"yes\"\n"
        "\"hex\"=hex:01,02,\\\n  03\n"));
    EXPECT_EQ(reg.valueNames(QStringLiteral("key")), QStringList({"ok", "hex"}));
    EXPECT_EQ(reg.stringValue(QStringLiteral("key"), QStringLiteral("OK")), QStringLiteral("yes"));
}

// ---- Delphi installation -------------------------------------------------------------

struct HelpDirRow {
    const char *name;
    const char *componentLibrary;
    const char *helpDirectory;
};
UF_ROW_NAME(HelpDirRow)

class DelphiHelpDirectory : public ::testing::TestWithParam<HelpDirRow>
{
};

TEST_P(DelphiHelpDirectory, ComesFromTheComponentLibrary)
{
    EXPECT_EQ(delphiHelpDirectory(QString::fromUtf8(GetParam().componentLibrary)),
              QString::fromUtf8(GetParam().helpDirectory));
}

INSTANTIATE_TEST_SUITE_P(
    Platform, DelphiHelpDirectory,
    ::testing::Values(HelpDirRow{"Standard", "C:\\DELPHI20\\bin\\cmplib32.dcl", "C:\\DELPHI20\\help"},
                      HelpDirRow{"UpperCase", "C:\\DELPHI20\\BIN\\CMPLIB32.DCL", ""},
                      HelpDirRow{"NoBackslash", "path", ""},
                      HelpDirRow{"Empty", "", ""},
                      HelpDirRow{"LastBinCounts", "D:\\bin\\cmplib32.dcl\\x\\bin\\cmplib32.dcl", "D:\\help"},
                      HelpDirRow{"Relative", "bin\\cmplib32.dcl", "help"}), RowName());

TEST(DelphiInstallation, NothingInstalledGivesNothing)
{
    const DelphiInstallation found = readDelphiInstallation(WineRegistry());
    EXPECT_TRUE(found.palettePages.isEmpty());
    EXPECT_TRUE(found.helpDirectory.isEmpty());
}

// ---- writers' guide ----------------------------------------------------------------------

struct CommandRow {
    const char *name;
    QString directory;
    std::optional<QString> command;
};
UF_ROW_NAME(CommandRow)

class WritersGuideCommand : public ::testing::TestWithParam<CommandRow>
{
};

TEST_P(WritersGuideCommand, IsBuiltFromTheHelpDirectory)
{
    EXPECT_EQ(writersGuideCommandLine(GetParam().directory), GetParam().command);
}

INSTANTIATE_TEST_SUITE_P(
    Platform, WritersGuideCommand,
    ::testing::Values(
        CommandRow{"NoDirectory", "", QStringLiteral("winhelp.exe cwg.hlp")},
        CommandRow{"Directory", "C:\\DELPHI20\\help", QStringLiteral("winhelp.exe C:\\DELPHI20\\help\\cwg.hlp")},
        CommandRow{"TrailingBackslash", "C:\\DELPHI20\\help\\", QStringLiteral("winhelp.exe C:\\DELPHI20\\help\\cwg.hlp")},
        CommandRow{"BlankInPath", "C:\\Program Files\\Delphi\\help",
                   QStringLiteral("winhelp.exe C:\\Program Files\\Delphi\\help\\cwg.hlp")},
        // 12 + 235 + 1 + 7 = 255 characters fit; one more does not.
        CommandRow{"LongestThatFits", QString(235, u'd'), QStringLiteral("winhelp.exe ") + QString(235, u'd') + "\\cwg.hlp"},
        CommandRow{"OneTooLong", QString(236, u'd'), std::nullopt}), RowName());

TEST(WritersGuide, ReportsWhatKeptItFromStarting)
{
    EXPECT_EQ(startWritersGuide(QString(300, u'x'), [](const QString &, const QStringList &) { return true; }),
              WritersGuideStart::TooLong);
    EXPECT_EQ(startWritersGuide(QString(), [](const QString &, const QStringList &) { return false; }),
              WritersGuideStart::Failed);
    EXPECT_FALSE(writersGuideStatusText(WritersGuideStart::NoWine).isEmpty());
    EXPECT_TRUE(writersGuideStatusText(WritersGuideStart::Started).isEmpty());
}

// ---- single instance ----------------------------------------------------------------------

TEST(SingleInstance, SecondLockFailsWhileTheFirstIsHeld)
{
    QTemporaryDir dir;
    const QString lock = dir.filePath("unitforge.lock");
    SingleInstance first(lock);
    ASSERT_TRUE(first.acquire());
    SingleInstance second(lock);
    EXPECT_FALSE(second.acquire());
}

TEST(SingleInstance, LockOfADeadProcessIsTakenOver)
{
    QTemporaryDir dir;
    const QString lock = dir.filePath("unitforge.lock");
    QFile stale(lock);
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.write("2147483000\nunitforge\n\n");   // a process number nobody has
    stale.close();
    SingleInstance instance(lock);
    EXPECT_TRUE(instance.acquire());
}
