// SPDX-License-Identifier: MIT
#include "app/mainmenu.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace {

QAction *menuItem(QMenu *menu, const QString &caption, const char *name)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    return action;
}

} // namespace

void MainMenu::createMenus(QMenuBar *MainMenu1)
{
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));

    QMenu *file = MainMenu1->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("File1"));
    New1 = menuItem(file, QStringLiteral("&New"), "New1");
    file->addSeparator();
    Openspcfile1 = menuItem(file, QStringLiteral("&Open *.spc file"), "Openspcfile1");
    Savespcfile1 = menuItem(file, QStringLiteral("Sa&ve *.spc file"), "Savespcfile1");
    SaveLazarusPackage1 = menuItem(file, QStringLiteral("Save &Lazarus Package..."), "SaveLazarusPackage1");
    file->addSeparator();
    Print1 = menuItem(file, QStringLiteral("&Print"), "Print1");
    PrinterSetup1 = menuItem(file, QStringLiteral("Printer &Setup..."), "PrinterSetup1");
    file->addSeparator();
    UpdateExistingUnit1 = menuItem(file, QStringLiteral("&Update Existing Unit..."), "UpdateExistingUnit1");
    ImportUnit1 = menuItem(file, QStringLiteral("&Import Unit..."), "ImportUnit1");
    RecentSpecifications1 = file->addMenu(QStringLiteral("&Recent Specifications"));
    RecentSpecifications1->setObjectName(QStringLiteral("RecentSpecifications1"));
    file->addSeparator();
    Exit1 = menuItem(file, QStringLiteral("E&xit"), "Exit1");

    QMenu *edit = MainMenu1->addMenu(QStringLiteral("&Edit"));
    edit->setObjectName(QStringLiteral("Edit1"));
    Cut1 = menuItem(edit, QStringLiteral("C&ut"), "Cut1");
    Cut1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));
    Copy1 = menuItem(edit, QStringLiteral("&Copy"), "Copy1");
    Copy1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    Paste1 = menuItem(edit, QStringLiteral("&Paste"), "Paste1");
    Paste1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_V));
    SelectAll1 = menuItem(edit, QStringLiteral("Select &All"), "SelectAll1");
    for (QAction *a : {Cut1, Copy1, Paste1, SelectAll1})
        a->setEnabled(false);
    edit->addSeparator();
    Preferences1 = edit->addMenu(QStringLiteral("P&references"));
    Preferences1->setObjectName(QStringLiteral("Preferences1"));
    Printerfont = Preferences1->addMenu(QStringLiteral("&Printer font"));
    Printerfont->setObjectName(QStringLiteral("Printerfont"));
    UseDefault1 = menuItem(Printerfont, QStringLiteral("&Use Default Font"), "UseDefault1");
    Matchfont1 = menuItem(Printerfont, QStringLiteral("&Match Output Window Font"), "Matchfont1");
    // Choosing the ticked item ticks the other one, which an exclusive group would refuse.
    for (QAction *a : {UseDefault1, Matchfont1})
        a->setCheckable(true);
    Matchfont1->setChecked(true);
    Preferences1->addSeparator();
    Wordwrap1 = menuItem(Preferences1, QStringLiteral("&Wordwrap"), "Wordwrap1");
    Wordwrap1->setCheckable(true);
    BackgroundColor1 = menuItem(Preferences1, QStringLiteral("&Background Color..."), "BackgroundColor1");
    Options1 = menuItem(Preferences1, QStringLiteral("&Font..."), "Options1");
    FontColor1 = menuItem(Preferences1, QStringLiteral("Font C&olor..."), "FontColor1");
    SyntaxColors1 = menuItem(Preferences1, QStringLiteral("Syntax &Colors"), "SyntaxColors1");
    SyntaxColors1->setCheckable(true);
    SyntaxColors1->setChecked(true);

    // Besides Cut, Copy and Paste, the Output text's search, printing and
    // saving carry the keys of Linux editors.
    edit->addSeparator();
    Find1 = menuItem(edit, QStringLiteral("&Find..."), "Find1");
    Find1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    FindNext1 = menuItem(edit, QStringLiteral("Find &Next"), "FindNext1");
    FindNext1->setShortcut(QKeySequence(Qt::Key_F3));
    FindPrevious1 = menuItem(edit, QStringLiteral("Find Pre&vious"), "FindPrevious1");
    FindPrevious1->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F3));
    Replace1 = menuItem(edit, QStringLiteral("R&eplace..."), "Replace1");
    Replace1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    Print1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));

    QMenu *page = MainMenu1->addMenu(QStringLiteral("&Page"));
    page->setObjectName(QStringLiteral("Page1"));
    Class1 = menuItem(page, QStringLiteral("&Class"), "Class1");
    Properties1 = menuItem(page, QStringLiteral("&Properties"), "Properties1");
    Methods1 = menuItem(page, QStringLiteral("&Methods"), "Methods1");
    EventHandlers1 = menuItem(page, QStringLiteral("&Event Handlers"), "EventHandlers1");
    MessageHandlers1 = menuItem(page, QStringLiteral("Message &Handlers"), "MessageHandlers1");
    Output1 = menuItem(page, QStringLiteral("&Output"), "Output1");
    Style1 = menuItem(page, QStringLiteral("&Style"), "Style1");

    QMenu *build = MainMenu1->addMenu(QStringLiteral("&Build"));
    build->setObjectName(QStringLiteral("Build1"));
    BuildOutput1 = menuItem(build, QStringLiteral("B&uild Source Output"), "BuildOutput1");
    SavetoFile1 = menuItem(build, QStringLiteral("&Save .pas File"), "SavetoFile1");
    SavetoFile1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    CheckSpecification1 = menuItem(build, QStringLiteral("Chec&k Specification"), "CheckSpecification1");
    build->addSeparator();
    TestDrive1 = menuItem(build, QStringLiteral("Test &Drive"), "TestDrive1");
    TestDrive1->setShortcut(QKeySequence(Qt::Key_F9));

    QMenu *help = MainMenu1->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("Help1"));
    UnitforgeHelp1 = menuItem(help, QStringLiteral("&Unitforge Help"), "UnitforgeHelp1");
    DelphiComponentWritersGuide1 = menuItem(help, QStringLiteral("&Delphi Component Writers' Guide"),
                                            "DelphiComponentWritersGuide1");
    help->addSeparator();
    About1 = menuItem(help, QStringLiteral("&About"), "About1");
}
