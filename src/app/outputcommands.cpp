// SPDX-License-Identifier: MIT
#include "app/outputcommands.h"

#include "app/mainmenu.h"
#include "app/outputprinter.h"
#include "app/textprinter.h"

#include <QAction>
#include <QMenu>
#include <QToolButton>
#include <QWidget>

OutputCommands::OutputCommands(Window window)
    : QObject(window.window)
    , m_window(std::move(window))
{
    connectItems();
    updateStates({});
}

void OutputCommands::connectItems()
{
    MainMenu &menu = m_window.menu;
    const auto onPage = [this](QAction *item, void (OutputPage::*command)()) {
        connect(item, &QAction::triggered, this, [this, command] { (m_window.page()->*command)(); });
    };
    onPage(menu.Cut1, &OutputPage::Cut1Click);
    onPage(menu.Copy1, &OutputPage::Copy1Click);
    onPage(menu.Paste1, &OutputPage::Paste1Click);
    onPage(menu.SelectAll1, &OutputPage::SelectAll1Click);
    onPage(menu.Options1, &OutputPage::Options1Click);
    onPage(menu.BackgroundColor1, &OutputPage::BackgroundColor1Click);
    onPage(menu.FontColor1, &OutputPage::FontColor1Click);
    connect(menu.SyntaxColors1, &QAction::toggled, this,
            [this](bool on) { m_window.page()->setSyntaxColors(on); });
    // The item is checkable: it has flipped its tick before this runs.
    connect(menu.Wordwrap1, &QAction::triggered, this,
            [this] { m_window.page()->setWordWrap(m_window.menu.Wordwrap1->isChecked()); });

    // The search items show the page first.
    const auto search = [this](QAction *item, const std::function<void(OutputPage *)> &command) {
        connect(item, &QAction::triggered, this, [this, command] {
            m_window.showPage();
            command(m_window.page());
        });
    };
    search(menu.Find1, [](OutputPage *page) { page->btnfindClick(); });
    search(menu.Replace1, [](OutputPage *page) { page->btnreplaceClick(); });
    search(menu.FindNext1, [](OutputPage *page) { page->findAgain(true); });
    search(menu.FindPrevious1, [](OutputPage *page) { page->findAgain(false); });

    connect(menu.Print1, &QAction::triggered, this, &OutputCommands::print);
    connect(menu.PrinterSetup1, &QAction::triggered, this,
            [this] { m_window.printer.setup(m_window.window); });
    // Either printer-font item flips both: the chosen one has flipped its own tick already.
    connect(menu.UseDefault1, &QAction::triggered, this,
            [&menu] { menu.Matchfont1->setChecked(!menu.UseDefault1->isChecked()); });
    connect(menu.Matchfont1, &QAction::triggered, this,
            [&menu] { menu.UseDefault1->setChecked(!menu.Matchfont1->isChecked()); });

    if (auto *edit = qobject_cast<QMenu *>(menu.Cut1->parent()))
        connect(edit, &QMenu::aboutToShow, this, [this] { m_window.page(); });
}

void OutputCommands::connectPage(OutputPage *page)
{
    connect(page, &OutputPage::commandStatesChanged, this, &OutputCommands::updateStates);
    connect(page, &OutputPage::menuCommandRequested, this, &OutputCommands::runMenuCommand);
    updateStates(page->commandStates());
}

// The Save button is enabled by Build only; an empty text disables it.
void OutputCommands::updateStates(const OutputCommandStates &states)
{
    MainMenu &menu = m_window.menu;
    menu.SelectAll1->setEnabled(states.hasText);
    if (!states.hasText)
        m_window.saveButton->setEnabled(false);
    menu.Cut1->setEnabled(states.hasSelection);
    menu.Copy1->setEnabled(states.hasSelection);
    menu.Paste1->setEnabled(states.canPaste);
    for (QAction *item : {menu.Find1, menu.FindNext1, menu.FindPrevious1, menu.Replace1})
        item->setEnabled(states.hasText);
}

// A toolbar button that stands for a menu item does nothing while the item is disabled.
void OutputCommands::runMenuCommand(OutputMenuCommand command)
{
    MainMenu &menu = m_window.menu;
    QAction *item = nullptr;
    switch (command) {
    case OutputMenuCommand::Print: item = menu.Print1; break;
    case OutputMenuCommand::Cut: item = menu.Cut1; break;
    case OutputMenuCommand::Copy: item = menu.Copy1; break;
    case OutputMenuCommand::Paste: item = menu.Paste1; break;
    case OutputMenuCommand::Font: item = menu.Options1; break;
    case OutputMenuCommand::BackgroundColor: item = menu.BackgroundColor1; break;
    case OutputMenuCommand::Wordwrap: item = menu.Wordwrap1; break;
    }
    if (item->isEnabled())
        item->trigger();
}

void OutputCommands::print()
{
    OutputPage *page = m_window.page();
    QStringList lines = page->lines();
    if (lines.last().isEmpty())
        lines.removeLast();
    const bool match = m_window.menu.Matchfont1->isChecked();
    const QString where = m_window.printer.print(lines, match ? page->outputFont() : defaultPrinterFont(),
                                                 match ? page->fontColor() : QColor(Qt::black));
    if (!where.isEmpty())
        m_window.setStatus(where);
}
