// The comment dialog: opened by the comment button, its text kept whichever
// way it is closed, and its length limit on what the user types.
#include "editor/memoform.h"
#include "rowname.h"

#include "awk/awk.h"
#include "editor/propertiespage.h"
#include "model/specdocument.h"
#include "scriptedprompts.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

enum class Closing { OkButton, CancelButton, Escape };

struct ClosingRow {
    const char *name;
    Closing closing;
};

UF_ROW_NAME(ClosingRow)

} // namespace

class CommentDialogClosing : public ::testing::TestWithParam<ClosingRow>
{
protected:
    SpecDocument document;
    TAwk awk;
    ScriptedPrompts prompts;
    Tmemoform memoform;
    PropertiesPage page{PageContext{document, awk, prompts, memoform}};
};

TEST_P(CommentDialogClosing, KeepsTheText)
{
    memoform.setText(u"old "_s);
    bool wasModal = false;
    // Runs inside the dialog's own event loop, as the user would.
    QTimer::singleShot(0, &memoform, [&] {
        wasModal = QApplication::activeModalWidget() == &memoform;
        memoform.Memo1()->moveCursor(QTextCursor::End);
        QTest::keyClicks(memoform.Memo1(), u"note"_s);
        switch (GetParam().closing) {
        case Closing::OkButton:
            QTest::mouseClick(memoform.Button1(), Qt::LeftButton);
            break;
        case Closing::CancelButton:
            QTest::mouseClick(memoform.Button2(), Qt::LeftButton);
            break;
        case Closing::Escape:
            QTest::keyClick(memoform.Memo1(), Qt::Key_Escape);
            break;
        }
    });
    page.show();
    QTest::mouseClick(page.SpeedButton1, Qt::LeftButton);
    EXPECT_TRUE(wasModal);
    EXPECT_FALSE(memoform.isVisible());
    EXPECT_EQ(memoform.text(), "old note");
    EXPECT_EQ(memoform.windowTitle(), "Source Code Comments");
}

INSTANTIATE_TEST_SUITE_P(Tmemoform, CommentDialogClosing,
                         ::testing::Values(ClosingRow{"Ok", Closing::OkButton},
                                           ClosingRow{"Cancel", Closing::CancelButton},
                                           ClosingRow{"Escape", Closing::Escape}),
                         [](const auto &info) { return std::string(info.param.name); });

// Whatever had the focus when the dialog closed, the next opening takes
// typing into the text.
TEST_P(CommentDialogClosing, EveryOpeningTypesIntoTheText)
{
    page.show();
    QStringList focused;
    for (const QString &typed : {u"one"_s, u" two"_s}) {
        QTimer::singleShot(0, &memoform, [&] {
            // What has the dialog's focus takes the keys typed into it.
            QWidget *focus = memoform.focusWidget();
            focused.append(focus ? focus->objectName() : u"nothing"_s);
            if (focus)
                QTest::keyClicks(focus, typed);
            switch (GetParam().closing) {
            case Closing::OkButton:
                memoform.Button1()->setFocus(Qt::MouseFocusReason);
                QTest::mouseClick(memoform.Button1(), Qt::LeftButton);
                break;
            case Closing::CancelButton:
                memoform.Button2()->setFocus(Qt::MouseFocusReason);
                QTest::mouseClick(memoform.Button2(), Qt::LeftButton);
                break;
            case Closing::Escape:
                QTest::keyClick(focus ? focus : &memoform, Qt::Key_Escape);
                break;
            }
        });
        QTest::mouseClick(page.SpeedButton1, Qt::LeftButton);
    }
    EXPECT_EQ(focused, QStringList({u"Memo1"_s, u"Memo1"_s}));
    EXPECT_EQ(memoform.text(), "one two");
}

TEST(Tmemoform, TypingStopsAtTheLimitWithoutLosingWhatIsThere)
{
    Tmemoform memoform;
    const QString full = QString(Tmemoform::kMaxLength - 2, u'a') + u"yz"_s;
    memoform.Memo1()->setFocus();
    QTest::keyClicks(memoform.Memo1(), QString(Tmemoform::kMaxLength - 2, u'a'));
    QTest::keyClicks(memoform.Memo1(), u"yz!"_s);
    EXPECT_EQ(memoform.text(), full);

    QTextCursor cursor = memoform.Memo1()->textCursor();
    cursor.setPosition(3);
    memoform.Memo1()->setTextCursor(cursor);
    QTest::keyClicks(memoform.Memo1(), u"b"_s);
    EXPECT_EQ(memoform.text(), full) << "a character typed in the middle is refused, the end stays";

    QTest::keyClick(memoform.Memo1(), Qt::Key_Backspace);
    QTest::keyClicks(memoform.Memo1(), u"bc"_s);
    EXPECT_EQ(memoform.text(), u"aab"_s + full.mid(3)) << "one place was free";
}

// Edit-back puts a stored comment back whole, however long: only typing is limited.
TEST(Tmemoform, TextSetByTheProgramIsKeptWholeAndCannotGrow)
{
    Tmemoform memoform;
    const QString stored = QString(300, u'c') + QChar(QChar::Nbsp) + u"\nend"_s;
    memoform.setText(stored);
    EXPECT_EQ(memoform.text(), stored);

    memoform.Memo1()->moveCursor(QTextCursor::End);
    QTest::keyClicks(memoform.Memo1(), u"x"_s);
    EXPECT_EQ(memoform.text(), stored);
    QTest::keyClick(memoform.Memo1(), Qt::Key_Backspace);
    QTest::keyClicks(memoform.Memo1(), u"xy"_s);
    EXPECT_EQ(memoform.text(), stored.chopped(1)) << "still past the limit";
}

// The controls are made when the dialog is first shown; the text set before
// then is in them, and the text control has the name its label gives it.
TEST(Tmemoform, ShownForTheFirstTimeHoldsTheTextSetBefore)
{
    Tmemoform memoform;
    memoform.setText(u"set before"_s);
    memoform.show();
    const auto *memo = memoform.findChild<QPlainTextEdit *>(u"Memo1"_s);
    ASSERT_NE(memo, nullptr);
    EXPECT_TRUE(memo->isVisible());
    EXPECT_EQ(memo->toPlainText(), "set before");
    EXPECT_EQ(memo->accessibleName(), "Enter a comment to be included in the source file");
    memoform.hide();
}
