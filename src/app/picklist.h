// SPDX-License-Identifier: MIT
// A pick list that pops up above the Output page's status bar (font names,
// font sizes): a click on an entry picks it, losing the focus hides it.
#pragma once

#include <QListWidget>

class PickList : public QListWidget
{
    Q_OBJECT
public:
    PickList(const QString &name, int left, int width, QWidget *parent);

    // Fills the list, places its bottom edge one pixel over the top of
    // statusBar, shows it and gives it the focus.
    void popUp(const QStringList &entries, const QWidget *statusBar);

signals:
    void picked(const QString &entry);

protected:
    void focusOutEvent(QFocusEvent *event) override;

private:
    int m_left;
};
