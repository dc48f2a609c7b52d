// The Class page: the ancestor's members following the user's choice, and
// Select Path putting a directory into the unit name.
#include "editor/classpage.h"

#include "editor/selectpathdialog.h"
#include "model/componentspec.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

class ClassPageTest : public ::testing::Test
{
protected:
    // Chooses an entry as the user does: through the list, which fires the change.
    void choose(const QString &name)
    {
        const int index = page.ancestorbox->findText(name);
        ASSERT_GE(index, 0) << name.toStdString();
        page.ancestorbox->setCurrentIndex(index);
        emit page.ancestorbox->activated(index);
    }

    ComponentSpec spec;
    TPathForm pathForm;
    ClassPage page{spec, pathForm};
};

TEST_F(ClassPageTest, StartsOnTComponentWithTheSortedList)
{
    EXPECT_EQ(page.ancestorbox->count(), 118);
    EXPECT_EQ(page.ancestorbox->currentText(), "TComponent");
    EXPECT_EQ(page.ancestorbox->itemText(0), "TBatchMove");
    EXPECT_EQ(page.ancestorbox->itemText(117), "TWordField");
    EXPECT_TRUE(spec.StandardProperties.isEmpty()) << "filled when the window is shown";
}

struct MembersRow {
    const char *ancestor;
    QStringList properties;
    QStringList events;
};

class AncestorMembers : public ClassPageTest, public ::testing::WithParamInterface<MembersRow>
{
};

TEST_P(AncestorMembers, FollowTheChosenAncestor)
{
    choose(QString::fromLatin1(GetParam().ancestor));
    EXPECT_EQ(spec.StandardProperties, GetParam().properties);
    EXPECT_EQ(spec.StandardEvents, GetParam().events);
}

INSTANTIATE_TEST_SUITE_P(
    ClassPage, AncestorMembers,
    ::testing::Values(MembersRow{"TTimer", {"Enabled", "Interval", "Name", "Tag"}, {"OnTimer"}},
                      MembersRow{"TComponent", {"Name", "Tag"}, {}},
                      MembersRow{"TBrush", {"Color", "Style"}, {}},
                      MembersRow{"TIniFile", {}, {}},
                      MembersRow{"TBlobStream", {}, {}},
                      MembersRow{"TStringList", {}, {}}),
    [](const auto &info) { return std::string(info.param.ancestor); });

TEST_F(ClassPageTest, QueryEventsIncludeTheDatabaseEvents)
{
    choose(QStringLiteral("TQuery"));
    EXPECT_TRUE(spec.StandardEvents.contains("BeforeOpen"));
    EXPECT_TRUE(spec.StandardEvents.contains("AfterPost"));
    EXPECT_FALSE(spec.StandardProperties.contains("BeforeOpen"));
    EXPECT_TRUE(spec.StandardProperties.contains("SQL"));
}

TEST_F(ClassPageTest, ChoosingTComponentAgainRestoresItsMembers)
{
    choose(QStringLiteral("TTimer"));
    choose(QStringLiteral("TComponent"));
    EXPECT_EQ(spec.StandardProperties, QStringList({"Name", "Tag"}));
    EXPECT_TRUE(spec.StandardEvents.isEmpty());
}

TEST_F(ClassPageTest, TypingRefillsFromTheSelectedEntryNotTheText)
{
    choose(QStringLiteral("TTimer"));
    QSignalSpy changed(&page, &ClassPage::ancestorMembersChanged);
    page.ancestorbox->lineEdit()->selectAll();
    QTest::keyClicks(page.ancestorbox->lineEdit(), QStringLiteral("TBrush"));
    EXPECT_EQ(changed.count(), 6) << "every edit of the typed text refills";
    EXPECT_EQ(page.ancestorbox->currentText(), "TBrush");
    EXPECT_EQ(spec.StandardEvents, QStringList({"OnTimer"}));
}

TEST_F(ClassPageTest, SelectionsByTheProgramFireNothing)
{
    QSignalSpy changed(&page, &ClassPage::ancestorMembersChanged);
    page.ancestorbox->setCurrentIndex(page.ancestorbox->findText("TTimer"));
    EXPECT_EQ(changed.count(), 0);
    EXPECT_TRUE(spec.StandardProperties.isEmpty());
}

TEST_F(ClassPageTest, SelectAncestorMatchesWithoutRegardToCase)
{
    EXPECT_TRUE(page.selectAncestor(QStringLiteral("tcustomcontrol")));
    EXPECT_EQ(page.ancestorbox->currentText(), "TCustomControl");
    EXPECT_TRUE(spec.StandardProperties.contains("HelpContext"));
    EXPECT_FALSE(page.selectAncestor(QStringLiteral("TNoSuchClass")));
    EXPECT_EQ(page.ancestorbox->currentText(), "TCustomControl");
}

TEST_F(ClassPageTest, StoresTheFieldsAsShown)
{
    page.unitname->setText(QStringLiteral("C:\\Work\\dial.pas"));
    page.clname->setText(QStringLiteral("TDial"));
    page.ancestorbox->setEditText(QStringLiteral("TMyControl"));
    page.palpage->setEditText(QStringLiteral("Samples"));
    page.storeHeaderFields();
    EXPECT_EQ(spec.Filename, "C:\\Work\\dial.pas");
    EXPECT_EQ(spec.Classname, "TDial");
    EXPECT_EQ(spec.Ancestor, "TMyControl");
    EXPECT_EQ(spec.Palettepage, "Samples");
}

// ---- Select Path --------------------------------------------------------------------

struct SelectPathRow {
    const char *directory;   // relative to a temporary folder; "/" for the root
    int result;
    const char *unitName;    // expected; "%1" is the temporary folder
};

class SelectPath : public ClassPageTest, public ::testing::WithParamInterface<SelectPathRow>
{
};

TEST_P(SelectPath, PutsTheDirectoryIntoTheUnitNameAndFocusesIt)
{
    QTemporaryDir temp;
    ASSERT_TRUE(QDir(temp.path()).mkpath("Units"));
    const SelectPathRow row = GetParam();
    const QString chosen = QLatin1String(row.directory) == "/" ? QStringLiteral("/")
                                                                : temp.filePath(QLatin1String(row.directory));
    page.unitname->setText(QStringLiteral("unit1.pas"));
    page.setPathDialogRunner([&](TPathForm &form) {
        form.setDirectory(chosen);
        return row.result;
    });
    page.Button9Click();
    EXPECT_EQ(page.unitname->text(), QString::fromLatin1(row.unitName).replace("%1", temp.path()));
    EXPECT_EQ(page.focusWidget(), page.unitname);
}

INSTANTIATE_TEST_SUITE_P(ClassPage, SelectPath,
                         ::testing::Values(SelectPathRow{"Units", QDialog::Accepted, "%1/Units/"},
                                           SelectPathRow{"/", QDialog::Accepted, "/"},
                                           SelectPathRow{"Units", QDialog::Rejected, "unit1.pas"}));
