// SPDX-License-Identifier: MIT
// The "Select Path" dialog: browsing folders and keeping its place.
#include "editor/selectpathdialog.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>

#include <gtest/gtest.h>

class PathFormTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(temp.isValid());
        ASSERT_TRUE(QDir(temp.path()).mkpath("beta/inner"));
        ASSERT_TRUE(QDir(temp.path()).mkpath("Alpha"));
        form.setDirectory(temp.path());
    }
    QListWidgetItem *item(const QString &text)
    {
        for (int i = 0; i < form.DirectoryListBox1->count(); ++i) {
            if (form.DirectoryListBox1->item(i)->text().trimmed() == text)
                return form.DirectoryListBox1->item(i);
        }
        return nullptr;
    }
    QTemporaryDir temp;
    TPathForm form;
};

TEST_F(PathFormTest, ShowsTheDirectoryAndItsSubfoldersSortedWithoutCase)
{
    EXPECT_EQ(form.windowTitle(), "Select Path");
    EXPECT_EQ(form.Label1->text(), QDir::cleanPath(temp.path()));
    const int n = form.DirectoryListBox1->count();
    ASSERT_GE(n, 3);
    EXPECT_EQ(form.DirectoryListBox1->item(n - 2)->text().trimmed(), "Alpha");
    EXPECT_EQ(form.DirectoryListBox1->item(n - 1)->text().trimmed(), "beta");
    EXPECT_EQ(form.DirectoryListBox1->item(0)->text(), "/");
}

TEST_F(PathFormTest, OpeningAFolderMovesIntoIt)
{
    QListWidgetItem *beta = item("beta");
    ASSERT_TRUE(beta);
    emit form.DirectoryListBox1->itemActivated(beta);
    EXPECT_EQ(form.directory(), QDir::cleanPath(temp.filePath("beta")));
    EXPECT_EQ(form.Label1->text(), form.directory());
    ASSERT_TRUE(item("inner"));
}

TEST_F(PathFormTest, KeepsItsPlaceBetweenUses)
{
    form.setDirectory(temp.filePath("Alpha"));
    form.OKBtn->click();
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_EQ(form.directory(), QDir::cleanPath(temp.filePath("Alpha")));
    form.CancelBtn->click();
    EXPECT_EQ(form.result(), QDialog::Rejected);
    EXPECT_EQ(form.directory(), QDir::cleanPath(temp.filePath("Alpha")));
}

TEST_F(PathFormTest, IgnoresADirectoryThatDoesNotExist)
{
    form.setDirectory(temp.filePath("nowhere"));
    EXPECT_EQ(form.directory(), QDir::cleanPath(temp.path()));
}

TEST_F(PathFormTest, DriveSelectorListsVolumesAndShowsTheCurrentOne)
{
    ASSERT_GE(form.DriveComboBox1->count(), 1);
    EXPECT_GE(form.DriveComboBox1->currentIndex(), 0);
    EXPECT_TRUE(form.directory().startsWith(form.DriveComboBox1->currentText()));
}

TEST(PathForm, OpensCentredOnTheScreenNotOverItsOwner)
{
    QWidget owner;
    owner.setGeometry(0, 0, 200, 150);
    owner.show();
    TPathForm form(&owner);
    form.show();
    const QRect screen = form.screen()->availableGeometry();
    EXPECT_LE((form.geometry().center() - screen.center()).manhattanLength(), 8);
}

// A folder made while the program runs must be offered the next time.
TEST_F(PathFormTest, ReadsTheFoldersAgainAtEveryShowing)
{
    form.show();
    form.hide();
    ASSERT_TRUE(QDir(temp.path()).mkpath("gamma"));
    EXPECT_EQ(item("gamma"), nullptr) << "not read while hidden";
    form.show();
    EXPECT_NE(item("gamma"), nullptr);
    form.hide();
}
