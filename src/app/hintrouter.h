// Shows in the status line the hint of the control under the mouse pointer:
// the control's own, else that of the nearest enclosing control that has one.
#pragma once

#include <QObject>
#include <QPointer>

class QLabel;
class QWidget;

class HintRouter : public QObject
{
public:
    // Watches the controls of window and writes their hints into statusLine.
    HintRouter(QWidget *window, QLabel *statusLine);

    // The hint shown for control: its own or its nearest enclosing control's.
    static QString hintFor(const QWidget *control);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void show(const QWidget *control);

    QPointer<QWidget> m_window;
    QLabel *m_statusLine;
    QString m_hint;   // the hint last shown
};
