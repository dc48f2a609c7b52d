// SPDX-License-Identifier: MIT
// Build > Test Drive in the window, against a stand-in for fpc: when it is
// offered, what the status line and the busy bar say, and compile errors
// shown at the unit's lines.
#include "builderfixture.h"

#include "app/findingslist.h"
#include "app/outputpage.h"
#include "app/stylepage.h"
#include "app/testdrivecommand.h"
#include "editor/classpage.h"
#include "testdrive/faketoolchain.h"
#include "testdrive/testdrive.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QTextBlock>
#include <QToolButton>

using namespace Qt::StringLiterals;

class TestDriveInWindow : public BuilderTest
{
protected:
    void SetUp() override
    {
        BuilderTest::SetUp();
        ASSERT_TRUE(m_tools.isValid());
        ASSERT_NE(command(), nullptr);
        drive().setLocations(makeFakeToolchain(m_tools.path()));
        drive().setCacheFolder(m_tools.filePath(u"cache"_s));
        builder->classPage->clname->setText(u"TGauge"_s);
    }

    TestDriveCommand *command() { return builder->findChild<TestDriveCommand *>(u"testDriveCommand"_s); }
    TestDrive &drive() { return command()->drive(); }
    QString status() { return find<QLabel>("Panel1")->text(); }
    QWidget *busyBar() { return builder->findChild<QWidget *>(u"testDriveProgress"_s); }
    QPlainTextEdit *memo() { return builder->outputPage()->Memo1; }

    void setTarget(const QString &target)
    {
        builder->stylePage()->findChild<QComboBox *>(u"targetcombo"_s)->setCurrentText(target);
    }

    // Built, then a line the compiler rejects written into Register's body;
    // returns that line's number in the Output text (1-based).
    int buildWithBrokenLine()
    {
        builder->btnBuildClick();
        QStringList lines = builder->outputPage()->lines();
        const qsizetype at = lines.indexOf(QRegularExpression(u"\\s*RegisterComponents.*"_s));
        EXPECT_GE(at, 0);
        lines.insert(at + 1, u"  BROKEN;"_s);
        memo()->setPlainText(lines.join(u'\n'));
        return int(at) + 2;
    }

    void activateFirstFinding()
    {
        FindingsList *list = builder->outputPage()->findingsList;
        ASSERT_GT(list->topLevelItemCount(), 0);
        list->setFocus();
        list->setCurrentItem(list->topLevelItem(0));
        QTest::keyClick(list, Qt::Key_Return);
    }

    QTemporaryDir m_tools;
};

TEST_F(TestDriveInWindow, OfferedOnlyForAComponentWithTheReasonInItsTip)
{
    QAction *item = action("TestDrive1");
    EXPECT_EQ(item->shortcut(), QKeySequence(Qt::Key_F9));
    builder->document().setAncestor(u"TStringList"_s);
    EXPECT_FALSE(item->isEnabled());
    EXPECT_EQ(item->statusTip(), u"TStringList is no component: there is nothing to put on a form"_s);
    builder->document().setAncestor(u"TPanel"_s);
    EXPECT_TRUE(item->isEnabled());
    EXPECT_FALSE(item->statusTip().contains(u"no component"_s));
}

TEST_F(TestDriveInWindow, StatusLineGivesTheStepTimesOnceTheWindowShows)
{
    QSignalSpy shown(&drive(), &TestDrive::windowShown);
    action("TestDrive1")->trigger();
    EXPECT_TRUE(busyBar()->isVisible());
    ASSERT_TRUE(shown.wait(10000));
    EXPECT_FALSE(busyBar()->isVisible());
    EXPECT_TRUE(status().startsWith(u"Test Drive of TGauge shows after "_s)) << status().toStdString();
    EXPECT_TRUE(status().contains(u": written "_s)) << status().toStdString();
    EXPECT_TRUE(status().contains(u", window "_s)) << status().toStdString();
    // The Output text is Build's alone.
    EXPECT_TRUE(memo()->toPlainText().isEmpty());
}

TEST_F(TestDriveInWindow, CancelStopsTheCompile)
{
    action("TestDrive1")->trigger();
    ASSERT_TRUE(drive().isCompiling());
    QTest::mouseClick(builder->findChild<QToolButton *>(u"CancelTestDrive"_s), Qt::LeftButton);
    EXPECT_FALSE(drive().isCompiling());
    EXPECT_FALSE(busyBar()->isVisible());
    EXPECT_EQ(status(), u"Test Drive cancelled"_s);
}

TEST_F(TestDriveInWindow, CompileErrorGoesToItsLineOfTheUnitBuiltForLazarus)
{
    setTarget(u"Lazarus"_s);
    const int broken = buildWithBrokenLine();
    QSignalSpy failed(&drive(), &TestDrive::failed);
    action("TestDrive1")->trigger();
    ASSERT_TRUE(failed.wait(10000));

    FindingsList *list = builder->outputPage()->findingsList;
    ASSERT_EQ(list->topLevelItemCount(), 1);
    EXPECT_EQ(list->topLevelItem(0)->text(FindingsList::EntryColumn),
              u"unit1.pas line "_s + QString::number(broken));
    EXPECT_EQ(list->topLevelItem(0)->text(FindingsList::MessageColumn), u"Identifier not found \"BROKEN\""_s);
    EXPECT_TRUE(status().startsWith(u"unit1.pas did not compile: Identifier not found \"BROKEN\""_s));
    memo()->moveCursor(QTextCursor::Start);

    activateFirstFinding();
    EXPECT_EQ(builder->PageControl1->currentIndex(), TBuilder::OutputPageIndex);
    EXPECT_EQ(memo()->textCursor().blockNumber(), broken - 1);
    EXPECT_EQ(memo()->textCursor().selectedText(), u"  BROKEN;"_s);
}

TEST_F(TestDriveInWindow, CompileErrorOfAUnitTheOutputPageDoesNotShowIsSaid)
{
    setTarget(u"Delphi 2.0"_s);
    buildWithBrokenLine();
    QSignalSpy failed(&drive(), &TestDrive::failed);
    action("TestDrive1")->trigger();
    ASSERT_TRUE(failed.wait(10000));
    memo()->moveCursor(QTextCursor::Start);

    activateFirstFinding();
    EXPECT_TRUE(status().contains(u"a line of the unit built for Lazarus, which the Output page does not show"_s))
        << status().toStdString();
    EXPECT_EQ(memo()->textCursor().blockNumber(), 0);
}
