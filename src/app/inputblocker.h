// SPDX-License-Identifier: MIT
// Holds back the user's mouse clicks, keys and close requests for one window
// while it lives. A build lets pending window events run while it splits its
// entries, and none of them may start another command in the middle of it.
#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

class InputBlocker : public QObject
{
public:
    explicit InputBlocker(QWidget *window);
    ~InputBlocker() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPointer<QWidget> m_window;
};
