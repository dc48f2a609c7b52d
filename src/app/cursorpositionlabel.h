// SPDX-License-Identifier: MIT
// Where the insertion point of a text control is: "Ln 12, Col 5", the line as
// typed (a line that word wrap breaks on the screen stays one line) and the
// character in it, both counted from 1.
#pragma once

#include <QLabel>

class QPlainTextEdit;

class CursorPositionLabel : public QLabel
{
    Q_OBJECT
public:
    CursorPositionLabel(QPlainTextEdit *edit, QWidget *parent = nullptr);

    static QString positionText(int line, int column);

private:
    void showPosition();

    QPlainTextEdit *m_edit;
};
