// The Message Handlers page: the standard messages handled and the user-defined messages.
// Its controls come with the page's own work; for now the page is empty.
#pragma once

#include "editor/pagecontext.h"

#include <QWidget>

class MessageHandlersPage : public QWidget
{
    Q_OBJECT
public:
    explicit MessageHandlersPage(const PageContext &context, QWidget *parent = nullptr);

private:
    PageContext m_context;
};
