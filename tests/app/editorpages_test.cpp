// The Methods, Event Handlers and Message Handlers pages in the window: what
// Open and New do to them, and the questions Build and Exit ask about the
// method and the event typed but not added.
#include "builderfixture.h"
#include "rowname.h"

#include "app/outputpage.h"
#include "editor/classpage.h"
#include "editor/eventhandlerspage.h"
#include "editor/messagehandlerspage.h"
#include "editor/methodspage.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>

using namespace Qt::StringLiterals;
using Answer = UserPrompts::Answer;

namespace {

QStringList linesOf(const QListWidget *list)
{
    QStringList lines;
    for (int i = 0; i < list->count(); ++i)
        lines.append(list->item(i)->text());
    return lines;
}

QStringList selectedOf(const QListWidget *list)
{
    QStringList lines;
    for (int i = 0; i < list->count(); ++i) {
        if (list->item(i)->isSelected())
            lines.append(list->item(i)->text());
    }
    return lines;
}

const QString kMethodQuestion = u"Method 'Reset' has been changed.  Do You want to Add it ?\r\r"
                                "(Selecting No here will discard the method)"_s;
const QString kEventQuestion = u"Event 'Change' has been changed.  Do You want to Add it ?\r\r"
                               "(Selecting No here will discard the event)"_s;
const QString kSpecQuestion = u"Do you want to save the component specification ?"_s;

} // namespace

using EditorPages = BuilderTest;

TEST_F(EditorPages, OpenFillsTheListsAndEnablesRemoveNewEmptiesThem)
{
    prompts.openFile(QStringLiteral(UF_TEST_DATA_DIR "/gauge.spc"));
    action("Openspcfile1")->trigger();
    EXPECT_EQ(linesOf(find<QListWidget>("ListBox2")), QStringList({u"Ratio"_s, u"Paint"_s}));
    EXPECT_EQ(linesOf(find<QListWidget>("ListBox3")), QStringList({u"OnChange"_s}));
    EXPECT_EQ(linesOf(find<QListWidget>("userlist")), QStringList({u"WM_NEEDLEMOVED[WM_USER + 1]}"_s}));
    EXPECT_EQ(selectedOf(find<QListWidget>("winlist")), QStringList({u"WM_PAINT"_s}));
    EXPECT_TRUE(find<QPushButton>("Button4")->isEnabled());
    EXPECT_TRUE(find<QPushButton>("Button6")->isEnabled());
    EXPECT_FALSE(find<QPushButton>("Button8")->isEnabled()) << "only a click on a line enables it";

    builder->methodsPage()->Methodname->setText(u"Typed"_s);
    prompts.answer(Answer::No);
    action("New1")->trigger();
    for (const char *list : {"ListBox2", "ListBox3", "ListBox5", "userlist"})
        EXPECT_TRUE(linesOf(find<QListWidget>(list)).isEmpty()) << list;
    EXPECT_TRUE(selectedOf(find<QListWidget>("winlist")).isEmpty());
    EXPECT_EQ(builder->methodsPage()->Methodname->text(), "Typed");

    // Open's last step enables; it never disables, not even after a cancelled dialog.
    prompts.openFile(QString());
    action("Openspcfile1")->trigger();
    EXPECT_TRUE(find<QPushButton>("Button4")->isEnabled());
    EXPECT_TRUE(find<QPushButton>("Button6")->isEnabled());
}

struct PendingAnswersRow {
    const char *name;
    const char *command;       // "BuildOutput1" or "Exit1"
    QList<Answer> answers;     // method, event, then the command's own questions
    QStringList methods;       // defined afterwards
    QStringList events;
    int page;                  // the page shown afterwards
    bool running;
};

UF_ROW_NAME(PendingAnswersRow)

class PendingMethodAndEvent : public BuilderTest, public ::testing::WithParamInterface<PendingAnswersRow>
{
};

TEST_P(PendingMethodAndEvent, AreAskedAboutMethodFirstAndAddedOnTheirPages)
{
    const PendingAnswersRow row = GetParam();
    builder->classPage->clname->setText(u"TGauge"_s);
    builder->methodsPage()->Methodname->setText(u"Reset"_s);
    builder->eventHandlersPage()->eventname->setText(u"Change"_s);
    for (Answer answer : row.answers)
        prompts.answer(answer);
    action(row.command)->trigger();

    const QStringList texts = prompts.messageTexts();
    ASSERT_GE(texts.size(), 1);
    EXPECT_EQ(texts[0], kMethodQuestion);
    if (row.answers[0] != Answer::Cancel)
        EXPECT_EQ(texts.value(1), kEventQuestion);
    else
        EXPECT_EQ(texts.size(), 1) << "a closed question stops at once";
    EXPECT_EQ(builder->spec().DefinedMethods, row.methods);
    EXPECT_EQ(builder->spec().Events, row.events);
    EXPECT_EQ(find<QTabWidget>("PageControl1")->currentIndex(), row.page);
    EXPECT_EQ(builder->isVisible(), row.running);
}

INSTANTIATE_TEST_SUITE_P(
    EditorPages, PendingMethodAndEvent,
    ::testing::Values(
        PendingAnswersRow{"BuildAddsBoth", "BuildOutput1", {Answer::Yes, Answer::Yes},
                          {u"Reset"_s}, {u"OnChange"_s}, TBuilder::OutputPageIndex, true},
        PendingAnswersRow{"BuildAddsTheEventOnly", "BuildOutput1", {Answer::No, Answer::Yes},
                          {}, {u"OnChange"_s}, TBuilder::OutputPageIndex, true},
        PendingAnswersRow{"BuildStopsWhenTheMethodQuestionIsClosed", "BuildOutput1", {Answer::Cancel},
                          {}, {}, TBuilder::ClassPageIndex, true},
        PendingAnswersRow{"ExitAddsTheMethodOnItsPage", "Exit1", {Answer::Yes, Answer::No, Answer::No},
                          {u"Reset"_s}, {}, TBuilder::MethodsPageIndex, false},
        PendingAnswersRow{"ExitStopsWhenTheEventQuestionIsClosed", "Exit1", {Answer::No, Answer::Cancel},
                          {}, {}, TBuilder::ClassPageIndex, true}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(EditorPages, BuildWritesTheMethodAndTheEventAddedByItsQuestions)
{
    builder->classPage->clname->setText(u"TGauge"_s);
    builder->methodsPage()->Methodname->setText(u"Reset"_s);
    builder->eventHandlersPage()->eventname->setText(u"Change"_s);
    prompts.answer(Answer::Yes).answer(Answer::Yes);
    action("BuildOutput1")->trigger();
    const QString unit = builder->outputPage()->Memo1->toPlainText();
    EXPECT_TRUE(unit.contains(u"\n    Procedure Reset;\n"_s));
    EXPECT_TRUE(unit.contains(u"\n    Property OnChange : TNotifyEvent read FOnChange write FOnChange ;\n"_s));
    EXPECT_EQ(builder->methodsPage()->Methodname->text(), "");
    EXPECT_EQ(builder->eventHandlersPage()->eventname->text(), "");
}
