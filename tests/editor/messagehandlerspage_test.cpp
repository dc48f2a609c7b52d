// The Message Handlers page: its controls, the standard message selection
// as the document's, the checks of a user message, the naming question, the
// offset's range, and Remove.
#include "editor/messagehandlerspage.h"
#include "rowname.h"

#include "editor/documentlistbox.h"
#include "editor/numberspinbox.h"
#include "model/standardmessages.h"
#include "pagetestbed.h"
#include "specfile/specfile.h"

#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using Kind = UserPrompts::Kind;
using Answer = UserPrompts::Answer;

namespace {

struct UserMessageRow {
    const char *name;
    QStringList stored;     // userlist before, as read from a file
    QString typed;
    QString offset;         // typed into SpinEdit1
    QString message;        // empty: accepted
    QStringList after;      // userlist afterwards
};
UF_ROW_NAME(UserMessageRow)

struct NamingRow {
    const char *name;
    Answer answer;
    bool added;
};
UF_ROW_NAME(NamingRow)

struct OffsetRow {
    const char *name;
    QString typed;
    QString line;           // the line added
};
UF_ROW_NAME(OffsetRow)

struct LeavingRow {
    const char *name;
    QString typed;
    QString shown;          // SpinEdit1's text once the focus has left it
};

template <class Row>
    requires requires(const Row &row) { row.name; }
UF_ROW_NAME(Row)

} // namespace

class MessageHandlersPageTest : public PageTestBed<MessageHandlersPage>
{
protected:
    // Opens a specification holding these user messages and standard messages.
    void open(const QStringList &userMessages, const QStringList &standardMessages = {})
    {
        QByteArray text = "[Component]\r\nUserMessageCount=" + QByteArray::number(userMessages.size())
            + "\r\nStandardMessageCount=" + QByteArray::number(standardMessages.size())
            + "\r\n[UserMessages]\r\n";
        for (int i = 0; i < userMessages.size(); ++i)
            text += QByteArray::number(i) + '=' + userMessages[i].toLatin1() + "\r\n";
        text += "[StandardMessages]\r\n";
        for (int i = 0; i < standardMessages.size(); ++i)
            text += QByteArray::number(i + 1) + '=' + standardMessages[i].toLatin1() + "\r\n";
        QFile file(dir.filePath(u"messages.spc"_s));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        file.close();
        document.open(specificationFiles(), file.fileName(), awk);
    }

    void add(const QString &name, const QString &offset = u"1"_s)
    {
        retype(page.messname, name);
        retype(page.SpinEdit1, offset);
        click(page.Button7);
    }

    void ctrlClickRow(int row)
    {
        QListWidget *list = page.winlist;
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier,
                          list->visualItemRect(list->item(row)).center());
    }

    QTemporaryDir dir;
};

// ---- controls -------------------------------------------------------------------

class MessageHandlersPageControls : public MessageHandlersPageTest,
                                    public ::testing::WithParamInterface<ControlRow>
{
};

TEST_P(MessageHandlersPageControls, AsTheWindowStarts)
{
    expectControl(&page, GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    MessageHandlersPage, MessageHandlersPageControls,
    ::testing::Values(
        ControlRow{"Label22", "QLabel",
                   u"If you want to override standard message handling for a standard windows message, "
                   "select the message(s) from the list box below.  If you want to build a user defined "
                   "message handler, enter the message name and WM_USER offset here "_s,
                   u"enabled"_s, QString()},
        ControlRow{"winlist", "QListWidget", u"Standard Messages..."_s, u"enabled"_s,
                   u"Standard Windows Messages"_s, 0, standardMessageNames()},
        ControlRow{"Image1", "QLabel", QString(), u"enabled"_s, QString()},
        ControlRow{"Label25", "QLabel", u"User Defined Messages..."_s, u"enabled"_s, QString()},
        ControlRow{"messname", "QLineEdit", u"Message &Name:"_s, u"enabled, \"\""_s, u"Enter the Message Name"_s},
        ControlRow{"SpinEdit1", "QSpinBox", u"Message Constant WM_USER + "_s, u"enabled, 1 of 1 to 99999"_s,
                   u"Select or enter the WM_USER offset"_s},
        ControlRow{"Button7", "QPushButton", u"&Add"_s, u"disabled"_s, u"Add User Defined Message"_s},
        ControlRow{"Button8", "QPushButton", u"&Remove"_s, u"disabled"_s, u"Remove User Defined Message"_s},
        ControlRow{"userlist", "QListWidget", QString(), u"enabled"_s, u"User Defined Messages"_s}),
    [](const auto &info) { return std::string(info.param.name); });

// ---- standard messages ------------------------------------------------------------

TEST_F(MessageHandlersPageTest, TheSelectionIsTheDocumentsStandardMessages)
{
    const QStringList &names = standardMessageNames();
    EXPECT_EQ(page.winlist->selectionMode(), QAbstractItemView::ExtendedSelection);
    clickRow(page.winlist, 3);
    ctrlClickRow(12);
    ctrlClickRow(229);
    EXPECT_EQ(spec.selectedStandardMessages(), QStringList({names[3], names[12], names[229]}));
    ctrlClickRow(3);
    EXPECT_EQ(spec.selectedStandardMessages(), QStringList({names[12], names[229]}));
    clickRow(page.winlist, 0);
    EXPECT_EQ(spec.selectedStandardMessages(), QStringList({names[0]}));
    EXPECT_TRUE(document.isModified());

    open({}, {u"WM_SIZE"_s, u"BM_GETCHECK"_s, u"wm_paint"_s});
    QStringList shown;
    for (const QListWidgetItem *item : page.winlist->selectedItems())
        shown.append(item->text());
    shown.sort();
    EXPECT_EQ(shown, QStringList({u"BM_GETCHECK"_s, u"WM_SIZE"_s})) << "letter case counts";
    EXPECT_EQ(spec.selectedStandardMessageCount(), 2);

    document.reset();
    EXPECT_TRUE(page.winlist->selectedItems().isEmpty());
    EXPECT_EQ(page.winlist->count(), 230);
}

// ---- user messages ----------------------------------------------------------------

class UserMessageChecks : public MessageHandlersPageTest,
                          public ::testing::WithParamInterface<UserMessageRow>
{
};

TEST_P(UserMessageChecks, RefuseOrAddTheLine)
{
    const UserMessageRow row = GetParam();
    open(row.stored);
    if (!row.message.isEmpty())
        prompts.answer(Answer::Ok);
    add(row.typed, row.offset);
    if (row.message.isEmpty()) {
        EXPECT_TRUE(prompts.log().isEmpty());
        EXPECT_EQ(page.messname->text(), "");
    } else {
        ASSERT_EQ(prompts.log().size(), 1);
        EXPECT_EQ(prompts.log()[0].kind, Kind::Error);
        EXPECT_EQ(prompts.log()[0].text, row.message);
        EXPECT_EQ(prompts.log()[0].buttons, UserPrompts::Buttons::Ok);
        EXPECT_EQ(page.messname->text(), row.typed) << "the fields stay";
    }
    EXPECT_EQ(spec.UserMessages, row.after);
    EXPECT_EQ(itemsOf(page.userlist), row.after);
}

INSTANTIATE_TEST_SUITE_P(
    MessageHandlersPage, UserMessageChecks,
    ::testing::Values(
        UserMessageRow{"FirstOne", {}, u"WM_REFRESHVIEW"_s, u"1"_s, QString(),
                       {u"WM_REFRESHVIEW[WM_USER + 1]}  "_s}},
        UserMessageRow{"SameNameWithAnotherOffset", {u"WM_REFRESHVIEW[WM_USER + 1]}"_s},
                       u"WM_REFRESHVIEW"_s, u"2"_s, u"That message is already defined."_s,
                       {u"WM_REFRESHVIEW[WM_USER + 1]}"_s}},
        UserMessageRow{"SameNameComesBeforeSameOffset", {u"WM_REFRESHVIEW[WM_USER + 1]}"_s},
                       u"WM_REFRESHVIEW"_s, u"1"_s, u"That message is already defined."_s,
                       {u"WM_REFRESHVIEW[WM_USER + 1]}"_s}},
        UserMessageRow{"SameOffsetWhateverTheName", {u"WM_A[WM_USER + 7]}"_s, u"WM_B[WM_USER + 1]}"_s},
                       u"WM_C"_s, u"1"_s, u"WM_USER + 1 has already been chosen."_s,
                       {u"WM_A[WM_USER + 7]}"_s, u"WM_B[WM_USER + 1]}"_s}},
        UserMessageRow{"StandardNameIsAcceptedAtTheLargestOffset", {}, u"WM_PAINT"_s, u"99999"_s,
                       QString(), {u"WM_PAINT[WM_USER + 99999]}  "_s}},
        UserMessageRow{"OffsetOfANameWithABlankIsReadFromItsBracket", {u"MY MSG[WM_USER + 3]}"_s},
                       u"WM_GO"_s, u"3"_s, u"WM_USER + 3 has already been chosen."_s,
                       {u"MY MSG[WM_USER + 3]}"_s}},
        UserMessageRow{"NameWithABlankBlocksNothing", {u"MY MSG[WM_USER + 3]}"_s},
                       u"WM_GO"_s, u"4"_s, QString(),
                       {u"MY MSG[WM_USER + 3]}"_s, u"WM_GO[WM_USER + 4]}  "_s}},
        UserMessageRow{"NameWithABracketBlocksNothing", {u"A[B[WM_USER + 1]}"_s, u"C]D[WM_USER + 2]}"_s},
                       u"WM_GO"_s, u"3"_s, QString(),
                       {u"A[B[WM_USER + 1]}"_s, u"C]D[WM_USER + 2]}"_s, u"WM_GO[WM_USER + 3]}  "_s}},
        UserMessageRow{"OffsetOfANameWithBracketsIsReadFromTheLastGroup",
                       {u"[X]Y[WM_USER + 5]}"_s}, u"WM_GO"_s, u"5"_s,
                       u"WM_USER + 5 has already been chosen."_s, {u"[X]Y[WM_USER + 5]}"_s}},
        UserMessageRow{"BracketWithoutANumberStops", {u"WM_X[WM_USER + A]}"_s},
                       u"WM_GO"_s, u"4"_s, u"'A' is not a valid integer value"_s,
                       {u"WM_X[WM_USER + A]}"_s}}),
    [](const auto &info) { return std::string(info.param.name); });

class NamingQuestion : public MessageHandlersPageTest, public ::testing::WithParamInterface<NamingRow>
{
};

TEST_P(NamingQuestion, NoKeepsTheNameAndAddsNothing)
{
    prompts.answer(GetParam().answer);
    page.Button8->setFocus();
    add(u"REFRESH"_s, u"2"_s);
    ASSERT_EQ(prompts.log().size(), 1);
    EXPECT_EQ(prompts.log()[0].kind, Kind::Warning);
    EXPECT_EQ(prompts.log()[0].text, "Message names generally take the form XX_MESSAGENAME ");
    EXPECT_EQ(prompts.log()[0].buttons, UserPrompts::Buttons::YesNo);
    EXPECT_EQ(spec.UserMessages,
              GetParam().added ? QStringList({u"REFRESH[WM_USER + 2]}  "_s}) : QStringList());
    EXPECT_EQ(page.messname->text(), GetParam().added ? "" : "REFRESH");
    EXPECT_EQ(page.focusWidget(), page.messname);
}

INSTANTIATE_TEST_SUITE_P(MessageHandlersPage, NamingQuestion,
                         ::testing::Values(NamingRow{"Yes", Answer::Yes, true},
                                           NamingRow{"No", Answer::No, false},
                                           NamingRow{"Closed", Answer::Cancel, true}),
                         [](const auto &info) { return std::string(info.param.name); });

class OffsetRange : public MessageHandlersPageTest, public ::testing::WithParamInterface<OffsetRow>
{
};

TEST_P(OffsetRange, IsAWholeNumberFromOneTo99999)
{
    add(u"WM_GO"_s, GetParam().typed);
    EXPECT_EQ(spec.UserMessages, QStringList({GetParam().line}));
}

INSTANTIATE_TEST_SUITE_P(
    MessageHandlersPage, OffsetRange,
    ::testing::Values(OffsetRow{"Smallest", u"1"_s, u"WM_GO[WM_USER + 1]}  "_s},
                      OffsetRow{"Largest", u"99999"_s, u"WM_GO[WM_USER + 99999]}  "_s},
                      OffsetRow{"SixthDigitGivesTheLargest", u"123456"_s, u"WM_GO[WM_USER + 99999]}  "_s},
                      OffsetRow{"EmptiedCountsAsOne", QString(), u"WM_GO[WM_USER + 1]}  "_s},
                      OffsetRow{"ZeroCountsAsOne", u"0"_s, u"WM_GO[WM_USER + 1]}  "_s},
                      OffsetRow{"LettersRefused", u"x7"_s, u"WM_GO[WM_USER + 7]}  "_s}),
    [](const auto &info) { return std::string(info.param.name); });

class OffsetLeavingTheField : public MessageHandlersPageTest,
                              public ::testing::WithParamInterface<LeavingRow>
{
};

// The field starts at 7, so a text put back to the previous value shows.
TEST_P(OffsetLeavingTheField, IsBroughtIntoRange)
{
    page.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&page));
    page.SpinEdit1->setValue(7);
    page.SpinEdit1->setFocus();
    retype(page.SpinEdit1, GetParam().typed);
    page.messname->setFocus();
    EXPECT_EQ(page.SpinEdit1->text(), GetParam().shown);
    EXPECT_EQ(page.SpinEdit1->value(), GetParam().shown.toInt());
}

INSTANTIATE_TEST_SUITE_P(
    MessageHandlersPage, OffsetLeavingTheField,
    ::testing::Values(LeavingRow{"ZeroGivesOne", u"0"_s, u"1"_s},
                      LeavingRow{"EmptyGivesOne", QString(), u"1"_s},
                      LeavingRow{"SixthDigitGivesTheLargest", u"123456"_s, u"99999"_s},
                      LeavingRow{"LargestStays", u"99999"_s, u"99999"_s},
                      LeavingRow{"InRangeStays", u"42"_s, u"42"_s}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(MessageHandlersPageTest, TypedLettersBecomeUpperCaseAndAddResetsTheName)
{
    retype(page.SpinEdit1, u"5"_s);
    QTest::keyClicks(page.messname, u"wm_go"_s);
    EXPECT_EQ(page.messname->text(), "WM_GO");
    EXPECT_TRUE(page.Button7->isEnabled());
    click(page.Button7);
    EXPECT_EQ(spec.UserMessages, QStringList({u"WM_GO[WM_USER + 5]}  "_s}));
    EXPECT_EQ(stateOf(page.messname), "enabled, \"\"");
    EXPECT_FALSE(page.Button7->isEnabled());
    EXPECT_TRUE(page.Button8->isEnabled());
    EXPECT_EQ(page.SpinEdit1->value(), 5);
    EXPECT_EQ(page.focusWidget(), page.messname);
}

TEST_F(MessageHandlersPageTest, RemoveNeedsASelectedLineAndStaysWhileLinesRemain)
{
    open({u"WM_A[WM_USER + 1]}"_s, u"WM_B[WM_USER + 2]}"_s, u"WM_C[WM_USER + 3]}"_s});
    EXPECT_FALSE(page.Button8->isEnabled()) << "only a click enables it";
    clickRow(page.userlist, 1);
    EXPECT_TRUE(page.Button8->isEnabled());
    click(page.Button8);
    EXPECT_EQ(spec.UserMessages, QStringList({u"WM_A[WM_USER + 1]}"_s, u"WM_C[WM_USER + 3]}"_s}));
    EXPECT_TRUE(page.Button8->isEnabled());
    click(page.Button8);
    EXPECT_EQ(spec.UserMessages.size(), 2) << "nothing selected, nothing removed";

    clickRow(page.userlist, 0);
    click(page.Button8);
    EXPECT_TRUE(page.Button8->isEnabled());
    clickRow(page.userlist, 0);
    click(page.Button8);
    EXPECT_TRUE(spec.UserMessages.isEmpty());
    EXPECT_FALSE(page.Button8->isEnabled());

    add(u"WM_D"_s, u"4"_s);
    document.reset();
    EXPECT_TRUE(itemsOf(page.userlist).isEmpty());
    EXPECT_TRUE(page.Button8->isEnabled()) << "Reset leaves it as it is";
}
