// Exit, New, closing the window, the questions pending entries raise, and
// the single-instance check.
#include "builderfixture.h"

#include "app/outputpage.h"
#include "model/pendingentries.h"
#include "editor/classpage.h"
#include "model/ancestortable.h"
#include "rowname.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QLockFile>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTest>

using Answer = UserPrompts::Answer;
using Kind = UserPrompts::Kind;
using Buttons = UserPrompts::Buttons;

namespace {
const QString kSpecQuestion = QStringLiteral("Do you want to save the component specification ?");
const QString kSourceQuestion = QStringLiteral("Do you want to save the source (*.pas) file ?");
}

class Lifecycle : public BuilderTest
{
protected:
    void setOutput(const QString &text) { builder->outputPage()->Memo1->setPlainText(text); }
    void addProperty()
    {
        PropertyInput input;
        input.name = QStringLiteral("Value");
        input.type = QStringLiteral("integer");
        builder->document().addProperty(input);
    }
    bool running() const { return builder->isVisible(); }
};

// ---- Exit ----------------------------------------------------------------------

TEST_F(Lifecycle, ExitWithOneLineOfOutputAsksOnlyAboutTheSpecification)
{
    setOutput(QStringLiteral("one line"));
    prompts.answer(Answer::No);
    action("Exit1")->trigger();
    ASSERT_EQ(prompts.log().size(), 1);
    EXPECT_EQ(prompts.log()[0].kind, Kind::Confirm);
    EXPECT_EQ(prompts.log()[0].text, kSpecQuestion);
    EXPECT_EQ(prompts.log()[0].buttons, Buttons::YesNo);
    EXPECT_FALSE(running());
}

TEST_F(Lifecycle, ExitAsksAboutTheSpecificationEvenWhenEmptyAndEndsOnCancel)
{
    prompts.answer(Answer::Cancel);
    QTest::mouseClick(find<QWidget>("BitBtn1"), Qt::LeftButton);
    EXPECT_EQ(prompts.messageTexts(), QStringList({kSpecQuestion}));
    EXPECT_FALSE(running());
}

// Yes to saving, then Cancel in the dialog: nothing was saved, so nothing may be thrown away.
TEST_F(Lifecycle, ExitAndNewStopWhenTheSaveDialogIsCancelled)
{
    addProperty();
    prompts.answer(Answer::Yes).saveFile(QString());
    action("Exit1")->trigger();
    EXPECT_TRUE(running());

    prompts.answer(Answer::Yes).saveFile(QString());
    action("New1")->trigger();
    EXPECT_EQ(builder->spec().Properties.size(), 1);
}

TEST_F(Lifecycle, ExitSavesTheSpecificationOnYes)
{
    builder->classPage->clname->setText(QStringLiteral("TGauge"));
    prompts.answer(Answer::Yes).saveFile(path("gauge.spc"));
    action("Exit1")->trigger();
    EXPECT_TRUE(QFile::exists(path("gauge.spc")));
    EXPECT_FALSE(running());
}

TEST_F(Lifecycle, ExitStaysWhenTheSpecificationCannotBeWritten)
{
    const QString unwritable = path("missing-folder/gauge.spc");
    prompts.answer(Answer::Yes).saveFile(unwritable).answer(Answer::Ok);
    action("Exit1")->trigger();
    ASSERT_EQ(prompts.messageTexts().size(), 2);
    EXPECT_EQ(prompts.log().last().kind, Kind::Error);
    EXPECT_TRUE(prompts.messageTexts()[1].startsWith("Unable to write to "));
    EXPECT_TRUE(running());
}

struct SourceAnswerRow {
    const char *name;
    Answer answer;
    bool endsProgram;
};
UF_ROW_NAME(SourceAnswerRow)

class ExitSourceQuestion : public Lifecycle, public ::testing::WithParamInterface<SourceAnswerRow>
{
};

TEST_P(ExitSourceQuestion, CancelKeepsTheProgramRunning)
{
    setOutput(QStringLiteral("typed line\n"));   // a line break makes two lines
    prompts.answer(Answer::No).answer(GetParam().answer);
    action("Exit1")->trigger();
    EXPECT_EQ(prompts.messageTexts(), QStringList({kSpecQuestion, kSourceQuestion}));
    EXPECT_EQ(prompts.log()[1].buttons, Buttons::YesNoCancel);
    EXPECT_EQ(running(), !GetParam().endsProgram);
}

INSTANTIATE_TEST_SUITE_P(Lifecycle, ExitSourceQuestion,
                         ::testing::Values(SourceAnswerRow{"Cancel", Answer::Cancel, false},
                                           SourceAnswerRow{"No", Answer::No, true},
                                           SourceAnswerRow{"Yes", Answer::Yes, true}), RowName());

TEST_F(Lifecycle, TitleBarCloseWithNothingUnsavedAsksNothing)
{
    setOutput(QStringLiteral("a\nb\n"));   // shown, not built: nothing to lose
    EXPECT_TRUE(builder->close());
    EXPECT_TRUE(prompts.log().isEmpty());
}

// The title bar, Alt+F4 and the window manager close as Exit does when work would be lost.
TEST_F(Lifecycle, TitleBarCloseAsksExitsQuestionsWhenWorkIsUnsaved)
{
    builder->classPage->clname->setText(QStringLiteral("TGauge"));
    addProperty();
    builder->outputPage()->setLines({QStringLiteral("unit unit1;"), QStringLiteral("end.")});
    prompts.answer(Answer::No).answer(Answer::Cancel);
    EXPECT_FALSE(builder->close());
    EXPECT_EQ(prompts.messageTexts(), QStringList({kSpecQuestion, kSourceQuestion}));
    EXPECT_TRUE(running());

    prompts.clearLog();
    prompts.answer(Answer::No).answer(Answer::No);
    EXPECT_TRUE(builder->close());
    EXPECT_EQ(prompts.messageTexts(), QStringList({kSpecQuestion, kSourceQuestion}));
    EXPECT_FALSE(running());
}

TEST_F(Lifecycle, ExitAsksItsQuestionsOnlyOnce)
{
    addProperty();
    prompts.answer(Answer::No);
    action("Exit1")->trigger();
    EXPECT_EQ(prompts.log().size(), 1);
    EXPECT_FALSE(running());
}

// ---- pending entries -------------------------------------------------------------
// The pending property through the real page: propertieswindow_test.cpp.

TEST(PendingEntryQuestion, TextNamesTheKindAndTheEntry)
{
    EXPECT_EQ(pendingEntryQuestion(EntryKind::Property, QStringLiteral("Count")),
              "Property 'Count' has been changed.  Do You want to Add it ?\r\r"
              "(Selecting No here will discard the property)");
    EXPECT_EQ(pendingEntryQuestion(EntryKind::Method, QStringLiteral("Paint")),
              "Method 'Paint' has been changed.  Do You want to Add it ?\r\r"
              "(Selecting No here will discard the method)");
    EXPECT_EQ(pendingEntryQuestion(EntryKind::Event, QStringLiteral("OnChange")),
              "Event 'OnChange' has been changed.  Do You want to Add it ?\r\r"
              "(Selecting No here will discard the event)");
}

// ---- New -------------------------------------------------------------------------

TEST_F(Lifecycle, NewOnAnEmptySpecificationAsksNothing)
{
    builder->document().refillAncestorMembers(ancestorIndex(QStringLiteral("TComponent")));
    action("New1")->trigger();
    EXPECT_TRUE(prompts.log().isEmpty());
    EXPECT_TRUE(builder->spec().StandardProperties.isEmpty());
}

TEST_F(Lifecycle, NewResetsListsAndOutputButKeepsTheHeaderFields)
{
    builder->classPage->clname->setText(QStringLiteral("TGauge"));
    addProperty();
    setOutput(QStringLiteral("unit unit1;\n"));
    prompts.answer(Answer::No).answer(Answer::No);
    action("New1")->trigger();
    EXPECT_EQ(prompts.messageTexts(), QStringList({kSpecQuestion, kSourceQuestion}));
    EXPECT_EQ(prompts.log()[0].buttons, Buttons::YesNoCancel);
    EXPECT_TRUE(builder->spec().Properties.isEmpty());
    EXPECT_TRUE(builder->spec().Types.isEmpty());
    EXPECT_TRUE(builder->spec().StandardProperties.isEmpty());
    EXPECT_EQ(builder->outputPage()->Memo1->toPlainText(), "");
    EXPECT_EQ(builder->classPage->clname->text(), "TGauge");
    EXPECT_EQ(builder->classPage->ancestorbox->currentText(), "TComponent");
    EXPECT_TRUE(running());
}

struct NewCancelRow {
    const char *name;
    bool withEntries;
    bool withOutput;
    int cancelAt;   // index of the question answered Cancel
};
UF_ROW_NAME(NewCancelRow)

class NewCancel : public Lifecycle, public ::testing::WithParamInterface<NewCancelRow>
{
};

TEST_P(NewCancel, ChangesNothing)
{
    const NewCancelRow row = GetParam();
    if (row.withEntries)
        addProperty();
    if (row.withOutput)
        setOutput(QStringLiteral("unit unit1;\n"));
    for (int i = 0; i < row.cancelAt; ++i)
        prompts.answer(Answer::No);
    prompts.answer(Answer::Cancel);
    action("New1")->trigger();
    EXPECT_EQ(builder->spec().Properties.size(), row.withEntries ? 1 : 0);
    EXPECT_EQ(builder->spec().StandardProperties, QStringList({"Name", "Tag"}));
    EXPECT_EQ(builder->outputPage()->lineCount(), row.withOutput ? 2 : 1);
}

INSTANTIATE_TEST_SUITE_P(Lifecycle, NewCancel,
                         ::testing::Values(NewCancelRow{"EntriesCancelAt0", true, false, 0},
                                           NewCancelRow{"EntriesOutputCancelAt0", true, true, 0},
                                           NewCancelRow{"EntriesOutputCancelAt1", true, true, 1},
                                           NewCancelRow{"NoEntriesOutputCancelAt0", false, true, 0}), RowName());

// ---- a second instance ---------------------------------------------------------

TEST_F(Lifecycle, SecondInstanceSaysSoAndEnds)
{
    BuilderServices second = services;
    ScriptedPrompts secondPrompts;
    second.prompts = &secondPrompts;
    secondPrompts.answer(Answer::Ok);
    TBuilder other(second);
    EXPECT_TRUE(other.alreadyRunning());
    ASSERT_EQ(secondPrompts.log().size(), 1);
    EXPECT_EQ(secondPrompts.log()[0].kind, Kind::Information);
    EXPECT_EQ(secondPrompts.log()[0].text, "Unitforge is already running.");
    EXPECT_EQ(secondPrompts.log()[0].buttons, Buttons::Ok);
    EXPECT_FALSE(builder->alreadyRunning());
    EXPECT_TRUE(running());
}

TEST_F(Lifecycle, LockOfAnEndedInstanceIsTakenOver)
{
    builder.reset();   // the first instance ends and leaves its lock
    createBuilder();
    EXPECT_FALSE(builder->alreadyRunning());
}
