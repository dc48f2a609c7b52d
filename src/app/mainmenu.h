// SPDX-License-Identifier: MIT
// The main window's menu items, made once with the window. Each item's
// objectName is its name, so tests trigger items by name.
#pragma once

#include <QList>

class QAction;
class QMenu;
class QMenuBar;

struct MainMenu {
    // Fills the menu bar: File, Edit, Page, Build, Help.
    void createMenus(QMenuBar *MainMenu1);
    // The Page menu's items, page 0 to 6.
    QList<QAction *> pageItems() const
    {
        return {Class1, Properties1, Methods1, EventHandlers1, MessageHandlers1, Output1, Style1};
    }

    QAction *New1, *Openspcfile1, *Savespcfile1, *Print1, *PrinterSetup1, *Exit1;
    QMenu *RecentSpecifications1;   // filled by RecentSpecifications
    QAction *UpdateExistingUnit1;
    QAction *ImportUnit1;
    QAction *SaveLazarusPackage1;
    QAction *Cut1, *Copy1, *Paste1, *SelectAll1;
    QMenu *Preferences1, *Printerfont;
    QAction *UseDefault1, *Matchfont1, *Wordwrap1, *BackgroundColor1, *Options1, *FontColor1;
    QAction *SyntaxColors1;
    // The Output text's search, with the keys Linux editors use.
    QAction *Find1, *FindNext1, *FindPrevious1, *Replace1;
    QAction *Class1, *Properties1, *Methods1, *EventHandlers1, *MessageHandlers1, *Output1, *Style1;
    QAction *BuildOutput1, *SavetoFile1;
    QAction *CheckSpecification1;
    QAction *TestDrive1;
    QAction *UnitforgeHelp1, *DelphiComponentWritersGuide1, *About1;
};
