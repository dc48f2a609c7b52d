#include "editor/methodspage.h"

MethodsPage::MethodsPage(const PageContext &context, QWidget *parent)
    : EntryPage(context, parent)
{
    setObjectName(QStringLiteral("MethodsPage"));
}
