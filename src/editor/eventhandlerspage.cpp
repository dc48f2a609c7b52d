#include "editor/eventhandlerspage.h"

EventHandlersPage::EventHandlersPage(const PageContext &context, QWidget *parent)
    : EntryPage(context, parent)
{
    setObjectName(QStringLiteral("EventHandlersPage"));
}
