// What a screen reader and a keyboard user meet on each page: every control
// has a name, every glyph button a name and a description, and Tab visits
// the page's controls in reading order.
#include "builderfixture.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QRegularExpression>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTest>

#include "app/outputpage.h"

namespace {

// Roles a user acts on; the walk stops at them.
bool isControl(QAccessible::Role role)
{
    switch (role) {
    case QAccessible::PushButton:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ComboBox:
    case QAccessible::EditableText:
    case QAccessible::SpinBox:
    case QAccessible::List:
    case QAccessible::Table:
    case QAccessible::Tree:
    case QAccessible::ButtonMenu:
    case QAccessible::ButtonDropDown:
    case QAccessible::Slider:
        return true;
    default:
        return false;
    }
}

QString describe(QAccessibleInterface *item)
{
    const QObject *object = item->object();
    QString name = object ? object->objectName() : QString();
    for (const QObject *o = object ? object->parent() : nullptr; name.isEmpty() && o; o = o->parent())
        name = o->objectName().isEmpty() ? QString() : QStringLiteral("a part of ") + o->objectName();
    return name + QStringLiteral(" (role ") + QString::number(item->role()) + u')';
}

// The controls under item that a screen reader could not name.
void collectNameless(QAccessibleInterface *item, QStringList &nameless)
{
    for (int i = 0; i < item->childCount(); ++i) {
        QAccessibleInterface *child = item->child(i);
        if (!child || child->state().invisible)
            continue;
        if (isControl(child->role())) {
            if (child->text(QAccessible::Name).trimmed().isEmpty())
                nameless.append(describe(child));
            continue;
        }
        collectNameless(child, nameless);
    }
}

QString withoutMnemonic(QString caption)
{
    return caption.remove(QRegularExpression(QStringLiteral("&(?!&)")));
}

} // namespace

using OutputTextKeys = BuilderTest;

class PageAccessibility : public BuilderTest, public testing::WithParamInterface<int>
{
protected:
    QWidget *pageWidget() const { return builder->PageControl1->widget(GetParam()); }
    void showPage() { builder->showPage(GetParam()); QApplication::processEvents(); }
};

TEST_P(PageAccessibility, EveryControlHasAName)
{
    showPage();
    QStringList nameless;
    collectNameless(QAccessible::queryAccessibleInterface(pageWidget()), nameless);
    EXPECT_TRUE(nameless.isEmpty()) << nameless.join(u", ").toStdString();
}

TEST_P(PageAccessibility, EveryGlyphButtonSaysWhatItDoes)
{
    showPage();
    for (QAbstractButton *button : pageWidget()->findChildren<QAbstractButton *>()) {
        if (button->icon().isNull())
            continue;
        const QString caption = withoutMnemonic(button->text());
        const QString hint = button->statusTip();
        const std::string name = button->objectName().toStdString();
        EXPECT_FALSE(button->accessibleName().isEmpty()) << name;
        EXPECT_EQ(button->accessibleName(), caption.isEmpty() ? hint : caption) << name;
        EXPECT_EQ(button->accessibleDescription(), hint.isEmpty() ? caption : hint) << name;
    }
}

// Tab from the first control reaches every control of the page once, top to
// bottom and, within a row, left to right, before leaving the page.
TEST_P(PageAccessibility, TabVisitsTheControlsInReadingOrder)
{
    showPage();
    QWidget *page = pageWidget();
    QList<QWidget *> reachable;
    for (QWidget *w : page->findChildren<QWidget *>()) {
        if (w->isVisibleTo(page) && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus)
            && !w->focusProxy())
            reachable.append(w);
    }
    ASSERT_FALSE(reachable.isEmpty());
    QWidget *first = page->nextInFocusChain();
    while (!reachable.contains(first))
        first = first->nextInFocusChain();
    QList<QWidget *> visited;
    for (QWidget *w = first; visited.size() <= reachable.size(); w = w->nextInFocusChain()) {
        if (reachable.contains(w)) {
            if (visited.contains(w))
                break;
            visited.append(w);
        }
    }
    EXPECT_EQ(visited.size(), reachable.size());
    for (qsizetype i = 1; i < visited.size(); ++i) {
        const QRect before(visited[i - 1]->mapTo(page, QPoint()), visited[i - 1]->size());
        const QRect now(visited[i]->mapTo(page, QPoint()), visited[i]->size());
        // The next control starts below the last one's middle, or beside it on its right.
        const bool below = now.top() > before.center().y();
        const bool right = now.left() >= before.right() && now.top() < before.bottom();
        EXPECT_TRUE(below || right) << visited[i - 1]->objectName().toStdString() << " then "
                                    << visited[i]->objectName().toStdString();
    }
}

std::string pageName(const testing::TestParamInfo<int> &info)
{
    const char *names[] = {"Class", "Properties", "Methods", "EventHandlers", "MessageHandlers",
                           "Output", "Style"};
    return names[info.param];
}

INSTANTIATE_TEST_SUITE_P(Accessibility, PageAccessibility, testing::Range(0, 7), pageName);

// Tab types a tab into the Output text; Shift+Tab is the keyboard's way out.
TEST_F(OutputTextKeys, ShiftTabLeavesTheOutputText)
{
    builder->showPage(TBuilder::OutputPageIndex);
    QApplication::setActiveWindow(builder.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(builder.get()));
    QPlainTextEdit *memo = builder->outputPage()->Memo1;
    memo->setFocus();
    QTest::keyClick(memo, Qt::Key_Tab);
    EXPECT_EQ(memo->toPlainText(), "\t");
    QTest::keyClick(memo, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_NE(QApplication::focusWidget(), memo);
    EXPECT_EQ(memo->toPlainText(), "\t");
}

using ButtonBarAccessibility = BuilderTest;

TEST_F(ButtonBarAccessibility, GlyphButtonsSayWhatTheyDo)
{
    struct Row {
        const char *name, *accessibleName, *description;
    };
    const Row rows[] = {{"BitBtn1", "Exit", "Quit Unitforge"},
                        {"BitBtn5", "Open", "Open *.spc file"},
                        {"btnBuild", "Build", "Build the source output"},
                        {"BitBtn3", "Save", "Save to a .pas file"},
                        {"btnhelp", "Help", "Unitforge Help"}};
    for (const Row &row : rows) {
        auto *button = find<QAbstractButton>(row.name);
        ASSERT_TRUE(button);
        EXPECT_EQ(button->accessibleName(), row.accessibleName) << row.name;
        EXPECT_EQ(button->accessibleDescription(), row.description) << row.name;
    }
}
