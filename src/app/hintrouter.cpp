#include "app/hintrouter.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>

HintRouter::HintRouter(QWidget *window, QLabel *statusLine)
    : QObject(window)
    , m_window(window)
    , m_statusLine(statusLine)
{
    qApp->installEventFilter(this);
}

QString HintRouter::hintFor(const QWidget *control)
{
    for (const QWidget *w = control; w; w = w->parentWidget()) {
        if (!w->statusTip().isEmpty())
            return w->statusTip();
        if (w->isWindow())
            break;
    }
    return {};
}

bool HintRouter::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if ((type == QEvent::Enter || type == QEvent::Leave) && watched->isWidgetType()) {
        auto *w = static_cast<QWidget *>(watched);
        // A box or dialog a command opens takes the pointer from the window
        // and gives it back when it closes: that is no move of the user's,
        // and the command's message in the status line stays.
        if (m_window && w->window() == m_window && !QApplication::activeModalWidget()) {
            // Leaving a control puts the pointer back over its parent, which
            // gets no Enter of its own; entering one comes after that.
            show(type == QEvent::Enter ? w : w->parentWidget());
        }
    }
    return false;
}

void HintRouter::show(const QWidget *control)
{
    // Only a new hint replaces the status line, so a text Build put there
    // stays while the pointer moves between controls with the same hint.
    const QString hint = hintFor(control);
    if (m_hint == hint)
        return;
    m_hint = hint;
    m_statusLine->setText(hint);
}
