// SPDX-License-Identifier: MIT
// A list box of an editor page that shows one of the document's lists
// (defined methods, defined handlers, user messages, the ancestor's members):
// its lines follow the document, and a double-click anywhere in it, on a line
// or below the last, is reported, as edit-back wants.
#pragma once

#include <QListWidget>

class DocumentListBox : public QListWidget
{
    Q_OBJECT
public:
    explicit DocumentListBox(QWidget *parent = nullptr);

    // Shows lines. The selection stays when lines only adds to what is
    // shown; otherwise nothing is selected.
    void showLines(const QStringList &lines);
    QStringList lines() const;
    // The selected row; -1 when none is.
    int selectedRow() const;

signals:
    void dblClick();

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;
};
