// SPDX-License-Identifier: MIT
#include "app/laterpages.h"

#include "app/builder.h"
#include "app/outputpage.h"
#include "app/stylepage.h"
#include "editor/eventhandlerspage.h"
#include "editor/messagehandlerspage.h"
#include "editor/methodspage.h"
#include "editor/propertiespage.h"

#include <QSignalBlocker>
#include <QTabBar>
#include <QTabWidget>

namespace {
constexpr int kFirst = TBuilder::PropertiesPageIndex;
}

LaterPages::LaterPages(QTabWidget *tabs, const PageContext &context, std::function<void(int)> made)
    : QObject(tabs)
    , m_tabs(tabs)
    , m_context(context)
    , m_made(std::move(made))
{
    for (const QString &caption : {QStringLiteral("Properties"), QStringLiteral("Methods"),
                                   QStringLiteral("Event Handlers"), QStringLiteral("Message Handlers"),
                                   QStringLiteral("Output"), QStringLiteral("Style")}) {
        tabs->addTab(new QWidget, caption);
        m_pages.append(nullptr);
    }
    // A tab clicked gets its page before it turns; one chosen otherwise, as it turns.
    connect(tabs->tabBar(), &QTabBar::tabBarClicked, this, [this](int index) { page(index); });
    connect(tabs, &QTabWidget::currentChanged, this, [this](int index) { page(index); });
}

PropertiesPage *LaterPages::properties()
{
    return static_cast<PropertiesPage *>(page(TBuilder::PropertiesPageIndex));
}

MethodsPage *LaterPages::methods()
{
    return static_cast<MethodsPage *>(page(TBuilder::MethodsPageIndex));
}

EventHandlersPage *LaterPages::eventHandlers()
{
    return static_cast<EventHandlersPage *>(page(TBuilder::EventHandlersPageIndex));
}

MessageHandlersPage *LaterPages::messageHandlers()
{
    return static_cast<MessageHandlersPage *>(page(TBuilder::MessageHandlersPageIndex));
}

OutputPage *LaterPages::output()
{
    return static_cast<OutputPage *>(page(TBuilder::OutputPageIndex));
}

StylePage *LaterPages::style()
{
    return static_cast<StylePage *>(page(TBuilder::StylePageIndex));
}

QWidget *LaterPages::page(int index)
{
    if (index < kFirst || index >= kFirst + m_pages.size())
        return nullptr;
    if (!m_pages[index - kFirst])
        return make(index);
    return m_pages[index - kFirst];
}

bool LaterPages::isMade(int index) const
{
    return index >= kFirst && index < kFirst + m_pages.size() && m_pages[index - kFirst];
}

QWidget *LaterPages::make(int index)
{
    QWidget *made = nullptr;
    switch (index) {
    case TBuilder::PropertiesPageIndex: made = new PropertiesPage(m_context, m_tabs); break;
    case TBuilder::MethodsPageIndex: made = new MethodsPage(m_context, m_tabs); break;
    case TBuilder::EventHandlersPageIndex: made = new EventHandlersPage(m_context, m_tabs); break;
    case TBuilder::MessageHandlersPageIndex: made = new MessageHandlersPage(m_context, m_tabs); break;
    case TBuilder::OutputPageIndex: made = new OutputPage(m_context.prompts, m_tabs); break;
    default: made = new StylePage(m_tabs); break;
    }
    m_pages[index - kFirst] = made;
    {
        // The tab turns only as far as the user or the command turned it.
        const QSignalBlocker quiet(m_tabs);
        const int current = m_tabs->currentIndex();
        QWidget *standIn = m_tabs->widget(index);
        const QString caption = m_tabs->tabText(index);
        m_tabs->removeTab(index);
        m_tabs->insertTab(index, made, caption);
        delete standIn;
        m_tabs->setCurrentIndex(current);
    }
    m_made(index);
    return made;
}
