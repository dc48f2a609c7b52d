// The Event Handlers page: an event property's name, type and parameters, and the defined handlers.
// Its controls come with the page's own work; for now the page is empty.
#pragma once

#include <QWidget>

class EventHandlersPage : public QWidget
{
    Q_OBJECT
public:
    explicit EventHandlersPage(QWidget *parent = nullptr);
};
