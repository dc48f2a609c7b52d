// Lets the main window see every key released in it before the focused
// control does. The key is not consumed: the control still gets it, except
// Page Down and Page Up, which only turn the page.
#pragma once

#include <QObject>
#include <QPointer>

class QMenu;
class QWidget;

class KeyPreview : public QObject
{
    Q_OBJECT
public:
    explicit KeyPreview(QWidget *window);

signals:
    // A key was released; focused is the control that received it.
    void keyReleased(int key, Qt::KeyboardModifiers modifiers, QWidget *focused);
    // F1 was released on an open menu of the window.
    void menuHelpRequested(QMenu *menu);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPointer<QWidget> m_window;
    // A key event the control ignores travels on to its parents, passing this
    // filter again; these recognise the same event on its way up.
    const QEvent *m_lastEvent = nullptr;
    QPointer<QWidget> m_lastReceiver;
};
