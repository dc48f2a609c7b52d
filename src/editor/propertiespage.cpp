#include "editor/propertiespage.h"

PropertiesPage::PropertiesPage(const PageContext &context, QWidget *parent)
    : EntryPage(context, parent)
{
    setObjectName(QStringLiteral("PropertiesPage"));
}
