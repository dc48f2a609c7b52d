// The platform layers as the window uses them: the Delphi installation's
// palette pages, the writers' guide command, the real message box's answers.
#include "builderfixture.h"

#include "app/helpwindow.h"
#include "app/outputprinter.h"
#include "app/qtuserprompts.h"
#include "platform/singleinstance.h"
#include "platform/writersguide.h"
#include "editor/classpage.h"
#include "platform/delphiinstallation.h"
#include "rowname.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QPushButton>
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
    return QStringLiteral(UF_TEST_DATA_DIR "/user.reg");
}

} // namespace

// ---- Delphi installation in the window ---------------------------------------------

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

using WritersGuideInWindow = BuilderTest;

TEST_F(WritersGuideInWindow, StatusLineSaysWhenNothingCouldStartIt)
{
    services.startProgram = [](const QString &, const QStringList &) { return false; };
    createBuilder();
    action("DelphiComponentWritersGuide1")->trigger();
    EXPECT_EQ(find<QLabel>("Panel1")->text(), writersGuideStatusText(WritersGuideStart::Failed));
}

// ---- the real message box ----------------------------------------------------------------

struct EscapeRow {
    const char *name;
    UserPrompts::Buttons buttons;
    UserPrompts::Answer answer;
};
UF_ROW_NAME(EscapeRow)

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
                         ::testing::Values(EscapeRow{"YesNo", UserPrompts::Buttons::YesNo, UserPrompts::Answer::Cancel},
                                           EscapeRow{"YesNoCancel", UserPrompts::Buttons::YesNoCancel, UserPrompts::Answer::Cancel},
                                           EscapeRow{"Ok", UserPrompts::Buttons::Ok, UserPrompts::Answer::Ok}), RowName());

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

// A short text makes a narrow box: the caption must still fit its title bar
// beside the icon and the buttons there.
TEST(RealMessageBoxCaption, FitsBesideTheTitleBarButtons)
{
    QFont titleFont = QApplication::font("QMdiSubWindowTitleBar");
    titleFont.setBold(true);
    for (const auto kind : {UserPrompts::Kind::Information, UserPrompts::Kind::Confirm}) {
        auto box = QtUserPrompts::makeMessageBox(kind, QStringLiteral("Not found"),
                                                 UserPrompts::Buttons::Ok, nullptr);
        box->show();
        const int caption = QFontMetrics(titleFont).horizontalAdvance(box->windowTitle());
        EXPECT_GE(box->width(), caption + 4 * 32) << box->windowTitle().toStdString();
        EXPECT_GE(box->width(), QtUserPrompts::captionWidth(box->windowTitle()));
        box->hide();
    }
}

// Escape closes the help window, from whichever of its controls has the focus.
TEST(HelpWindowKeys, EscapeClosesIt)
{
    HelpWindow help;
    for (const char *focus : {"HelpBrowser", "HelpContents"}) {
        help.showContents();
        ASSERT_TRUE(help.isVisible());
        auto *control = help.findChild<QWidget *>(QLatin1String(focus));
        ASSERT_TRUE(control) << focus;
        QTest::keyClick(control, Qt::Key_Escape);
        EXPECT_FALSE(help.isVisible()) << focus;
    }
}

// Printer Setup only chooses a printer: its button must not say "Print".
TEST(RealPrinterSetup, ConfirmsWithOk)
{
    ScriptedPrompts prompts;
    OutputPrinter printer(prompts);
    QString confirm;
    QTimer::singleShot(0, [&confirm] {
        QWidget *dialog = QApplication::activeModalWidget();
        ASSERT_TRUE(dialog);
        if (auto *buttons = dialog->findChild<QDialogButtonBox *>())
            confirm = buttons->button(QDialogButtonBox::Ok)->text();
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    printer.setup(nullptr);
    EXPECT_EQ(confirm, "OK");
}
