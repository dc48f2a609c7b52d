// The Methods page: a method's heading, its section and directives, and the defined methods.
// Its controls come with the page's own work; for now the page is empty.
#pragma once

#include <QWidget>

class MethodsPage : public QWidget
{
    Q_OBJECT
public:
    explicit MethodsPage(QWidget *parent = nullptr);
};
