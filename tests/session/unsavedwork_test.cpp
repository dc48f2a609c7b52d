// SPDX-License-Identifier: MIT
// The questions before Exit, New and Open, answered from a script: which are
// asked, and whether the command goes on.
#include "session/unsavedwork.h"

#include "answeringprompts.h"
#include "model/pendingentries.h"
#include "model/specdocument.h"
#include "rowname.h"

#include <QStringList>

using Answer = Prompts::Answer;
using SaveResult = UnsavedWork::SaveResult;

namespace {

const QString kSpec = QStringLiteral("Do you want to save the component specification ?");
const QString kCurrentSpec = QStringLiteral("Do you want to save the current component specifications ?");
const QString kSource = QStringLiteral("Do you want to save the source (*.pas) file ?");

enum class Command { Exit, New, Open };
enum class Document { Untouched, HeaderTyped, WithEntries };

struct QuestionRow {
    const char *name;
    Command command;
    Document document;
    int outputLines;                 // 1: an empty Output text
    QList<Answer> answers;
    SaveResult specificationSave;    // when Yes asks for it
    SaveResult sourceSave;
    QStringList asked;
    bool goesOn;
    friend void PrintTo(const QuestionRow &row, std::ostream *os) { *os << row.name; }
};

class UnsavedWorkQuestions : public ::testing::TestWithParam<QuestionRow>
{
};

TEST_P(UnsavedWorkQuestions, AskInOrderAndStopWhereWorkWouldGo)
{
    const QuestionRow &row = GetParam();
    SpecDocument document;
    document.setInitialHeader(QStringLiteral("unit1.pas"));
    if (row.document == Document::HeaderTyped)
        document.setClassname(QStringLiteral("TLedLamp"));
    if (row.document == Document::WithEntries) {
        MethodInput method;
        method.kind = QStringLiteral("Procedure");
        method.name = QStringLiteral("Blink");
        method.isPublic = true;
        document.addMethod(method);
    }
    PendingEntries pending;
    AnsweringPrompts prompts;
    for (Answer answer : row.answers)
        prompts.answers.enqueue(answer);
    int specificationSaves = 0;
    int sourceSaves = 0;
    UnsavedWork work(prompts, document, pending,
                     {[&] { ++specificationSaves; return row.specificationSave; },
                      [&] { ++sourceSaves; return row.sourceSave; },
                      [&] { return row.outputLines; }, [] { return true; }, [](int) {}});

    bool goesOn = false;
    switch (row.command) {
    case Command::Exit: goesOn = work.beforeExit(); break;
    case Command::New: goesOn = work.beforeNew(); break;
    case Command::Open: goesOn = work.beforeOpen(); break;
    }

    QStringList asked;
    for (const AnsweringPrompts::Shown &shown : prompts.shown)
        asked.append(shown.text);
    EXPECT_EQ(asked, row.asked);
    EXPECT_EQ(goesOn, row.goesOn);
    EXPECT_TRUE(prompts.answers.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Commands, UnsavedWorkQuestions,
    ::testing::Values(
        QuestionRow{"NewWithNothingChangedAsksNothing", Command::New, Document::Untouched, 1, {},
                    SaveResult::Saved, SaveResult::Saved, {}, true},
        QuestionRow{"NewAsksForAHeaderTypedWithoutEntries", Command::New, Document::HeaderTyped, 1,
                    {Answer::No}, SaveResult::Saved, SaveResult::Saved, {kSpec}, true},
        QuestionRow{"OpenAsksForAHeaderTypedAndCancelStops", Command::Open, Document::HeaderTyped, 1,
                    {Answer::Cancel}, SaveResult::Saved, SaveResult::Saved, {kCurrentSpec}, false},
        QuestionRow{"NewStopsWhenItsSaveDialogIsCancelled", Command::New, Document::WithEntries, 1,
                    {Answer::Yes}, SaveResult::Cancelled, SaveResult::Saved, {kSpec}, false},
        QuestionRow{"OpenGoesOnToItsDialogAfterACancelledSave", Command::Open, Document::WithEntries, 1,
                    {Answer::Yes}, SaveResult::Cancelled, SaveResult::Saved, {kCurrentSpec}, true},
        QuestionRow{"NewStopsWhenTheSourceOverwriteIsDeclined", Command::New, Document::Untouched, 3,
                    {Answer::Yes}, SaveResult::Saved, SaveResult::Declined, {kSource}, false},
        QuestionRow{"OpenStopsWhenTheSourceOverwriteIsDeclined", Command::Open, Document::Untouched, 3,
                    {Answer::Yes}, SaveResult::Saved, SaveResult::Declined, {kSource}, false},
        QuestionRow{"ExitStopsWhenTheSourceOverwriteIsDeclined", Command::Exit, Document::Untouched, 3,
                    {Answer::No, Answer::Yes}, SaveResult::Saved, SaveResult::Declined,
                    {kSpec, kSource}, false},
        QuestionRow{"ExitEndsOnceTheSourceIsSaved", Command::Exit, Document::Untouched, 3,
                    {Answer::No, Answer::Yes}, SaveResult::Saved, SaveResult::Saved, {kSpec, kSource}, true},
        QuestionRow{"ExitEndsWhenTheSourceIsLetGo", Command::Exit, Document::Untouched, 3,
                    {Answer::No, Answer::No}, SaveResult::Saved, SaveResult::Saved, {kSpec, kSource}, true},
        QuestionRow{"ExitStopsWhenTheSpecificationSaveFails", Command::Exit, Document::HeaderTyped, 3,
                    {Answer::Yes}, SaveResult::Failed, SaveResult::Saved, {kSpec}, false}),
    RowName());

TEST(UnsavedWork, CountsAHeaderTypedAndAnUnsavedOutputAsWorkToLose)
{
    SpecDocument document;
    document.setInitialHeader(QStringLiteral("unit1.pas"));
    PendingEntries pending;
    AnsweringPrompts prompts;
    int lines = 1;
    bool unsaved = true;
    UnsavedWork work(prompts, document, pending,
                     {[] { return SaveResult::Saved; }, [] { return SaveResult::Saved; },
                      [&] { return lines; }, [&] { return unsaved; }, [](int) {}});
    EXPECT_FALSE(work.hasUnsavedWork());
    lines = 2;
    EXPECT_TRUE(work.hasUnsavedWork());
    unsaved = false;
    EXPECT_FALSE(work.hasUnsavedWork()) << "a saved Output text is no work to lose";
    document.setClassname(QStringLiteral("TLedLamp"));
    EXPECT_TRUE(work.hasUnsavedWork());
}

} // namespace
