// The help's reach: every menu item has a topic that exists, the contents
// page links every topic and every link leads to one, and F1 on a control or
// menu item without a topic of its own shows the nearest one.
#include "builderfixture.h"

#include "app/helptopics.h"
#include "app/helpwindow.h"
#include "rowname.h"

#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTest>

namespace {

// Every item of the menus, submenus and their items included; the entries of
// the recent specifications are files, not items of the program.
QList<QAction *> menuItems(const QList<QAction *> &actions)
{
    QList<QAction *> items;
    for (QAction *action : actions) {
        if (action->isSeparator())
            continue;
        items.append(action);
        const QMenu *submenu = QMenu::menuInAction(action);
        if (submenu && submenu->objectName() != QLatin1String("RecentSpecifications1"))
            items.append(menuItems(submenu->actions()));
    }
    return items;
}

QString pageText(const QString &name)
{
    QFile file(QStringLiteral(":/help/") + name);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

using HelpTopics = BuilderTest;

TEST_F(HelpTopics, EveryMenuItemHasATopicThatExists)
{
    const QList<QAction *> items = menuItems(builder->menuBar()->actions());
    ASSERT_GT(items.size(), 40);
    for (const QAction *item : items) {
        const QMenu *submenu = QMenu::menuInAction(item);
        const QObject *subject = submenu ? static_cast<const QObject *>(submenu) : item;
        const int topic = helpTopicOf(subject);
        EXPECT_FALSE(HelpWindow::topicUrl(topic).isEmpty())
            << "the menu item " << item->text().toStdString() << " ("
            << subject->objectName().toStdString() << ") has no help topic: " << topic;
    }
}

TEST_F(HelpTopics, ContentsLinkEveryTopicAndEveryLinkLeadsToAPage)
{
    HelpWindow window;   // makes the pages known
    const QStringList pages = QDir(QStringLiteral(":/help")).entryList({QStringLiteral("*.html")});
    ASSERT_GT(pages.size(), 20);
    const QString contents = pageText(QStringLiteral("contents.html"));
    static const QRegularExpression link(QStringLiteral("href=\"([^\"]*)\""));
    for (const QString &page : pages) {
        if (page != QLatin1String("contents.html"))
            EXPECT_TRUE(contents.contains(QStringLiteral("href=\"") + page + u'"'))
                << "the contents do not link " << page.toStdString();
        for (const QRegularExpressionMatch &m : link.globalMatch(pageText(page)))
            EXPECT_TRUE(pages.contains(m.captured(1)))
                << page.toStdString() << " links the missing " << m.captured(1).toStdString();
    }
}

struct NearestTopicRow {
    const char *name;
    int page;
    const char *control;
    int topic;
};
UF_ROW_NAME(NearestTopicRow)

class NearestTopic : public BuilderTest, public ::testing::WithParamInterface<NearestTopicRow>
{
};

TEST_P(NearestTopic, F1ShowsTheTopicOfTheControlOrOfWhatHoldsIt)
{
    builder->showPage(GetParam().page);
    QTest::keyClick(find<QWidget>(GetParam().control), Qt::Key_F1);
    EXPECT_EQ(help.shown, QList<int>({GetParam().topic}));
}

INSTANTIATE_TEST_SUITE_P(
    Controls, NearestTopic,
    ::testing::Values(NearestTopicRow{"StylePageField", TBuilder::StylePageIndex, "indent", HelpTopic::StylePage},
                      NearestTopicRow{"OutputText", TBuilder::OutputPageIndex, "Memo1", HelpTopic::OutputPage},
                      NearestTopicRow{"StandardMessageList", TBuilder::MessageHandlersPageIndex, "winlist",
                                      HelpTopic::MessageHandlersPage},
                      NearestTopicRow{"BuildButton", TBuilder::ClassPageIndex, "btnBuild",
                                      HelpTopic::BuildAndWrittenCode}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(HelpTopics, F1OnAMenuShowsTheActiveItemsTopicElseTheNearestMenus)
{
    auto *file = find<QMenu>("File1");
    const auto f1On = [file](QMenu *menu, QAction *item) {
        file->popup(QPoint(0, 0));
        if (menu != file) {
            file->setActiveAction(menu->menuAction());
            menu->popup(QPoint(0, 0));
        }
        menu->setActiveAction(item);
        QTest::keyClick(menu, Qt::Key_F1);
    };
    f1On(file, action("UpdateExistingUnit1"));
    EXPECT_FALSE(file->isVisible()) << "the menu stays above the help window";
    // An item of no topic of its own, in a submenu of none either.
    QMenu *submenu = file->addMenu(QStringLiteral("Without a topic"));
    QAction *item = submenu->addAction(QStringLiteral("Nor this"));
    f1On(submenu, item);
    f1On(file, submenu->menuAction());
    EXPECT_EQ(help.shown, QList<int>({HelpTopic::UpdateExistingUnit, HelpTopic::SpecificationFiles,
                                      HelpTopic::SpecificationFiles}));
}
