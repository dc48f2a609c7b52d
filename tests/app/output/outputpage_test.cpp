#include <gtest/gtest.h>

#include <QApplication>
#include <QBuffer>
#include <QDialog>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QTextBlock>
#include <QToolButton>

#include "app/finddialog.h"
#include "app/picklist.h"
#include "app/replacedialog.h"
#include "app/stylepage.h"
#include "cli/buildcommand.h"
#include "editor/classpage.h"
#include "outputfixture.h"

namespace {

using Answer = UserPrompts::Answer;

struct ToolButtonRow {
    const char *name;
    int left;
    const char *hint;
};

TEST_F(OutputPageTest, ToolbarButtonsSitAtTheirPositionsWithTheirHints)
{
    const ToolButtonRow rows[] = {
        {"btnPrint", 138, "Print"}, {"btnfind", 165, "Search"},
        {"btnreplace", 189, "Search and Replace"}, {"btnundo", 217, "Undo"},
        {"btnErase", 241, "Erase"}, {"btncut", 265, "Cut to Clipboard"},
        {"btnCopy", 289, "Copy to Clipboard"}, {"btnPaste", 313, "Paste from Clipboard"},
        {"btnfont", 346, "Font"}, {"btnbrush", 370, "Background color"},
        {"btnwordwrap", 404, "Wordwrap"}};
    for (const ToolButtonRow &row : rows) {
        auto *button = page->Panel3->findChild<QToolButton *>(QLatin1String(row.name));
        ASSERT_TRUE(button) << row.name;
        EXPECT_EQ(button->geometry(), QRect(row.left, 2, 25, 25)) << row.name;
        EXPECT_EQ(button->statusTip(), QLatin1String(row.hint)) << row.name;
    }
    EXPECT_EQ(page->Panel3->height(), 30);
    EXPECT_EQ(page->Panel4->height(), 19);
    EXPECT_EQ(page->fontpanel->width(), 94);
    EXPECT_EQ(page->sizepanel->width(), 34);
    for (const char *name : {"FindDialog1", "ReplaceDialog1", "fontlistbox", "sizelist"})
        EXPECT_TRUE(page->findChild<QWidget *>(QLatin1String(name))) << name;
}

// The commands follow the text at all times, not only when the pointer
// passes over it: a selection made with the keyboard enables Cut at once.
TEST_F(OutputPageTest, CommandStatesFollowTextSelectionClipboardAndUndo)
{
    for (const char *name : {"Cut1", "Copy1", "Paste1", "SelectAll1"})
        EXPECT_FALSE(action(name)->isEnabled()) << name;
    for (QWidget *button : {page->btnPrint, page->btnfind, page->btncut, page->btnundo})
        EXPECT_FALSE(button->isEnabled()) << "an empty page has nothing to print, find or cut";

    page->setLines({"unit unit1;", "end."});
    selectText(0, 4);
    EXPECT_TRUE(action("SelectAll1")->isEnabled());
    EXPECT_TRUE(action("Cut1")->isEnabled());
    EXPECT_TRUE(action("Copy1")->isEnabled());
    EXPECT_TRUE(page->btnErase->isEnabled());
    EXPECT_FALSE(action("Paste1")->isEnabled());
    EXPECT_FALSE(page->btnPaste->isEnabled());
    EXPECT_FALSE(page->btnundo->isEnabled());

    QApplication::clipboard()->setText(QStringLiteral("x"));
    page->btnErase->click();
    EXPECT_EQ(memo->toPlainText(), QStringLiteral(" unit1;\nend.\n"));
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("x"));
    EXPECT_TRUE(action("Paste1")->isEnabled());
    EXPECT_FALSE(action("Cut1")->isEnabled());
    EXPECT_TRUE(page->btnundo->isEnabled());

    builder->BitBtn3->setEnabled(true);
    page->setLines({});
    EXPECT_FALSE(action("SelectAll1")->isEnabled());
    EXPECT_FALSE(page->btnPrint->isEnabled());
    EXPECT_FALSE(page->btnfind->isEnabled());
    EXPECT_FALSE(builder->BitBtn3->isEnabled());
    page->setLines({"x"});   // "x" and a last empty line
    EXPECT_TRUE(page->btnfind->isEnabled());
    EXPECT_FALSE(builder->BitBtn3->isEnabled());   // never enabled by the refresh
}

TEST_F(OutputPageTest, ClipboardButtonsDoWhatTheirMenuItemsDo)
{
    page->setLines({"alpha beta"});
    selectText(0, 5);
    page->btncut->click();
    EXPECT_EQ(memo->toPlainText(), QStringLiteral(" beta\n"));
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("alpha"));
    EXPECT_FALSE(action("Cut1")->isEnabled()) << "nothing selected any more";
    page->btnPaste->click();
    EXPECT_EQ(memo->toPlainText(), QStringLiteral("alpha beta\n"));
    page->btnundo->click();
    EXPECT_EQ(memo->toPlainText(), QStringLiteral(" beta\n"));
    action("Paste1")->setEnabled(false);
    page->btnPaste->click();
    EXPECT_EQ(memo->toPlainText(), QStringLiteral(" beta\n")) << "a disabled item does nothing";
}

TEST_F(OutputPageTest, FindNextSelectsTheMatchAndReportsNotFound)
{
    page->setLines({"begin", "  Count := FCount;", "end."});
    page->btnfind->click();
    EXPECT_TRUE(page->FindDialog1->isVisible());
    page->FindDialog1->findChild<QLineEdit *>("findedit")->setText(QStringLiteral("COUNT"));
    auto *findNext = page->FindDialog1->findChild<QPushButton *>("findnextbutton");
    findNext->click();
    EXPECT_EQ(selectionStart(), 8);
    EXPECT_EQ(selection(), QStringLiteral("Count"));
    findNext->click();
    EXPECT_EQ(selectionStart(), 18);
    prompts.answer(Answer::Ok);
    findNext->click();
    EXPECT_EQ(prompts.messageTexts(), QStringList{"Not found"});
    EXPECT_EQ(prompts.log().last().kind, UserPrompts::Kind::Information);
    EXPECT_EQ(selectionStart(), 18);   // no wrap-around, selection kept
    EXPECT_TRUE(page->FindDialog1->isVisible());

    page->FindDialog1->findChild<QRadioButton *>("upbutton")->setChecked(true);
    page->FindDialog1->findChild<QCheckBox *>("wholeword")->setChecked(true);
    findNext->click();
    EXPECT_EQ(selectionStart(), 8);
}

// Otherwise a further Enter, meant for Find Next, replaces the selected text.
TEST_F(OutputPageTest, NotFoundHandsTheFocusBackToTheSearchingDialog)
{
    builder->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(builder.get()));
    page->setLines({"alpha"});
    prompts.activateOnClose = builder.get();
    for (QDialog *dialog : {static_cast<QDialog *>(page->FindDialog1),
                            static_cast<QDialog *>(page->ReplaceDialog1)}) {
        dialog->show();
        dialog->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
        dialog->findChild<QLineEdit *>("findedit")->setText(QStringLiteral("beta"));
        prompts.answer(Answer::Ok);
        dialog->findChild<QPushButton *>("findnextbutton")->click();
        QApplication::processEvents();
        EXPECT_EQ(QApplication::activeWindow(), dialog) << dialog->objectName().toStdString();
        dialog->close();
    }
    EXPECT_EQ(prompts.messageTexts(), (QStringList{"Not found", "Not found"}));
    EXPECT_EQ(memo->toPlainText(), QStringLiteral("alpha\n"));
}

// Find Next selects an occurrence; Replace must replace that one, not the next.
TEST_F(OutputPageTest, ReplaceReplacesTheSelectedOccurrenceAndSelectsTheNext)
{
    page->setLines({"Count Count Count"});
    selectText(0, 5);
    page->btnreplace->click();
    page->ReplaceDialog1->findChild<QLineEdit *>("findedit")->setText(QStringLiteral("count"));
    page->ReplaceDialog1->findChild<QLineEdit *>("replaceedit")->setText(QStringLiteral("N"));
    page->ReplaceDialog1->findChild<QPushButton *>("replacebutton")->click();
    EXPECT_EQ(memo->toPlainText(), QStringLiteral("N Count Count\n"));
    EXPECT_EQ(selectionStart(), 2);
    EXPECT_EQ(selection(), QStringLiteral("Count"));

    selectText(0, 1);   // "N" is no occurrence: the next match is replaced
    page->ReplaceDialog1->findChild<QPushButton *>("replacebutton")->click();
    EXPECT_EQ(memo->toPlainText(), QStringLiteral("N N Count\n"));
    EXPECT_EQ(memo->textCursor().position(), 3);
    EXPECT_FALSE(memo->textCursor().hasSelection());

    page->ReplaceDialog1->findChild<QPushButton *>("findnextbutton")->click();
    EXPECT_EQ(selectionStart(), 4);
    EXPECT_TRUE(page->ReplaceDialog1->isVisible());
}

// Reopened, the dialogs must not keep the focus on the last button used, or
// typing goes nowhere and Enter presses it.
TEST_F(OutputPageTest, SearchDialogsOpenWithTheFindTextFocusedAndSelected)
{
    page->setLines({"Count"});
    for (QDialog *dialog : {static_cast<QDialog *>(page->FindDialog1),
                            static_cast<QDialog *>(page->ReplaceDialog1)}) {
        auto *edit = dialog->findChild<QLineEdit *>("findedit");
        edit->setText(QStringLiteral("Count"));
        dialog->findChild<QPushButton *>("findnextbutton")->setFocus();
        dialog->close();
        if (dialog == page->FindDialog1)
            page->btnfind->click();
        else
            page->btnreplace->click();
        EXPECT_EQ(dialog->focusWidget(), edit);
        EXPECT_EQ(edit->selectedText(), QStringLiteral("Count"));
        dialog->close();
    }
}

// Enter is Find Next in both dialogs, whichever button has the focus, as when
// it was just used or reached with Tab: never Replace, Replace All or Cancel.
TEST_F(OutputPageTest, EnterInASearchDialogIsAlwaysFindNext)
{
    const struct {
        QToolButton *opener;
        QDialog *dialog;
        QStringList buttons;
    } dialogs[] = {
        {page->btnfind, page->FindDialog1, {"findnextbutton", "cancelbutton", "matchcase"}},
        {page->btnreplace, page->ReplaceDialog1,
         {"findnextbutton", "replacebutton", "replaceallbutton", "cancelbutton", "wholeword"}},
    };
    for (const auto &[opener, dialog, buttons] : dialogs) {
        for (const QString &name : buttons) {
            const std::string where = dialog->objectName().toStdString() + " " + name.toStdString();
            page->setLines({"Count Count"});
            selectText(0, 0);
            opener->click();
            dialog->findChild<QLineEdit *>("findedit")->setText(QStringLiteral("Count"));
            if (auto *replace = dialog->findChild<QLineEdit *>("replaceedit"))
                replace->setText(QStringLiteral("N"));
            auto *button = dialog->findChild<QAbstractButton *>(name);
            ASSERT_TRUE(button) << where;
            button->setFocus(Qt::TabFocusReason);
            QTest::keyClick(button, Qt::Key_Return);
            EXPECT_EQ(memo->toPlainText(), QStringLiteral("Count Count\n")) << where;
            EXPECT_EQ(selectionStart(), 0) << where;
            EXPECT_EQ(selection(), QStringLiteral("Count")) << where;
            EXPECT_TRUE(dialog->isVisible()) << where;
            EXPECT_FALSE(button->isChecked()) << where;
            dialog->close();
        }
    }
}

TEST_F(OutputPageTest, ReplaceAllEndsAfterOnePassAndClosesTheDialog)
{
    page->setLines({"Count x", "Count; Count2"});
    selectText(0, 0);
    page->btnreplace->click();
    page->ReplaceDialog1->findChild<QLineEdit *>("findedit")->setText(QStringLiteral("Count"));
    page->ReplaceDialog1->findChild<QLineEdit *>("replaceedit")->setText(QStringLiteral("FCount"));
    page->ReplaceDialog1->findChild<QPushButton *>("replaceallbutton")->click();
    EXPECT_EQ(memo->toPlainText(), QStringLiteral("FCount x\nFCount; FCount2\n"));
    EXPECT_EQ(memo->textCursor().position(), 23);
    EXPECT_FALSE(page->ReplaceDialog1->isVisible());
    page->btnundo->click();
    EXPECT_EQ(memo->toPlainText(), QStringLiteral("Count x\nCount; Count2\n"));
    EXPECT_TRUE(prompts.log().isEmpty());
}

TEST_F(OutputPageTest, FontAndColourDialogsChangeTheLook)
{
    QFont chosen(QStringLiteral("DejaVu Sans"));
    chosen.setPointSize(14);
    prompts.font(chosen);
    moveMouseOverText();
    page->btnfont->click();
    EXPECT_EQ(memo->font().family(), QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(page->fontpanel->text(), QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(page->sizepanel->text(), QStringLiteral("14"));

    prompts.color(QColor(Qt::yellow));
    page->btnbrush->click();
    EXPECT_EQ(page->backgroundColor(), QColor(Qt::yellow));
    EXPECT_EQ(memo->palette().color(QPalette::Base), QColor(Qt::yellow));
    prompts.color(std::nullopt);
    action("BackgroundColor1")->trigger();
    EXPECT_EQ(page->backgroundColor(), QColor(Qt::yellow));
    EXPECT_EQ(prompts.log().last().initialColor, QColor(Qt::yellow)) << "opens on the current colour";
    EXPECT_TRUE(prompts.exhausted());
}

// The font dialog has no colour: without a text colour of its own a dark
// background would leave the text unreadable.
TEST_F(OutputPageTest, TextColourAndABlackBackgroundSurviveARestart)
{
    prompts.color(QColor(Qt::black)).color(QColor(Qt::white));
    action("BackgroundColor1")->trigger();
    EXPECT_EQ(prompts.log().last().initialColor, QColor(Qt::white));
    action("FontColor1")->trigger();
    EXPECT_EQ(prompts.log().last().initialColor, QColor(Qt::black));
    EXPECT_EQ(memo->palette().color(QPalette::Text), QColor(Qt::white));
    ASSERT_TRUE(builder->close());   // writes the settings
    reopen();
    EXPECT_EQ(page->backgroundColor(), QColor(Qt::black));
    EXPECT_EQ(page->fontColor(), QColor(Qt::white));
}

TEST_F(OutputPageTest, SizeListOffersTwoToTwentyFourAndSetsThePointSize)
{
    builder->show();
    builder->showPage(TBuilder::OutputPageIndex);
    page->sizepanelClick();
    ASSERT_TRUE(page->sizelist->isVisible());
    ASSERT_EQ(page->sizelist->count(), 23);
    EXPECT_EQ(page->sizelist->item(0)->text(), QStringLiteral("2"));
    EXPECT_EQ(page->sizelist->item(22)->text(), QStringLiteral("24"));
    EXPECT_EQ(page->sizelist->geometry().bottom(), page->Panel4->geometry().top());
    EXPECT_EQ(page->sizelist->x(), 92);

    QListWidgetItem *twelve = page->sizelist->item(10);
    const QRect itemRect = page->sizelist->visualItemRect(twelve);
    QTest::mouseClick(page->sizelist->viewport(), Qt::LeftButton, {}, itemRect.center());
    EXPECT_FALSE(page->sizelist->isVisible());
    EXPECT_EQ(memo->font().pointSize(), 12);
    EXPECT_EQ(page->sizepanel->text(), QStringLiteral("12"));

    page->fontpanelClick();
    EXPECT_TRUE(page->fontlistbox->isVisible());
    EXPECT_GT(page->fontlistbox->count(), 0);
    builder->resize(builder->width() + 20, builder->height());
    QApplication::processEvents();
    EXPECT_FALSE(page->fontlistbox->isVisible());
}

TEST_F(OutputPageTest, WordwrapItemAndButtonToggleTogether)
{
    QAction *wordwrap = action("Wordwrap1");
    EXPECT_FALSE(wordwrap->isChecked());
    EXPECT_EQ(memo->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    wordwrap->trigger();
    EXPECT_EQ(memo->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    EXPECT_EQ(memo->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_TRUE(page->btnwordwrap->isChecked());
    page->btnwordwrap->click();
    EXPECT_FALSE(wordwrap->isChecked());
    EXPECT_FALSE(page->btnwordwrap->isChecked());
    EXPECT_EQ(memo->lineWrapMode(), QPlainTextEdit::NoWrap);
}

TEST_F(OutputPageTest, ChoosingAPrinterFontItemFlipsBoth)
{
    QAction *useDefault = action("UseDefault1");
    QAction *match = action("Matchfont1");
    ASSERT_TRUE(useDefault->isChecked());   // a new settings file says 0
    useDefault->trigger();
    EXPECT_FALSE(useDefault->isChecked());
    EXPECT_TRUE(match->isChecked());
    useDefault->trigger();
    EXPECT_TRUE(useDefault->isChecked());
    EXPECT_FALSE(match->isChecked());
    match->trigger();
    EXPECT_TRUE(match->isChecked());
    EXPECT_FALSE(useDefault->isChecked());
}

TEST_F(OutputPageTest, PrintWithoutPrinterOffersAPdfFile)
{
    builder->outputPrinter().setPrinterCheck([] { return false; });
    page->setLines({"unit unit1;", "end."});
    prompts.answer(Answer::No);
    action("Print1")->trigger();
    EXPECT_EQ(prompts.messageTexts(),
              QStringList{"No printer is installed. Print into a PDF file instead?"});

    const QString pdf = path("out.pdf");
    prompts.answer(Answer::Yes).saveFile(pdf);
    page->btnPrint->click();
    EXPECT_TRUE(fileBytes("out.pdf").startsWith("%PDF"));
    EXPECT_TRUE(prompts.exhausted());
}

TEST_F(OutputPageTest, PrinterSetupChoiceAppliesToLaterJobs)
{
    const QString pdf = path("setup.pdf");
    builder->outputPrinter().setPrinterCheck([] { return false; });
    builder->outputPrinter().setSetupDialog([&pdf](QPrinter &printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    });
    action("PrinterSetup1")->trigger();
    page->setLines({"unit unit1;", "end."});
    action("Print1")->trigger();
    EXPECT_TRUE(prompts.log().isEmpty());
    EXPECT_TRUE(fileBytes("setup.pdf").startsWith("%PDF"));
    EXPECT_EQ(find<QLabel>("Panel1")->text(), "Printed to " + pdf);
}

TEST_F(OutputPageTest, APrintThatFailsSaysSo)
{
    const QString pdf = path("missing/out.pdf");   // a folder that is not there
    builder->outputPrinter().setSetupDialog([&pdf](QPrinter &printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    });
    action("PrinterSetup1")->trigger();
    page->setLines({"unit unit1;", "end."});
    action("Print1")->trigger();
    EXPECT_EQ(find<QLabel>("Panel1")->text(), "Printing to " + pdf + " failed");
}

// A later job into the same file must not replace it without asking.
TEST_F(OutputPageTest, PrintingIntoAnExistingFileAsksFirst)
{
    const QString pdf = path("setup.pdf");
    {
        QFile old(pdf);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old");
    }
    builder->outputPrinter().setSetupDialog([&pdf](QPrinter &printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    });
    action("PrinterSetup1")->trigger();
    page->setLines({"unit unit1;", "end."});
    prompts.answer(Answer::No);
    action("Print1")->trigger();
    EXPECT_EQ(prompts.messageTexts(), QStringList{"Overwrite existing file " + pdf + " ?"});
    EXPECT_EQ(fileBytes("setup.pdf"), QByteArray("old"));
    prompts.answer(Answer::Yes);
    action("Print1")->trigger();
    EXPECT_TRUE(fileBytes("setup.pdf").startsWith("%PDF"));
}

TEST_F(OutputPageTest, SaveWritesTheLinesAsTypedEvenWithWordwrap)
{
    const QString longLine(5000, QLatin1Char('x'));
    page->setLines({"unit unit1;", longLine, "end."});
    action("Wordwrap1")->trigger();
    builder->classPage->unitname->setText(path("saved"));
    action("SavetoFile1")->trigger();
    EXPECT_EQ(fileBytes("saved.pas"), "unit unit1;\r\n" + longLine.toLatin1() + "\r\nend.\r\n\r\n");
    EXPECT_TRUE(prompts.log().isEmpty());

    builder->classPage->unitname->clear();
    builder->SavetoFile1->trigger();
    EXPECT_EQ(builder->classPage->unitname->text(), QStringLiteral("unit1.pas"));
    EXPECT_TRUE(QFile::exists(path("unit1.pas")));
}

// A character Windows-1252 cannot hold must not turn into "?" on the way to the file.
TEST_F(OutputPageTest, SaveWritesUtf8WhenACharacterIsOutsideWindows1252)
{
    memo->insertPlainText(QStringLiteral("// \u2192 \u00e9"));
    builder->classPage->unitname->setText(path("arrow"));
    action("SavetoFile1")->trigger();
    EXPECT_EQ(fileBytes("arrow.pas"), QByteArray("// \xe2\x86\x92 \xc3\xa9\r\n"));
}

TEST_F(OutputPageTest, SaveAndSearchKeepNoBreakSpaces)
{
    const QString line = QStringLiteral("  Caption := 'a\u00a0b';");
    page->setLines({line});
    builder->classPage->unitname->setText(path("nbsp"));
    action("SavetoFile1")->trigger();
    EXPECT_EQ(fileBytes("nbsp.pas"), QByteArray("  Caption := 'a\xa0" "b';\r\n\r\n"));

    page->FindDialog1->setFindText(QStringLiteral("a\u00a0b"));
    page->FindDialog1Find();
    EXPECT_EQ(selectionStart(), 14);
    prompts.answer(Answer::Ok);
    selectText(0, 0);
    page->FindDialog1->setFindText(QStringLiteral("a b"));
    page->FindDialog1Find();
    EXPECT_EQ(prompts.messageTexts(), QStringList{"Not found"});
}

TEST_F(OutputPageTest, SavedBuiltUnitMatchesTheBuildCommand)
{
    const QString spec = QStringLiteral(UF_TEST_DATA_DIR "/gauge.spc");
    prompts.openFile(spec);
    action("Openspcfile1")->trigger();
    builder->btnBuild->click();
    ASSERT_TRUE(builder->BitBtn3->isEnabled());
    builder->classPage->unitname->setText(path("window.pas"));
    builder->BitBtn3->click();

    QBuffer out;
    QBuffer err;
    out.open(QIODevice::WriteOnly);
    err.open(QIODevice::WriteOnly);
    ASSERT_EQ(runBuildCommand({spec, QStringLiteral("-o"), path("command.pas")}, out, err), kBuildOk)
        << err.data().toStdString();
    const QByteArray window = fileBytes("window.pas");
    EXPECT_FALSE(window.isEmpty());
    EXPECT_EQ(window, fileBytes("command.pas"));
}

TEST_F(OutputPageTest, SettingsAreWrittenOnCloseAndAppliedAtTheNextStart)
{
    EXPECT_TRUE(QFile::exists(path("uforge.ini")));
    EXPECT_TRUE(fileBytes("uforge.ini").startsWith("[Settings]\r\nCreateDate="));
    EXPECT_EQ(memo->font().family(), QStringLiteral("Courier"));
    builder->stylePage()->indent->setValue(4);
    action("Matchfont1")->trigger();
    page->setLook(OutputLook{0xFF, 0, 0, -20, true, false, QStringLiteral("DejaVu Sans Mono")});
    builder->close();   // as the title bar's close button does
    const QByteArray written = fileBytes("uforge.ini");
    EXPECT_TRUE(written.contains("indent=4\r\n")) << written.toStdString();
    EXPECT_TRUE(written.contains("bcolor=255\r\n"));
    EXPECT_TRUE(written.contains("bfontheight=-20\r\n"));
    EXPECT_TRUE(written.contains("Matchfont=1\r\n"));
    builder.reset();

    // Keys edited by hand, in other letter case and in hexadecimal.
    QFile file(path("uforge.ini"));
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    const QByteArray edited = file.readAll().replace("linebreak=2", "LINEBREAK=0x5");
    file.resize(0);
    file.write(edited);
    file.close();
    reopen();
    page = builder->outputPage();
    EXPECT_EQ(builder->stylePage()->indent->value(), 4);
    EXPECT_EQ(builder->stylePage()->linebreak->value(), 5);
    EXPECT_TRUE(builder->Matchfont1->isChecked());
    EXPECT_FALSE(builder->UseDefault1->isChecked());
    EXPECT_EQ(page->backgroundColor(), QColor(Qt::red));
    EXPECT_EQ(page->Memo1->font().pixelSize(), 20);
    EXPECT_TRUE(page->Memo1->font().bold());
    EXPECT_EQ(page->fontpanel->text(), QStringLiteral("DejaVu Sans Mono"));
}

TEST_F(OutputPageTest, IndentOfFiftyInTheFileShowsTwenty)
{
    builder.reset();
    QFile file(path("uforge.ini"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Settings]\r\nindent=50\r\nbFontsize=12\r\nbFontheight=-20\r\nmatchfont=2\r\n");
    file.close();
    reopen();
    EXPECT_EQ(builder->stylePage()->indent->value(), 20);
    EXPECT_EQ(builder->outputPage()->Memo1->font().pixelSize(), 20);
    EXPECT_TRUE(builder->UseDefault1->isChecked());
}

} // namespace

// The toolbar button's own hint does not cover the message when the boxes
// printing asks in take the pointer away from the button and give it back.
TEST_F(OutputPageTest, PrintedToStaysWhenABoxTookThePointerFromTheButton)
{
    const QString pdf = path("hint.pdf");
    page->setLines({"unit unit1;", "end."});
    builder->outputPrinter().setPrinterCheck([] { return false; });
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(page->btnPrint, &enter);
    ASSERT_EQ(find<QLabel>("Panel1")->text(), page->btnPrint->statusTip());

    QDialog box(builder.get());
    box.setModal(true);
    box.show();   // as the "No printer" box does while it is open
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(page->btnPrint, &leave);
    box.hide();
    prompts.answer(Answer::Yes).saveFile(pdf);
    page->btnPrint->click();
    QApplication::sendEvent(page->btnPrint, &enter);

    EXPECT_EQ(find<QLabel>("Panel1")->text(), "Printed to " + pdf);
}
