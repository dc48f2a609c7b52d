// Reading the unit on the Output page: colouring that follows the chosen
// colours and can be turned off for good, the insertion point's line and
// column, and the keys of Linux editors for searching, printing and saving.
#include "outputfixture.h"

#include "app/cursorpositionlabel.h"
#include "app/finddialog.h"
#include "app/replacedialog.h"
#include "app/pascalhighlighter.h"
#include "editor/classpage.h"
#include "../../rowname.h"

#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

namespace {
const QString kUnit = QStringLiteral("unit Gauge;\n{ a comment }\ninterface\nconst Name = 'Gauge';\nend.\n");

// The colour the line's first character is drawn in; invalid when uncoloured.
QColor firstCharacterColour(const QPlainTextEdit *memo, int line)
{
    const QTextBlock block = memo->document()->findBlockByNumber(line);
    for (const QTextLayout::FormatRange &range : block.layout()->formats()) {
        if (range.start == 0 && range.format.hasProperty(QTextFormat::ForegroundBrush))
            return range.format.foreground().color();
    }
    return {};
}
} // namespace

using ReadingPascal = OutputPageTest;

TEST_F(ReadingPascal, TheUnitIsColouredFromTheStart)
{
    page->setLines(kUnit.split(u'\n'));
    EXPECT_TRUE(action("SyntaxColors1")->isChecked());
    EXPECT_EQ(firstCharacterColour(memo, 1),
              page->highlighter()->format(PascalHighlighter::Kind::Comment).foreground().color());
}

TEST_F(ReadingPascal, TurnedOffTheTextIsPlainAndStaysSoAfterARestart)
{
    page->setLines(kUnit.split(u'\n'));
    action("SyntaxColors1")->trigger();
    EXPECT_FALSE(firstCharacterColour(memo, 1).isValid());
    page->markSaved();
    ASSERT_TRUE(builder->close());   // writes the settings
    reopen();
    EXPECT_FALSE(action("SyntaxColors1")->isChecked());
    page->setLines(kUnit.split(u'\n'));
    EXPECT_FALSE(firstCharacterColour(memo, 1).isValid());
    action("SyntaxColors1")->trigger();
    EXPECT_TRUE(firstCharacterColour(memo, 1).isValid());
}

// The colours are worked out again whenever the text or background colour changes.
TEST_F(ReadingPascal, ColoursStayReadableOnANewBackground)
{
    page->setLines(kUnit.split(u'\n'));
    prompts.color(QColor(Qt::black)).color(QColor(Qt::white));
    action("BackgroundColor1")->trigger();
    action("FontColor1")->trigger();
    for (const int line : {1, 3}) {
        const QColor colour = firstCharacterColour(memo, line);
        ASSERT_TRUE(colour.isValid()) << line;
        EXPECT_GE(PascalHighlighter::contrastRatio(colour, Qt::black), 4.5) << line;
    }
}

// Only the background made dark, the text colour left black: the reserved
// words and the plain text are shown readable while the text is coloured, and
// in the colour chosen when it is not; the chosen colour is what is kept.
TEST_F(ReadingPascal, BlackTextOnADarkBackgroundIsShownReadable)
{
    page->setLines(kUnit.split(u'\n'));
    const QColor navy(0x00, 0x00, 0x80);
    prompts.color(navy);
    action("BackgroundColor1")->trigger();
    const QColor keyword = firstCharacterColour(memo, 0);   // "unit"
    ASSERT_TRUE(keyword.isValid());
    EXPECT_GE(PascalHighlighter::contrastRatio(keyword, navy), 4.5);
    EXPECT_GE(PascalHighlighter::contrastRatio(memo->palette().color(QPalette::Text), navy), 4.5);
    EXPECT_EQ(page->fontColor(), QColor(Qt::black));
    QDir().mkpath(QStringLiteral(UF_SCREENSHOT_DIR));
    builder->showPage(TBuilder::OutputPageIndex);
    EXPECT_TRUE(builder->grab().save(QStringLiteral(UF_SCREENSHOT_DIR "/output-dark-background.png")));

    action("SyntaxColors1")->trigger();
    EXPECT_EQ(memo->palette().color(QPalette::Text), QColor(Qt::black));
}

TEST_F(ReadingPascal, ColouringChangesNeitherTheLinesNorTheirSavedState)
{
    page->setLines(kUnit.split(u'\n'));
    page->markSaved();
    const QStringList lines = page->lines();
    action("SyntaxColors1")->trigger();
    action("SyntaxColors1")->trigger();
    EXPECT_FALSE(page->isUnsaved());
    EXPECT_FALSE(memo->document()->isUndoAvailable());
    EXPECT_EQ(page->lines(), lines);
}

// ---- the insertion point -----------------------------------------------------------------

struct PositionRow {
    const char *name;
    bool wordWrap;
    int position;      // in the text below
    const char *shown;
};
UF_ROW_NAME(PositionRow)

class CursorPosition : public OutputPageTest, public testing::WithParamInterface<PositionRow>
{
};

// A long first line that word wrap breaks on the screen is still line 1.
TEST_P(CursorPosition, ShowsTheLineAndColumnAsTyped)
{
    const PositionRow row = GetParam();
    memo->resize(200, 200);
    page->setWordWrap(row.wordWrap);
    memo->setPlainText(QString(300, u'x') + QStringLiteral("\nab\tc\n"));
    QTextCursor cursor = memo->textCursor();
    cursor.setPosition(row.position);
    memo->setTextCursor(cursor);
    EXPECT_EQ(page->cursorpanel->text(), row.shown);
    EXPECT_TRUE(page->cursorpanel->isVisibleTo(page->Panel5));
}

INSTANTIATE_TEST_SUITE_P(
    ReadingPascal, CursorPosition,
    testing::Values(PositionRow{"Start", false, 0, "Ln 1, Col 1"},
                    PositionRow{"EndOfALongLine", false, 300, "Ln 1, Col 301"},
                    PositionRow{"WrappedPartOfALongLine", true, 250, "Ln 1, Col 251"},
                    PositionRow{"AfterATabAndALetter", false, 305, "Ln 2, Col 5"},
                    PositionRow{"LastEmptyLine", false, 306, "Ln 3, Col 1"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(ReadingPascal, ThePanelKeepsTheFileNameBesideThePosition)
{
    builder->classPage->clname->setText(QStringLiteral("TGauge"));
    action("BuildOutput1")->trigger();
    EXPECT_EQ(page->Panel5->text(), builder->classPage->unitname->text().toLower());
    EXPECT_EQ(page->cursorpanel->text(), "Ln 1, Col 1");
}

// ---- keys ---------------------------------------------------------------------------------

class EditorKeys : public OutputPageTest
{
protected:
    void SetUp() override
    {
        OutputPageTest::SetUp();
        QApplication::setActiveWindow(builder.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(builder.get()));
        memo->setPlainText(QStringLiteral("Count a Count b Count"));
    }
    void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
    }
};

struct KeyRow {
    const char *name;
    int key;
    Qt::KeyboardModifiers modifiers;
    const char *item;
    const char *focus;   // the control the key is pressed in
};
UF_ROW_NAME(KeyRow)

class EditorKey : public EditorKeys, public testing::WithParamInterface<KeyRow>
{
};

// Pressed in the Output text or in a field of another page, the key runs its item.
TEST_P(EditorKey, RunsItsMenuItem)
{
    const KeyRow row = GetParam();
    QAction *item = action(row.item);
    ASSERT_TRUE(item);
    QObject::disconnect(item, &QAction::triggered, nullptr, nullptr);
    int triggered = 0;
    QObject::connect(item, &QAction::triggered, [&triggered] { ++triggered; });
    // The comment dialog has a Memo1 of its own.
    QWidget *focus = row.focus == std::string("Memo1") ? memo : find<QWidget>(row.focus);
    builder->showPage(focus == memo ? TBuilder::OutputPageIndex : TBuilder::ClassPageIndex);
    focus->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), focus);
    const QString before = memo->toPlainText();
    press(row.key, row.modifiers);
    EXPECT_EQ(triggered, 1);
    EXPECT_EQ(memo->toPlainText(), before) << "the text control took the key too";
}

INSTANTIATE_TEST_SUITE_P(
    ReadingPascal, EditorKey,
    testing::Values(KeyRow{"CtrlF", Qt::Key_F, Qt::ControlModifier, "Find1", "Memo1"},
                    KeyRow{"F3", Qt::Key_F3, Qt::NoModifier, "FindNext1", "Memo1"},
                    KeyRow{"ShiftF3", Qt::Key_F3, Qt::ShiftModifier, "FindPrevious1", "Memo1"},
                    KeyRow{"CtrlH", Qt::Key_H, Qt::ControlModifier, "Replace1", "Memo1"},
                    KeyRow{"CtrlS", Qt::Key_S, Qt::ControlModifier, "SavetoFile1", "Memo1"},
                    KeyRow{"CtrlP", Qt::Key_P, Qt::ControlModifier, "Print1", "Memo1"},
                    KeyRow{"CtrlHInAField", Qt::Key_H, Qt::ControlModifier, "Replace1", "clname"},
                    KeyRow{"CtrlFInAField", Qt::Key_F, Qt::ControlModifier, "Find1", "clname"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(EditorKeys, FindShowsTheOutputPageAndItsFindDialog)
{
    builder->showPage(TBuilder::ClassPageIndex);
    action("Find1")->trigger();
    EXPECT_EQ(builder->PageControl1->currentIndex(), TBuilder::OutputPageIndex);
    EXPECT_TRUE(page->FindDialog1->isVisible());
    action("Replace1")->trigger();
    EXPECT_TRUE(page->ReplaceDialog1->isVisible());
}

// The find dialog's text and options, its direction overruled by the key.
TEST_F(EditorKeys, F3AndShiftF3FindTheNextAndThePreviousOccurrence)
{
    page->FindDialog1->setFindText(QStringLiteral("count"));
    QList<int> starts;
    for (const char *item : {"FindNext1", "FindNext1", "FindNext1", "FindPrevious1", "FindPrevious1"}) {
        action(item)->trigger();
        starts.append(selectionStart());
    }
    EXPECT_EQ(starts, QList<int>({0, 8, 16, 8, 0}));
    EXPECT_TRUE(prompts.log().isEmpty());
    prompts.answer(UserPrompts::Answer::Ok);
    action("FindPrevious1")->trigger();
    EXPECT_EQ(prompts.messageTexts(), QStringList({"Not found"}));
    EXPECT_EQ(selectionStart(), 0);
}

TEST_F(EditorKeys, F3WithNothingSoughtYetOpensTheFindDialog)
{
    action("FindNext1")->trigger();
    EXPECT_TRUE(page->FindDialog1->isVisible());
    EXPECT_TRUE(prompts.log().isEmpty());
}

TEST_F(EditorKeys, TheSearchItemsFollowWhetherThereIsTextToSearch)
{
    EXPECT_TRUE(action("Find1")->isEnabled());
    memo->clear();
    for (const char *item : {"Find1", "FindNext1", "FindPrevious1", "Replace1"})
        EXPECT_FALSE(action(item)->isEnabled()) << item;
}
