#include "app/keypreview.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPlainTextEdit>
#include <QWidget>

KeyPreview::KeyPreview(QWidget *window)
    : QObject(window)
    , m_window(window)
{
    qApp->installEventFilter(this);
}

// Page Down and Page Up turn the page; a field that would take them as a
// change of its value (a spin box, a combo box, a list) never sees them. The
// Output text only scrolls with them, so it keeps them.
static bool turnsPageOnly(const QWidget *w, const QKeyEvent *key)
{
    return (key->key() == Qt::Key_PageDown || key->key() == Qt::Key_PageUp)
        && !(key->modifiers() & Qt::ControlModifier) && !qobject_cast<const QPlainTextEdit *>(w);
}

// A menu is a window of its own; it belongs to the window its menu bar or
// the menu it opened from is in.
static bool isMenuOf(const QMenu *menu, const QWidget *window)
{
    const QWidget *w = menu;
    while (qobject_cast<const QMenu *>(w))
        w = w->parentWidget();
    return w && w->window() == window;
}

bool KeyPreview::eventFilter(QObject *watched, QEvent *event)
{
    const bool press = event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride;
    if ((!press && event->type() != QEvent::KeyRelease) || !watched->isWidgetType() || !m_window)
        return false;
    auto *w = static_cast<QWidget *>(watched);
    if (auto *menu = qobject_cast<QMenu *>(w)) {
        if (event->type() == QEvent::KeyRelease && static_cast<QKeyEvent *>(event)->key() == Qt::Key_F1
            && isMenuOf(menu, m_window))
            emit menuHelpRequested(menu);
        return false;
    }
    if (w->window() != m_window)
        return false;
    if (press)
        return event->type() == QEvent::KeyPress && turnsPageOnly(w, static_cast<QKeyEvent *>(event));
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
