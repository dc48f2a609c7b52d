#include "editor/eventhandlerspage.h"

EventHandlersPage::EventHandlersPage(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("EventHandlersPage"));
}
