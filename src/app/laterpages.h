// SPDX-License-Identifier: MIT
// The pages after the Class page. Each is made when it is first needed: its
// tab chosen, or a command asking for it. Until then an empty stand-in sits
// under its tab, so the window appears, and is ready, without them.
#pragma once

#include "editor/pagecontext.h"

#include <QObject>
#include <functional>

class EventHandlersPage;
class MessageHandlersPage;
class MethodsPage;
class OutputPage;
class PropertiesPage;
class QTabWidget;
class QWidget;
class StylePage;

class LaterPages : public QObject
{
public:
    // made runs once a page is in its tab, with the page's index.
    LaterPages(QTabWidget *tabs, const PageContext &context, std::function<void(int)> made);

    PropertiesPage *properties();
    MethodsPage *methods();
    EventHandlersPage *eventHandlers();
    MessageHandlersPage *messageHandlers();
    OutputPage *output();
    StylePage *style();

    // The page at a tab index, made if need be; null for the Class page.
    QWidget *page(int index);
    bool isMade(int index) const;

private:
    QWidget *make(int index);

    QTabWidget *m_tabs;
    PageContext m_context;
    std::function<void(int)> m_made;
    QList<QWidget *> m_pages;   // by index after the Class page; null until made
};
