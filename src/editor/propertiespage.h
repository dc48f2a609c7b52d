// The Properties page: a property's fields, the defined properties and the ancestor's published properties.
// Its controls come with the page's own work; for now the page is empty.
#pragma once

#include <QWidget>

class PropertiesPage : public QWidget
{
    Q_OBJECT
public:
    explicit PropertiesPage(QWidget *parent = nullptr);
};
