#include "editor/propertiespage.h"

PropertiesPage::PropertiesPage(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("PropertiesPage"));
}
