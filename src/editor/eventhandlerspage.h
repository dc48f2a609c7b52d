// The EventHandlers page: an event handler's name, type and parameters, the defined handlers and the ancestor's published events.
// Its controls come with the page's own work; for now the page is empty.
#pragma once

#include "editor/entrypage.h"

class EventHandlersPage : public EntryPage
{
    Q_OBJECT
public:
    explicit EventHandlersPage(const PageContext &context, QWidget *parent = nullptr);

    EntryKind entryKind() const override { return EntryKind::Event; }
    QString pendingName() const override { return QString(); }
    void addPendingEntry() override {}
};
