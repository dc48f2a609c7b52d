// SPDX-License-Identifier: MIT
// TAboutform: the about box, a fixed-size dialog with the program's icon,
// its name drawn with a shadow, the version line and an Ok button.
#pragma once

#include <QDialog>

class QPushButton;

class TAboutform : public QDialog
{
    Q_OBJECT
public:
    explicit TAboutform(QWidget *parent = nullptr);

public: // controls
    QPushButton *OKButton;

protected:
    void paintEvent(QPaintEvent *event) override;
};
