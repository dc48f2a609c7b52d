// SPDX-License-Identifier: MIT
// The menu items that act on the Output page: the Edit menu, the search
// items, printing and the printer font, word wrap, the colours and the font.
// They reach the page through the window, which makes it when first needed;
// opening the Edit menu makes it too, so the items show what they can do.
#pragma once

#include "app/outputpage.h"

#include <QObject>
#include <functional>

class MainMenu;
class OutputPrinter;
class QToolButton;
class QWidget;

class OutputCommands : public QObject
{
public:
    struct Window {
        QWidget *window;
        MainMenu &menu;
        QToolButton *saveButton;               // enabled by Build only
        OutputPrinter &printer;
        std::function<OutputPage *()> page;    // made if need be
        std::function<void()> showPage;
        std::function<void(const QString &)> setStatus;
    };

    explicit OutputCommands(Window window);

    // The page has just been made: its signals drive the items.
    void connectPage(OutputPage *page);

private:
    void connectItems();
    void updateStates(const OutputCommandStates &states);
    void runMenuCommand(OutputMenuCommand command);
    void print();

    Window m_window;
};
