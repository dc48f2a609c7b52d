// The Methods page: a method's heading, its section and directives, and the defined methods.
// Its controls come with the page's own work; for now the page is empty.
#pragma once

#include "editor/entrypage.h"

class MethodsPage : public EntryPage
{
    Q_OBJECT
public:
    explicit MethodsPage(const PageContext &context, QWidget *parent = nullptr);

    EntryKind entryKind() const override { return EntryKind::Method; }
    QString pendingName() const override { return QString(); }
    void addPendingEntry() override {}
};
