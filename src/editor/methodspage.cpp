#include "editor/methodspage.h"

MethodsPage::MethodsPage(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("MethodsPage"));
}
