// SPDX-License-Identifier: MIT
// The window as it starts: layout, controls, menus and the hints of the
// status line.
#include "builderfixture.h"

#include "app/outputpage.h"
#include "app/stylepage.h"
#include "editor/classpage.h"
#include "editor/eventhandlerspage.h"
#include "editor/messagehandlerspage.h"
#include "editor/methodspage.h"
#include "editor/propertiespage.h"
#include "rowname.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

using StartUp = BuilderTest;

TEST_F(StartUp, ShowsTheClassPageWithTComponentAndTheProgramDirectory)
{
    EXPECT_EQ(builder->windowTitle(), "Unitforge");
    EXPECT_EQ(builder->size(), QSize(552, 408));
    EXPECT_EQ(find<QTabWidget>("PageControl1")->currentIndex(), 0);
    auto *ancestorbox = find<QComboBox>("ancestorbox");
    EXPECT_EQ(ancestorbox->count(), 118);
    EXPECT_EQ(ancestorbox->currentIndex(), 18);
    EXPECT_EQ(ancestorbox->currentText(), "TComponent");
    EXPECT_EQ(find<QLineEdit>("unitname")->text(), dir.path() + "/unit1.pas");
    EXPECT_EQ(find<QLineEdit>("clname")->text(), "");
    EXPECT_EQ(find<QComboBox>("palpage")->count(), 0);
    EXPECT_EQ(builder->helpFileName(), "uforge.hlp");
    EXPECT_TRUE(builder->currentSpecificationFile().isEmpty());
    EXPECT_TRUE(prompts.log().isEmpty());
}

TEST_F(StartUp, FillsTheAncestorMembersWhenShown)
{
    EXPECT_EQ(builder->spec().StandardProperties, QStringList({"Name", "Tag"}));
    EXPECT_TRUE(builder->spec().StandardEvents.isEmpty());
}

TEST_F(StartUp, HasTheSevenPagesInOrder)
{
    auto *pages = find<QTabWidget>("PageControl1");
    const QStringList expected{"Class", "Properties", "Methods", "Event Handlers",
                               "Message Handlers", "Output", "Style"};
    ASSERT_EQ(pages->count(), expected.size());
    for (int i = 0; i < pages->count(); ++i)
        EXPECT_EQ(pages->tabText(i), expected[i]);
}

// The window's size, place and maximised state are kept in the settings file
// from one run to the next; a stored value that is no geometry is ignored.
TEST_F(StartUp, TheWindowComesBackWhereAndAsLargeAsItWasLeft)
{
    builder->setGeometry(QRect(37, 45, 640, 470));
    ASSERT_TRUE(builder->close());
    createBuilder();
    EXPECT_EQ(builder->geometry(), QRect(37, 45, 640, 470));
    EXPECT_FALSE(builder->isMaximized());

    builder->showMaximized();
    ASSERT_TRUE(builder->close());
    createBuilder();
    EXPECT_TRUE(builder->isMaximized());

    builder.reset();
    QFile file(path("uforge.ini"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Settings]\r\nWindowGeometry=not a geometry\r\n");
    file.close();
    createBuilder();
    EXPECT_EQ(builder->size(), QSize(552, 408));
    EXPECT_FALSE(builder->isMaximized());
}

// The pages after the Class page are made when first needed (the fixture
// makes them at once); made then, they are the tabs' pages and take their
// settings as if made with the window.
class PagesMadeLater : public BuilderTest
{
protected:
    void restartWithSettings()
    {
        builder.reset();
        QFile file(path("uforge.ini"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[Settings]\r\nindent=7\r\nbFontheight=-20\r\n");
        file.close();
        builder = std::make_unique<TBuilder>(services);
        builder->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(builder.get()));
    }

    // A page is named after its class ("OutputPage"); its stand-in has no name.
    bool made(int index) const { return !builder->PageControl1->widget(index)->objectName().isEmpty(); }

    void expectPagesInPlace()
    {
        const QList<QWidget *> pages{builder->classPage, builder->propertiesPage(),
                                     builder->methodsPage(), builder->eventHandlersPage(),
                                     builder->messageHandlersPage(), builder->outputPage(),
                                     builder->stylePage()};
        const QStringList captions{"Class", "Properties", "Methods", "Event Handlers",
                                   "Message Handlers", "Output", "Style"};
        ASSERT_EQ(builder->PageControl1->count(), pages.size());
        for (int i = 0; i < pages.size(); ++i) {
            EXPECT_EQ(builder->PageControl1->widget(i), pages[i]) << "page " << i;
            EXPECT_EQ(builder->PageControl1->tabText(i), captions[i]);
        }
        EXPECT_EQ(builder->stylePage()->indent->value(), 7);
        EXPECT_EQ(builder->outputPage()->Memo1->font().pixelSize(), 20);
    }
};

TEST_F(PagesMadeLater, AreNotMadeForAWindowThatIsOnlyShown)
{
    restartWithSettings();
    QCoreApplication::processEvents();   // what the window does once painted
    for (int i = TBuilder::PropertiesPageIndex; i < TBuilder::PageCount; ++i)
        EXPECT_FALSE(made(i)) << "page " << i;
    expectPagesInPlace();
    EXPECT_EQ(builder->PageControl1->currentIndex(), TBuilder::ClassPageIndex);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);   // the layout takes the new pages in
    EXPECT_EQ(builder->size(), QSize(552, 408)) << "the window does not jump when they come";
}

TEST_F(PagesMadeLater, ATabChosenMakesOnlyItsPage)
{
    restartWithSettings();
    builder->PageControl1->setCurrentIndex(TBuilder::OutputPageIndex);
    EXPECT_TRUE(made(TBuilder::OutputPageIndex));
    EXPECT_FALSE(made(TBuilder::StylePageIndex));
    EXPECT_EQ(builder->PageControl1->currentIndex(), TBuilder::OutputPageIndex);
    EXPECT_EQ(builder->PageControl1->currentWidget(), builder->outputPage());
    expectPagesInPlace();
    EXPECT_EQ(builder->PageControl1->currentIndex(), TBuilder::OutputPageIndex);
}

TEST_F(PagesMadeLater, APropertyTypedOnAPageMadeLateIsStillAskedAboutByBuild)
{
    restartWithSettings();
    builder->showPage(TBuilder::PropertiesPageIndex);
    find<QLineEdit>("clname")->setText(QStringLiteral("TLamp"));
    find<QLineEdit>("propname")->setText(QStringLiteral("Lit"));
    prompts.answer(UserPrompts::Answer::No);
    builder->btnBuildClick();
    ASSERT_EQ(prompts.messageTexts().size(), 1);
    EXPECT_TRUE(prompts.messageTexts()[0].contains(QStringLiteral("Lit"))) << prompts.messageTexts()[0].toStdString();
}

struct ButtonRow {
    const char *name;
    const char *caption;
    const char *hint;   // the long hint the status line shows
    int left;           // -1: at the right edge
    bool enabled;
};
UF_ROW_NAME(ButtonRow)

class ButtonBarButton : public BuilderTest, public ::testing::WithParamInterface<ButtonRow>
{
};

TEST_P(ButtonBarButton, HasCaptionHintPlaceAndState)
{
    const ButtonRow row = GetParam();
    auto *button = find<QToolButton>(row.name);
    ASSERT_TRUE(button);
    EXPECT_EQ(button->text(), row.caption);
    EXPECT_EQ(button->statusTip(), row.hint);
    EXPECT_EQ(button->size(), QSize(49, 43));
    const int left = row.left >= 0 ? row.left : find<QWidget>("Panel2")->width() - 49 - 1;
    EXPECT_EQ(button->x(), left);
    EXPECT_EQ(button->isEnabled(), row.enabled);
}

INSTANTIATE_TEST_SUITE_P(
    StartUp, ButtonBarButton,
    ::testing::Values(ButtonRow{"BitBtn1", "E&xit", "Quit Unitforge", 5, true},
                      ButtonRow{"BitBtn5", "&Open", "Open *.spc file", 54, true},
                      ButtonRow{"btnBuild", "&Build", "Build the source output", 103, true},
                      ButtonRow{"BitBtn3", "&Save", "Save to a .pas file", 152, false},
                      ButtonRow{"btnhelp", "&Help", "Unitforge Help", -1, true}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(StartUp, KeepsTheHelpButtonAtTheRightEdge)
{
    builder->resize(700, 500);
    QApplication::processEvents();
    auto *bar = find<QWidget>("Panel2");
    EXPECT_EQ(find<QToolButton>("btnhelp")->x(), bar->width() - 49 - 1);
}

TEST_F(StartUp, FramesTheStatusLineAndButtonBar)
{
    auto *status = find<QLabel>("Panel1");
    EXPECT_EQ(status->height(), 25);
    EXPECT_TRUE(status->font().bold());
    EXPECT_EQ(status->lineWidth(), 2);
    EXPECT_EQ(find<QWidget>("Panel2")->height(), 49);
}

struct MenuRow {
    const char *name;
    const char *caption;
    const char *shortcut;
    bool enabled;
};
UF_ROW_NAME(MenuRow)

class MenuItems : public BuilderTest, public ::testing::WithParamInterface<MenuRow>
{
};

TEST_P(MenuItems, HaveCaptionShortcutAndState)
{
    const MenuRow row = GetParam();
    QAction *item = action(row.name);
    ASSERT_TRUE(item);
    EXPECT_EQ(item->text(), row.caption);
    EXPECT_EQ(item->shortcut().toString(), row.shortcut);
    EXPECT_EQ(item->isEnabled(), row.enabled);
}

// Captions are checked with the menus' layout below; these are the states
// and shortcuts at start. Besides Cut, Copy and Paste, the Output text's
// search, Print and Save .pas File carry the keys of Linux editors.
INSTANTIATE_TEST_SUITE_P(
    StartUp, MenuItems,
    ::testing::Values(MenuRow{"Cut1", "C&ut", "Ctrl+X", false},
                      MenuRow{"Copy1", "&Copy", "Ctrl+C", false},
                      MenuRow{"Paste1", "&Paste", "Ctrl+V", false},
                      MenuRow{"SelectAll1", "Select &All", "", false},
                      MenuRow{"BuildOutput1", "B&uild Source Output", "", true},
                      MenuRow{"SavetoFile1", "&Save .pas File", "Ctrl+S", true},
                      MenuRow{"Print1", "&Print", "Ctrl+P", true},
                      MenuRow{"Find1", "&Find...", "Ctrl+F", false},
                      MenuRow{"FindNext1", "Find &Next", "F3", false},
                      MenuRow{"FindPrevious1", "Find Pre&vious", "Shift+F3", false},
                      MenuRow{"Replace1", "R&eplace...", "Ctrl+H", false},
                      MenuRow{"SyntaxColors1", "Syntax &Colors", "", true},
                      MenuRow{"DelphiComponentWritersGuide1", "&Delphi Component Writers' Guide", "", true}),
    [](const auto &info) { return std::string(info.param.name); });

// The menus in order, a separator written "-".
TEST_F(StartUp, LaysOutTheMenus)
{
    auto captions = [](const QMenu *menu) {
        QStringList items;
        for (const QAction *a : menu->actions())
            items.append(a->isSeparator() ? QStringLiteral("-") : a->text());
        return items;
    };
    QStringList bar;
    for (const QAction *a : builder->menuBar()->actions())
        bar.append(a->text());
    EXPECT_EQ(bar, QStringList({"&File", "&Edit", "&Page", "&Build", "&Help"}));
    EXPECT_EQ(captions(find<QMenu>("File1")),
              QStringList({"&New", "-", "&Open *.spc file", "Sa&ve *.spc file",
                           "Save &Lazarus Package...", "-", "&Print", "Printer &Setup...", "-",
                           "&Update Existing Unit...", "&Import Unit...", "&Recent Specifications",
                           "-", "E&xit"}));
    EXPECT_EQ(captions(find<QMenu>("Edit1")),
              QStringList({"C&ut", "&Copy", "&Paste", "Select &All", "-", "P&references", "-",
                           "&Find...", "Find &Next", "Find Pre&vious", "R&eplace..."}));
    EXPECT_EQ(captions(find<QMenu>("Preferences1")),
              QStringList({"&Printer font", "-", "&Wordwrap", "&Background Color...", "&Font...",
                           "Font C&olor...", "Syntax &Colors"}));
    EXPECT_EQ(captions(find<QMenu>("Printerfont")),
              QStringList({"&Use Default Font", "&Match Output Window Font"}));
    EXPECT_EQ(captions(find<QMenu>("Page1")),
              QStringList({"&Class", "&Properties", "&Methods", "&Event Handlers",
                           "Message &Handlers", "&Output", "&Style"}));
    EXPECT_EQ(captions(find<QMenu>("Build1")),
              QStringList({"B&uild Source Output", "&Save .pas File", "Chec&k Specification", "-",
                           "Test &Drive"}));
    EXPECT_EQ(captions(find<QMenu>("Help1")),
              QStringList({"&Unitforge Help", "&Delphi Component Writers' Guide", "-", "&About"}));
}

TEST_F(StartUp, OnlyTheEditingKeysHaveShortcuts)
{
    QStringList withShortcut;
    for (const QAction *a : builder->findChildren<QAction *>()) {
        if (!a->shortcut().isEmpty() && !a->objectName().isEmpty())
            withShortcut.append(a->objectName());
    }
    withShortcut.sort();
    EXPECT_EQ(withShortcut, QStringList({"Copy1", "Cut1", "Find1", "FindNext1", "FindPrevious1",
                                         "Paste1", "Print1", "Replace1", "SavetoFile1", "TestDrive1"}));
}

// Qt runs neither item when two share a key.
TEST_F(StartUp, NoTwoItemsShareAKey)
{
    QMultiHash<QKeySequence, QString> owners;
    for (const QAction *a : builder->findChildren<QAction *>()) {
        if (!a->shortcut().isEmpty())
            owners.insert(a->shortcut(), a->objectName());
    }
    for (const QKeySequence &key : owners.uniqueKeys())
        EXPECT_EQ(owners.count(key), 1) << key.toString().toStdString() << ": "
                                        << owners.values(key).join(u' ').toStdString();
}

TEST_F(StartUp, PageMenuShowsEachPage)
{
    const char *items[] = {"Class1", "Properties1", "Methods1", "EventHandlers1",
                           "MessageHandlers1", "Output1", "Style1"};
    auto *pages = find<QTabWidget>("PageControl1");
    for (int i = 6; i >= 0; --i) {
        action(items[i])->trigger();
        EXPECT_EQ(pages->currentIndex(), i) << items[i];
    }
}

TEST_F(StartUp, StylePageShowsTheSeparatorCharactersInPlatformOrder)
{
    EXPECT_EQ(StylePage::separatorCharacters(),
              QStringList({"-", "#", "*", "/", "\\", "_", "|", "~", "+", "<", "=", ">"}));
    QComboBox *charcombo = builder->stylePage()->charcombo;
    ASSERT_EQ(charcombo->count(), 12);
    EXPECT_EQ(charcombo->itemText(0), "-");
    EXPECT_EQ(charcombo->itemText(11), ">");
}

TEST_F(StartUp, StyleControlsKeepTheirRanges)
{
    StylePage *page = builder->stylePage();
    page->setStyle({50, 12, 500, QStringLiteral("=="), true});
    const Style style = page->style();
    EXPECT_EQ(style.indent, 20);
    EXPECT_EQ(style.blankLines, 9);
    EXPECT_EQ(style.separatorLength, 120);
    EXPECT_EQ(style.separatorChar, "==") << "a longer text set by the program is kept whole";
    EXPECT_TRUE(style.commentsBefore);
}

// Each option of the style table has its control, with the table's range
// and the built-in value at start.
TEST_F(StartUp, StylePageHasAControlForEachOption)
{
    for (const StyleOption &option : kStyleOptions) {
        const QWidget *control =
            builder->stylePage()->findChild<QWidget *>(QLatin1StringView(option.control));
        ASSERT_TRUE(control) << option.control;
        if (const auto *box = qobject_cast<const QSpinBox *>(control)) {
            EXPECT_EQ(box->minimum(), option.range.min) << option.control;
            EXPECT_EQ(box->maximum(), option.range.max) << option.control;
        }
        EXPECT_EQ(styleText(builder->stylePage()->style(), option), styleText(Style(), option))
            << option.control;
    }
}

TEST_F(StartUp, SeparatorCharacterTakesOneTypedCharacter)
{
    QComboBox *charcombo = builder->stylePage()->charcombo;
    charcombo->setEditText(QString());
    QTest::keyClicks(charcombo->lineEdit(), QStringLiteral("#*"));
    EXPECT_EQ(charcombo->currentText(), "#");
}

// ---- hints -------------------------------------------------------------------

class Hints : public BuilderTest
{
protected:
    void enter(QWidget *w)
    {
        QEvent e(QEvent::Enter);
        QApplication::sendEvent(w, &e);
    }
    void leave(QWidget *w)
    {
        QEvent e(QEvent::Leave);
        QApplication::sendEvent(w, &e);
    }
    QString status() { return find<QLabel>("Panel1")->text(); }
};

TEST_F(Hints, StatusLineShowsTheLongHintOfTheControlUnderThePointer)
{
    enter(find<QWidget>("BitBtn1"));
    EXPECT_EQ(status(), "Quit Unitforge");
    enter(find<QWidget>("btnBuild"));
    EXPECT_EQ(status(), "Build the source output");
    enter(find<QWidget>("clname"));
    EXPECT_EQ(status(), "Enter the component's class name");
}

TEST_F(Hints, PartOfAControlShowsTheControlsHint)
{
    enter(builder->classPage->ancestorbox->lineEdit());
    EXPECT_EQ(status(), "Select or enter the component's ancestor class type");
}

TEST_F(Hints, ControlWithoutAHintEmptiesTheStatusLine)
{
    enter(find<QWidget>("BitBtn1"));
    leave(find<QWidget>("BitBtn1"));
    EXPECT_EQ(status(), "");
    enter(find<QWidget>("btnBuild"));
    enter(builder->classPage->Label2);
    EXPECT_EQ(status(), "");
}

TEST_F(Hints, BuildTextStaysUntilTheHintChanges)
{
    builder->classPage->clname->setText(QStringLiteral("TGauge"));
    enter(builder->classPage->Label2);
    action("BuildOutput1")->trigger();
    const QString built = builder->classPage->unitname->text() + QStringLiteral(" built");
    ASSERT_EQ(status(), built);
    enter(find<QWidget>("Panel2"));
    EXPECT_EQ(status(), built) << "no hint before, none now";
    enter(find<QWidget>("BitBtn1"));
    EXPECT_EQ(status(), "Quit Unitforge");
}

TEST_F(Hints, OnlyTheEventTypeShowsAPopUpHint)
{
    for (const QWidget *w : builder->findChildren<QWidget *>()) {
        if (w->window() != builder.get())
            continue;
        if (w->objectName() == u"eventtype")
            EXPECT_EQ(w->toolTip(), "Enter or Select the handler type");
        else
            EXPECT_TRUE(w->toolTip().isEmpty()) << w->objectName().toStdString();
    }
}
