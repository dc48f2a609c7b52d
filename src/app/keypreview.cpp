#include "app/keypreview.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

KeyPreview::KeyPreview(QWidget *window)
    : QObject(window)
    , m_window(window)
{
    qApp->installEventFilter(this);
}

bool KeyPreview::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyRelease || !watched->isWidgetType() || !m_window)
        return false;
    auto *w = static_cast<QWidget *>(watched);
    if (w->window() != m_window)
        return false;
    const bool passedUp = event == m_lastEvent && m_lastReceiver
        && m_lastReceiver->parentWidget() == w;
    m_lastEvent = event;
    m_lastReceiver = w;
    if (passedUp)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    if (key->isAutoRepeat())
        return false;
    emit keyReleased(key->key(), key->modifiers(), w);
    return false;
}
