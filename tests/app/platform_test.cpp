// The small platform layers: the Wine registry, the Delphi installation read
// from it, the writers' guide command line, the single-instance lock, the
// real message box's answers.
#include "builderfixture.h"

#include "app/qtuserprompts.h"
#include "app/singleinstance.h"
#include "app/writersguide.h"
#include "editor/classpage.h"
#include "editor/delphiinstallation.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

namespace {

QString sampleRegistry()
{
    return QStringLiteral(UF_SOURCE_DIR "/tests/app/data/user.reg");
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
    const char *componentLibrary;
    const char *helpDirectory;
};

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
    ::testing::Values(HelpDirRow{"C:\\DELPHI20\\bin\\cmplib32.dcl", "C:\\DELPHI20\\help"},
                      HelpDirRow{"C:\\DELPHI20\\BIN\\CMPLIB32.DCL", ""},
                      HelpDirRow{"path", ""},
                      HelpDirRow{"", ""},
                      HelpDirRow{"D:\\bin\\cmplib32.dcl\\x\\bin\\cmplib32.dcl", "D:\\help"},
                      HelpDirRow{"bin\\cmplib32.dcl", "help"}));

TEST(DelphiInstallation, NothingInstalledGivesNothing)
{
    const DelphiInstallation found = readDelphiInstallation(WineRegistry());
    EXPECT_TRUE(found.palettePages.isEmpty());
    EXPECT_TRUE(found.helpDirectory.isEmpty());
}

class InstalledDelphi : public BuilderTest
{
protected:
    void SetUp() override
    {
        registry = WineRegistry::fromFile(sampleRegistry());
        BuilderTest::SetUp();
    }
};

TEST_F(InstalledDelphi, PalettePagesFillTheListAndLeaveTheTextEmpty)
{
    QComboBox *palpage = builder->classPage->palpage;
    ASSERT_EQ(palpage->count(), 5);
    EXPECT_EQ(palpage->itemText(0), "Standard");
    EXPECT_EQ(palpage->itemText(4), "My \"Own\" Page");
    EXPECT_EQ(palpage->currentText(), "");
    EXPECT_EQ(builder->delphiHelpDirectory(), "C:\\DELPHI20\\help");
}

TEST_F(InstalledDelphi, WritersGuideStartsThroughWine)
{
    action("DelphiComponentWritersGuide1")->trigger();
    EXPECT_EQ(started, QStringList({"wine winhelp.exe C:\\DELPHI20\\help\\cwg.hlp"}));
}

// ---- writers' guide ----------------------------------------------------------------------

struct CommandRow {
    QString directory;
    std::optional<QString> command;
};

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
        CommandRow{"", QStringLiteral("winhelp.exe cwg.hlp")},
        CommandRow{"C:\\DELPHI20\\help", QStringLiteral("winhelp.exe C:\\DELPHI20\\help\\cwg.hlp")},
        CommandRow{"C:\\DELPHI20\\help\\", QStringLiteral("winhelp.exe C:\\DELPHI20\\help\\cwg.hlp")},
        CommandRow{"C:\\Program Files\\Delphi\\help",
                   QStringLiteral("winhelp.exe C:\\Program Files\\Delphi\\help\\cwg.hlp")},
        // 12 + 235 + 1 + 7 = 255 characters fit; one more does not.
        CommandRow{QString(235, u'd'), QStringLiteral("winhelp.exe ") + QString(235, u'd') + "\\cwg.hlp"},
        CommandRow{QString(236, u'd'), std::nullopt}));

TEST(WritersGuide, ReportsWhatKeptItFromStarting)
{
    EXPECT_EQ(startWritersGuide(QString(300, u'x'), [](const QString &, const QStringList &) { return true; }),
              WritersGuideStart::TooLong);
    EXPECT_EQ(startWritersGuide(QString(), [](const QString &, const QStringList &) { return false; }),
              WritersGuideStart::Failed);
    EXPECT_FALSE(writersGuideStatusText(WritersGuideStart::NoWine).isEmpty());
    EXPECT_TRUE(writersGuideStatusText(WritersGuideStart::Started).isEmpty());
}

using WritersGuideInWindow = BuilderTest;

TEST_F(WritersGuideInWindow, StatusLineSaysWhenNothingCouldStartIt)
{
    services.startProgram = [](const QString &, const QStringList &) { return false; };
    createBuilder();
    action("DelphiComponentWritersGuide1")->trigger();
    EXPECT_EQ(find<QLabel>("Panel1")->text(), writersGuideStatusText(WritersGuideStart::Failed));
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

// ---- the real message box ----------------------------------------------------------------

struct EscapeRow {
    UserPrompts::Buttons buttons;
    UserPrompts::Answer answer;
};

class RealMessageBox : public ::testing::TestWithParam<EscapeRow>
{
};

TEST_P(RealMessageBox, ClosedWithoutAButtonAnswersCancel)
{
    QtUserPrompts prompts;
    QString caption;
    QTimer::singleShot(0, [&caption] {
        QWidget *box = QApplication::activeModalWidget();
        ASSERT_TRUE(box);
        caption = box->windowTitle();
        QTest::keyClick(box, Qt::Key_Escape);
    });
    EXPECT_EQ(prompts.message(UserPrompts::Kind::Confirm, QStringLiteral("Go on ?"), GetParam().buttons),
              GetParam().answer);
    EXPECT_EQ(caption, "Confirm");
}

INSTANTIATE_TEST_SUITE_P(Platform, RealMessageBox,
                         ::testing::Values(EscapeRow{UserPrompts::Buttons::YesNo, UserPrompts::Answer::Cancel},
                                           EscapeRow{UserPrompts::Buttons::YesNoCancel, UserPrompts::Answer::Cancel},
                                           EscapeRow{UserPrompts::Buttons::Ok, UserPrompts::Answer::Ok}));

TEST(RealMessageBoxButtons, YesNoShowsOnlyYesAndNo)
{
    QtUserPrompts prompts;
    QStringList visible;
    QTimer::singleShot(0, [&visible] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        ASSERT_TRUE(box);
        for (QAbstractButton *b : box->buttons()) {
            if (b->isVisibleTo(box))
                visible.append(b->text().remove(u'&'));
        }
        box->button(QMessageBox::No)->click();
    });
    EXPECT_EQ(prompts.message(UserPrompts::Kind::Warning, QStringLiteral("Add it ?"), UserPrompts::Buttons::YesNo),
              UserPrompts::Answer::No);
    visible.sort();
    EXPECT_EQ(visible, QStringList({"No", "Yes"}));
}
