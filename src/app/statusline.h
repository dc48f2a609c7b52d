// SPDX-License-Identifier: MIT
// The main window's status line: a sunken panel of one bold line across the
// bottom, showing hints and what a command did.
#pragma once

#include <QLabel>

class StatusLine : public QLabel
{
    Q_OBJECT
public:
    explicit StatusLine(QWidget *parent = nullptr);

    // Its size never follows its text (a fixed height, the window's width), so
    // it is not measured: measuring would look up the bold typeface while the
    // window is first laid out, before the line has anything to show.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
};
