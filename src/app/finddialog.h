// SPDX-License-Identifier: MIT
// The Output page's modeless find dialog: the sought text, the direction and
// the match options. It only asks; the Output page runs the search.
#pragma once

#include <QDialog>

#include "platform/textsearch.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

class FindDialog : public QDialog
{
    Q_OBJECT
public:
    explicit FindDialog(QWidget *parent = nullptr);

    QString findText() const;
    void setFindText(const QString &text);
    SearchOptions options() const;
    // The find text takes the focus, its text selected, so typing replaces it.
    void focusFindText();

signals:
    void findNext();

private: // controls
    QLineEdit *m_findEdit;
    QRadioButton *m_up;
    QRadioButton *m_down;
    QCheckBox *m_matchCase;
    QCheckBox *m_wholeWord;
    QPushButton *m_findNextButton;
};
