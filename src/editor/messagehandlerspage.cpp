#include "editor/messagehandlerspage.h"

MessageHandlersPage::MessageHandlersPage(const PageContext &context, QWidget *parent)
    : QWidget(parent)
    , m_context(context)
{
    setObjectName(QStringLiteral("MessageHandlersPage"));
}
