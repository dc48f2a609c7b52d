// SPDX-License-Identifier: MIT
// What a control tells the main window about itself: the hint the status line
// shows while the mouse is over it, and the help topic F1 opens for it.
#pragma once

#include <QString>
#include <QVariant>
#include <QWidget>

// The long part of a hint: the text after the first "|", else the whole hint.
inline QString longHint(const QString &hint)
{
    const qsizetype bar = hint.indexOf(u'|');
    return bar < 0 ? hint : hint.mid(bar + 1);
}

// Hints show in the status line only, never as pop-ups, so the long part is
// kept as the control's status tip.
inline void setHint(QWidget *control, const QString &hint)
{
    control->setStatusTip(longHint(hint));
}

inline void setHelpContext(QWidget *control, int context)
{
    control->setProperty("helpContext", context);
}

inline int helpContextOf(const QWidget *control)
{
    return control ? control->property("helpContext").toInt() : 0;
}
