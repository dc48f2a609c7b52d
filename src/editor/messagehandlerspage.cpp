#include "editor/messagehandlerspage.h"

MessageHandlersPage::MessageHandlersPage(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("MessageHandlersPage"));
}
