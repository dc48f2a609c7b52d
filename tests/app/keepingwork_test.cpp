// SPDX-License-Identifier: MIT
// What the window keeps and says around saving: the code written into a unit
// survives a reopened specification, a declined overwrite keeps the program
// and the text, New and Open ask about every change, the questions that
// confirm a loss default to No, and the window says what it wrote and which
// file it holds.
#include "builderfixture.h"

#include "app/outputpage.h"
#include "app/outputprinter.h"
#include "app/qtuserprompts.h"
#include "editor/classpage.h"
#include "merge/unitfixtures.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTextCursor>
#include <QWindow>

using namespace Qt::StringLiterals;
using Answer = UserPrompts::Answer;
using Buttons = UserPrompts::Buttons;

namespace {

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

const QString kSpecQuestion = u"Do you want to save the component specification ?"_s;
const QString kSourceQuestion = u"Do you want to save the source (*.pas) file ?"_s;

} // namespace

class KeepingWork : public BuilderTest
{
protected:
    void describeLamp()
    {
        builder->classPage->clname->setText(u"TLedLamp"_s);
        builder->document().addMethod(methodInput(u"Procedure"_s, u"Blink"_s));
        builder->document().addMethod(methodInput(u"Procedure"_s, u"Dim"_s));
    }
    void writeBodies()
    {
        QString text = builder->outputPage()->lines().join(u'\n');
        text = withBody(text, u"TLedLamp.Blink"_s, u"\nbegin\n  Lit := not Lit;\nend;"_s);
        text = withBody(text, u"TLedLamp.Dim"_s, u"\nbegin\n  Level := Level div 2;\nend;"_s);
        QTextCursor cursor(builder->outputPage()->Memo1->document());
        cursor.select(QTextCursor::Document);
        cursor.insertText(text);
    }
    QString status() const { return find<QLabel>("Panel1")->text(); }
    QString unitFile() const { return path(u"unit1.pas"_s); }
    QString output() const { return builder->outputPage()->lines().join(u'\n'); }

    // Day one: described, built, bodies written, both files saved.
    void dayOne()
    {
        describeLamp();
        action("BuildOutput1")->trigger();
        writeBodies();
        prompts.saveFile(path(u"LedLamp.spc"_s));
        action("Savespcfile1")->trigger();
        action("SavetoFile1")->trigger();
        ASSERT_TRUE(readFile(unitFile()).contains("Lit := not Lit;"));
    }
    // The next day: a new window, the specification opened.
    void nextDay()
    {
        createBuilder();
        prompts.openFile(path(u"LedLamp.spc"_s));
        action("Openspcfile1")->trigger();
        prompts.clearLog();
    }
};

TEST_F(KeepingWork, ReopenBuildSaveKeepsTheBodiesWrittenIntoTheUnit)
{
    dayOne();
    const QByteArray dayOneBytes = readFile(unitFile());
    nextDay();
    action("BuildOutput1")->trigger();
    EXPECT_EQ(status(), unitFile() + u" built, written code kept from "_s + unitFile());
    prompts.answer(Answer::Yes);   // Overwrite existing file ... ?
    action("SavetoFile1")->trigger();
    EXPECT_EQ(prompts.messageTexts(), QStringList{u"Overwrite existing file "_s + unitFile() + u" ?"_s});
    EXPECT_EQ(readFile(unitFile()), dayOneBytes);
}

TEST_F(KeepingWork, SaveAsksBeforeItDropsTheUnitsWrittenCodeAndNoKeepsTheFile)
{
    dayOne();
    const QByteArray dayOneBytes = readFile(unitFile());
    nextDay();
    // An Output text without the bodies, as a Build before today's gave.
    TAwk awk;
    builder->outputPage()->setLines(generateUnit(builder->spec(), Style(), awk, nullptr).lines);
    prompts.answer(Answer::Yes).answer(Answer::No);
    action("SavetoFile1")->trigger();
    ASSERT_EQ(prompts.log().size(), 2);
    EXPECT_EQ(prompts.log()[1].text,
              u"Save will discard: TLedLamp.Blink (4 lines), TLedLamp.Dim (4 lines). Save anyway?"_s);
    EXPECT_EQ(prompts.log()[1].buttons, Buttons::YesNoDefaultNo);
    EXPECT_EQ(readFile(unitFile()), dayOneBytes);
    EXPECT_TRUE(builder->outputPage()->isUnsaved());
}

// Exit and New stop at a declined overwrite, as at a cancelled save dialog:
// the window, the Output text and the file stay as they were.
struct DeclinedRow {
    const char *name;
    const char *command;
    friend void PrintTo(const DeclinedRow &row, std::ostream *os) { *os << row.name; }
};

class DeclinedOverwrite : public KeepingWork, public ::testing::WithParamInterface<DeclinedRow>
{
};

TEST_P(DeclinedOverwrite, StopsTheCommandAndLosesNothing)
{
    QFile old(unitFile());
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old bytes\r\n");
    old.close();
    builder->classPage->clname->setText(u"TLedLamp"_s);
    action("BuildOutput1")->trigger();
    builder->outputPage()->Memo1->appendPlainText(u"{ typed }"_s);
    const QString typed = output();
    prompts.answer(Answer::No).answer(Answer::Yes).answer(Answer::No);
    action(GetParam().command)->trigger();

    EXPECT_EQ(prompts.messageTexts(), QStringList({kSpecQuestion, kSourceQuestion,
                                                   u"Overwrite existing file "_s + unitFile() + u" ?"_s}));
    EXPECT_TRUE(builder->isVisible());
    EXPECT_EQ(output(), typed);
    EXPECT_EQ(builder->classPage->clname->text(), u"TLedLamp"_s);
    EXPECT_EQ(readFile(unitFile()), QByteArray("old bytes\r\n"));
}

INSTANTIATE_TEST_SUITE_P(KeepingWork, DeclinedOverwrite,
                         ::testing::Values(DeclinedRow{"Exit", "Exit1"}, DeclinedRow{"New", "New1"}),
                         [](const auto &info) { return std::string(info.param.name); });

// New and Open ask about a specification whose only changes are header
// fields or message handlers; a Cancel keeps it.
struct ChangeRow {
    const char *name;
    const char *command;
    QString question;
    std::function<void(TBuilder &)> change;
    friend void PrintTo(const ChangeRow &row, std::ostream *os) { *os << row.name; }
};

class ChangedWithoutEntries : public KeepingWork, public ::testing::WithParamInterface<ChangeRow>
{
};

TEST_P(ChangedWithoutEntries, NewAndOpenAskFirst)
{
    GetParam().change(*builder);
    const ComponentSpec before = builder->spec();
    prompts.answer(Answer::Cancel);
    action(GetParam().command)->trigger();
    EXPECT_EQ(prompts.messageTexts(), QStringList{GetParam().question});
    EXPECT_EQ(builder->spec().Classname, before.Classname);
    EXPECT_EQ(builder->spec().UserMessages, before.UserMessages);
    EXPECT_EQ(builder->spec().selectedStandardMessages(), before.selectedStandardMessages());
}

INSTANTIATE_TEST_SUITE_P(
    KeepingWork, ChangedWithoutEntries,
    ::testing::Values(
        ChangeRow{"ClassNameThenOpen", "Openspcfile1",
                  u"Do you want to save the current component specifications ?"_s,
                  [](TBuilder &window) { window.classPage->clname->setText(u"TLedLamp"_s); }},
        ChangeRow{"StandardMessageThenNew", "New1", kSpecQuestion,
                  [](TBuilder &window) {
                      auto *list = window.findChild<QListWidget *>(u"winlist"_s);
                      list->findItems(u"BM_GETSTATE"_s, Qt::MatchExactly).value(0)->setSelected(true);
                  }},
        ChangeRow{"UserMessageThenOpen", "Openspcfile1",
                  u"Do you want to save the current component specifications ?"_s,
                  [](TBuilder &window) { window.document().addUserMessage(u"WM_BLINK"_s, 1); }}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(KeepingWork, AQuestionThatConfirmsALossHasNoAsItsDefaultButton)
{
    const auto lossBox = QtUserPrompts::makeMessageBox(UserPrompts::Kind::Confirm, u"Save anyway?"_s,
                                                       Buttons::YesNoDefaultNo, nullptr);
    EXPECT_EQ(lossBox->defaultButton(), lossBox->button(QMessageBox::No));
    EXPECT_EQ(lossBox->escapeButton(), lossBox->button(QMessageBox::Cancel));
    const auto plainBox = QtUserPrompts::makeMessageBox(UserPrompts::Kind::Confirm, u"Add it ?"_s,
                                                        Buttons::YesNo, nullptr);
    EXPECT_EQ(plainBox->defaultButton(), plainBox->button(QMessageBox::Yes));

    // Printing over a file is one of them.
    const QString pdf = path(u"old.pdf"_s);
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("old");
    file.close();
    builder->outputPrinter().printer().setOutputFormat(QPrinter::PdfFormat);
    builder->outputPrinter().printer().setOutputFileName(pdf);
    builder->outputPage()->setLines({u"unit unit1;"_s, u"end."_s});
    prompts.answer(Answer::No);
    action("Print1")->trigger();
    ASSERT_EQ(prompts.log().size(), 1);
    EXPECT_EQ(prompts.log()[0].buttons, Buttons::YesNoDefaultNo);
    EXPECT_EQ(readFile(pdf), QByteArray("old"));
}

TEST_F(KeepingWork, SaveSaysWhatItWrote)
{
    builder->classPage->clname->setText(u"TLedLamp"_s);
    action("BuildOutput1")->trigger();
    action("SavetoFile1")->trigger();
    EXPECT_EQ(status(), unitFile() + u" saved"_s);
    prompts.saveFile(path(u"LedLamp.spc"_s));
    action("Savespcfile1")->trigger();
    EXPECT_EQ(status(), path(u"LedLamp.spc"_s) + u" saved"_s);
}

TEST_F(KeepingWork, TheTitleNamesTheSpecificationFileAndMarksChanges)
{
    const auto title = [this] { return builder->windowHandle()->title(); };
    EXPECT_EQ(title(), u"Unitforge"_s);
    builder->classPage->clname->setText(u"TLedLamp"_s);
    EXPECT_EQ(title(), u"Unitforge"_s) << "no file named yet";
    prompts.saveFile(path(u"LedLamp.spc"_s));
    action("Savespcfile1")->trigger();
    EXPECT_EQ(title(), u"LedLamp.spc - Unitforge"_s);
    EXPECT_EQ(builder->windowFilePath(), path(u"LedLamp.spc"_s));
    builder->classPage->clname->setText(u"TLedLamp2"_s);
    EXPECT_EQ(title(), u"LedLamp.spc* - Unitforge"_s);
}

TEST_F(KeepingWork, RecentSpecificationsTellFilesOfOneNameApart)
{
    QDir().mkpath(path(u"a"_s));
    QDir().mkpath(path(u"b"_s));
    builder->classPage->clname->setText(u"TLedLamp"_s);
    prompts.saveFile(path(u"a/lamp.spc"_s)).saveFile(path(u"b/lamp.spc"_s));
    action("Savespcfile1")->trigger();
    action("Savespcfile1")->trigger();
    auto *menu = find<QMenu>("RecentSpecifications1");
    ASSERT_NE(menu, nullptr);
    const QList<QAction *> items = menu->actions();
    ASSERT_EQ(items.size(), 2);
    EXPECT_EQ(items[0]->text(), u"&1 lamp.spc ("_s + path(u"b"_s) + u")"_s);
    EXPECT_EQ(items[1]->text(), u"&2 lamp.spc ("_s + path(u"a"_s) + u")"_s);

    const QString before = status();
    emit menu->hovered(items[1]);
    EXPECT_EQ(status(), path(u"a/lamp.spc"_s)) << "the whole path while the item is highlighted";
    emit menu->aboutToHide();
    EXPECT_EQ(status(), before);
}
