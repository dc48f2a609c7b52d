// SPDX-License-Identifier: MIT
// The main window's button bar: Exit, Open, Build and Save at the left, Help
// kept at the right edge whatever the width.
#pragma once

#include <QFrame>

class QToolButton;

class ButtonBar : public QFrame
{
    Q_OBJECT
public:
    explicit ButtonBar(QWidget *parent = nullptr);

public: // controls
    QToolButton *BitBtn1;
    QToolButton *BitBtn5;
    QToolButton *btnBuild;
    QToolButton *BitBtn3;
    QToolButton *btnhelp;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void placeHelpButton();
};
