// Keys the window sees before the focused control: F1, Page Down, Page Up.
#include "builderfixture.h"

#include "app/outputpage.h"
#include "app/stylepage.h"
#include "editor/classpage.h"
#include "rowname.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>

namespace {

// Counts the key releases that reach the control itself.
class ReleaseCounter : public QObject
{
public:
    int count = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::KeyRelease)
            ++count;
        return false;
    }
};

} // namespace

using WindowKeys = BuilderTest;

struct PageKeyRow {
    const char *name;
    int from;
    Qt::Key key;
    int to;
};
UF_ROW_NAME(PageKeyRow)

class PageKeys : public BuilderTest, public ::testing::WithParamInterface<PageKeyRow>
{
};

TEST_P(PageKeys, TurnThePagesWithWrapAround)
{
    const PageKeyRow row = GetParam();
    auto *pages = find<QTabWidget>("PageControl1");
    builder->showPage(row.from);
    QTest::keyClick(pages->currentWidget(), row.key);
    EXPECT_EQ(pages->currentIndex(), row.to);
}

INSTANTIATE_TEST_SUITE_P(WindowKeys, PageKeys,
                         ::testing::Values(PageKeyRow{"DownFromPage0", 0, Qt::Key_PageDown, 1},
                                           PageKeyRow{"DownFromPage5", 5, Qt::Key_PageDown, 6},
                                           PageKeyRow{"DownFromPage6", 6, Qt::Key_PageDown, 0},
                                           PageKeyRow{"UpFromPage0", 0, Qt::Key_PageUp, 6},
                                           PageKeyRow{"UpFromPage3", 3, Qt::Key_PageUp, 2}), RowName());

TEST_F(WindowKeys, PageDownTurnsOncePerKeyFromADeepControl)
{
    auto *pages = find<QTabWidget>("PageControl1");
    // A line edit passes the release on to its parents: still one page.
    QTest::keyClick(builder->classPage->ancestorbox->lineEdit(), Qt::Key_PageDown);
    EXPECT_EQ(pages->currentIndex(), 1);
    QTest::keyClick(builder->classPage->clname, Qt::Key_PageDown);
    EXPECT_EQ(pages->currentIndex(), 2);
}

TEST_F(WindowKeys, TheFocusedControlStillGetsTheKey)
{
    builder->showPage(TBuilder::OutputPageIndex);
    QPlainTextEdit *memo = builder->outputPage()->Memo1;
    ReleaseCounter counter;
    memo->installEventFilter(&counter);
    QTest::keyClick(memo, Qt::Key_PageDown);
    EXPECT_EQ(counter.count, 1);
    EXPECT_EQ(find<QTabWidget>("PageControl1")->currentIndex(), TBuilder::StylePageIndex);
}

TEST_F(WindowKeys, F1OpensTheTopicOfTheFocusedControl)
{
    QTest::keyClick(builder->classPage->clname, Qt::Key_F1);
    QTest::keyClick(builder->classPage->ancestorbox->lineEdit(), Qt::Key_F1);
    EXPECT_EQ(help.shown, QList<int>({41005, 41005}));
}

TEST_F(WindowKeys, HelpButtonAndMenuOpenTheContents)
{
    QTest::mouseClick(find<QWidget>("btnhelp"), Qt::LeftButton);
    action("UnitforgeHelp1")->trigger();
    EXPECT_EQ(help.shown, QList<int>({0, 0}));
}

struct PageKeyFieldRow {
    const char *name;
    int page;
    const char *field;
};
UF_ROW_NAME(PageKeyFieldRow)

class PageKeysLeaveFields : public WindowKeys, public ::testing::WithParamInterface<PageKeyFieldRow>
{
};

// Page Down turns the page; it must not also step the focused field's value.
TEST_P(PageKeysLeaveFields, TurnThePageWithoutChangingTheFocusedField)
{
    builder->showPage(GetParam().page);
    QWidget *field = find<QWidget>(GetParam().field);
    field->setFocus();
    const QString before = field->property("currentText").isValid()
        ? field->property("currentText").toString() : field->property("value").toString();
    QTest::keyClick(field, Qt::Key_PageDown);
    const QString after = field->property("currentText").isValid()
        ? field->property("currentText").toString() : field->property("value").toString();
    EXPECT_EQ(after, before);
    EXPECT_EQ(find<QTabWidget>("PageControl1")->currentIndex(), (GetParam().page + 1) % TBuilder::PageCount);
}

INSTANTIATE_TEST_SUITE_P(
    WindowKeys, PageKeysLeaveFields,
    ::testing::Values(PageKeyFieldRow{"AncestorBox", TBuilder::ClassPageIndex, "ancestorbox"},
                      PageKeyFieldRow{"SeparatorLength", TBuilder::StylePageIndex, "numchars"}),
    [](const auto &info) { return std::string(info.param.name); });
