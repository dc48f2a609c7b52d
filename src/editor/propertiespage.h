// The Properties page: a property's fields, the defined properties and the ancestor's published properties.
// Its controls come with the page's own work; for now the page is empty.
#pragma once

#include "editor/entrypage.h"

class PropertiesPage : public EntryPage
{
    Q_OBJECT
public:
    explicit PropertiesPage(const PageContext &context, QWidget *parent = nullptr);

    EntryKind entryKind() const override { return EntryKind::Property; }
    QString pendingName() const override { return QString(); }
    void addPendingEntry() override {}
};
