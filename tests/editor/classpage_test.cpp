// The Class page: the header fields kept in step with the document, the
// ancestor's members following the user's choice, and Select Path putting a
// directory into the unit name.
#include "editor/classpage.h"

#include "editor/selectpathdialog.h"
#include "awk/awk.h"
#include "model/specdocument.h"
#include "specfile/specfile.h"
#include "rowname.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
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

    // Types over the ancestor text as the user does.
    void typeAncestor(const QString &text)
    {
        page.ancestorbox->lineEdit()->selectAll();
        QTest::keyClicks(page.ancestorbox->lineEdit(), text);
    }

    SpecDocument document;
    const ComponentSpec &spec = document.spec();
    TPathForm pathForm;
    ClassPage page{document, pathForm};
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
    const char *name;
    const char *ancestor;
    QStringList properties;
    QStringList events;
};
UF_ROW_NAME(MembersRow)

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
    ::testing::Values(MembersRow{"TTimer", "TTimer", {"Enabled", "Interval", "Name", "Tag"}, {"OnTimer"}},
                      MembersRow{"TComponent", "TComponent", {"Name", "Tag"}, {}},
                      MembersRow{"TBrush", "TBrush", {"Color", "Style"}, {}},
                      MembersRow{"TIniFile", "TIniFile", {}, {}},
                      MembersRow{"TBlobStream", "TBlobStream", {}, {}},
                      MembersRow{"TStringList", "TStringList", {}, {}}), RowName());

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

struct TypedAncestorRow {
    const char *name;
    const char *typed;
    int selected;              // the list entry marked selected; -1 none
    QStringList properties;
};
UF_ROW_NAME(TypedAncestorRow)

class TypedAncestor : public ClassPageTest, public ::testing::WithParamInterface<TypedAncestorRow>
{
};

// Typing over a chosen ancestor must not leave the old entry's members behind.
TEST_P(TypedAncestor, SelectsTheEntryEqualToTheTextWithoutRegardToCase)
{
    choose(QStringLiteral("TControl"));
    typeAncestor(QString::fromLatin1(GetParam().typed));
    EXPECT_EQ(page.ancestorbox->currentIndex(), GetParam().selected);
    EXPECT_EQ(page.ancestorbox->currentText(), QString::fromLatin1(GetParam().typed)) << "kept as typed";
    EXPECT_EQ(spec.Ancestor, QString::fromLatin1(GetParam().typed));
    EXPECT_EQ(spec.StandardProperties, GetParam().properties);
}

INSTANTIATE_TEST_SUITE_P(
    ClassPage, TypedAncestor,
    ::testing::Values(TypedAncestorRow{"TBrush", "TBrush", 8, {"Color", "Style"}},
                      TypedAncestorRow{"tbrush", "tbrush", 8, {"Color", "Style"}},
                      TypedAncestorRow{"TMyBase", "TMyBase", -1, {}},
                      TypedAncestorRow{"TBrus", "TBrus", -1, {}}), RowName());

TEST_F(ClassPageTest, SelectionsByTheProgramRefillNothing)
{
    page.ancestorbox->setCurrentIndex(page.ancestorbox->findText("TTimer"));
    EXPECT_TRUE(spec.StandardProperties.isEmpty());
    EXPECT_EQ(spec.Ancestor, "TTimer");
}

TEST_F(ClassPageTest, FieldsGoIntoTheDocumentAsTheyAreTyped)
{
    QTest::keyClicks(page.clname, QStringLiteral("TDial"));
    EXPECT_EQ(spec.Classname, "TDial");
    page.unitname->setText(QStringLiteral("C:\\Work\\dial.pas"));
    EXPECT_EQ(spec.Filename, "C:\\Work\\dial.pas");
    QTest::keyClicks(page.palpage->lineEdit(), QStringLiteral("Samples"));
    EXPECT_EQ(spec.Palettepage, "Samples");
    EXPECT_TRUE(document.isModified());
}

struct OpenedAncestorRow {
    const char *name;
    const char *stored;
    const char *shown;
    int selected;
    bool hasMembers;
};
UF_ROW_NAME(OpenedAncestorRow)

class OpenedAncestor : public ClassPageTest, public ::testing::WithParamInterface<OpenedAncestorRow>
{
};

// A custom ancestor read from a file is shown as it is, or the next Build and
// Save would put another class into the unit and the file.
TEST_P(OpenedAncestor, IsShownAsTheDocumentHoldsIt)
{
    QTemporaryDir temp;
    const QString path = temp.filePath(QStringLiteral("a.spc"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray("[Component]\r\nClassname=TDial\r\nFilename=dial.pas\r\nAncestor=")
               + GetParam().stored + "\r\n");
    file.close();
    choose(QStringLiteral("TTimer"));
    TAwk awk;
    document.open(specificationFiles(), path, awk);
    EXPECT_EQ(page.ancestorbox->currentText(), QString::fromLatin1(GetParam().shown));
    EXPECT_EQ(page.ancestorbox->currentIndex(), GetParam().selected);
    EXPECT_EQ(!spec.StandardProperties.isEmpty(), GetParam().hasMembers);
    EXPECT_EQ(page.clname->text(), "TDial");
    EXPECT_EQ(page.unitname->text(), "dial.pas");
    EXPECT_FALSE(document.isModified());
}

INSTANTIATE_TEST_SUITE_P(
    ClassPage, OpenedAncestor,
    ::testing::Values(OpenedAncestorRow{"TCustomControl", "tcustomcontrol", "TCustomControl", 24, true},
                      OpenedAncestorRow{"TMyBase", "TMyBase", "TMyBase", -1, false}), RowName());

// ---- Select Path --------------------------------------------------------------------

struct SelectPathRow {
    const char *name;
    const char *before;      // the unit name before
    const char *directory;   // relative to a temporary folder; "/" for the root
    int result;
    const char *unitName;    // expected; "%1" is the temporary folder
};
UF_ROW_NAME(SelectPathRow)

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
    page.unitname->setText(QString::fromLatin1(row.before));
    page.setPathDialogRunner([&](TPathForm &form) {
        form.setDirectory(chosen);
        return row.result;
    });
    page.Button9Click();
    EXPECT_EQ(page.unitname->text(), QString::fromLatin1(row.unitName).replace("%1", temp.path()));
    EXPECT_EQ(page.focusWidget(), page.unitname);
}

// The folder part is replaced and the file name kept, or the unit would have no name.
INSTANTIATE_TEST_SUITE_P(
    ClassPage, SelectPath,
    ::testing::Values(
        SelectPathRow{"KeepsTheFileName", "unit1.pas", "Units", QDialog::Accepted, "%1/Units/unit1.pas"},
        SelectPathRow{"ReplacesAWindowsFolder", "C:\\Work\\dial.pas", "Units", QDialog::Accepted,
                      "%1/Units/dial.pas"},
        SelectPathRow{"NoFileNameGivesUnit1", "/tmp/", "/", QDialog::Accepted, "/unit1.pas"},
        SelectPathRow{"CancelChangesNothing", "unit1.pas", "Units", QDialog::Rejected, "unit1.pas"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(ClassPageTest, SelectPathStartsInTheUnitNamesFolder)
{
    QTemporaryDir temp;
    ASSERT_TRUE(QDir(temp.path()).mkpath("Units"));
    page.unitname->setText(temp.filePath("Units/dial.pas"));
    QString startedIn;
    page.setPathDialogRunner([&](TPathForm &form) {
        startedIn = form.directory();
        return int(QDialog::Rejected);
    });
    page.Button9Click();
    EXPECT_EQ(startedIn, QDir::cleanPath(temp.filePath("Units")));
}
