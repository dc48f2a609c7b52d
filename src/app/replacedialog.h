// SPDX-License-Identifier: MIT
// The Output page's modeless replace dialog: sought text, replacement and the
// match options; it always searches down. The Output page does the work.
#pragma once

#include <QDialog>

#include "platform/textsearch.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

class ReplaceDialog : public QDialog
{
    Q_OBJECT
public:
    explicit ReplaceDialog(QWidget *parent = nullptr);

    QString findText() const;
    void setFindText(const QString &text);
    QString replaceText() const;
    SearchOptions options() const;
    // The find text takes the focus, its text selected, so typing replaces it.
    void focusFindText();

signals:
    void findNext();
    void replace();
    void replaceAll();

private: // controls
    QLineEdit *m_findEdit;
    QLineEdit *m_replaceEdit;
    QCheckBox *m_matchCase;
    QCheckBox *m_wholeWord;
    QPushButton *m_findNextButton;
    QPushButton *m_replaceButton;
    QPushButton *m_replaceAllButton;
};
