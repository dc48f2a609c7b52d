// SPDX-License-Identifier: MIT
#include "app/accessiblenames.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace {

// "&Unit Name:" and "Properties Defined..." as a reader says them: "&&" is
// an ampersand, a single one marks the mnemonic.
QString spoken(const QString &caption)
{
    QString text;
    text.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && ++i == caption.size())
            break;
        text.append(caption[i]);
    }
    while (text.endsWith(u'.') || text.endsWith(u':'))
        text.chop(1);
    return text.trimmed();
}

bool isNamedByItsLabel(const QWidget *w)
{
    // Qt names edit fields and boxes after their buddy label itself; lists and
    // text controls it does not.
    return qobject_cast<const QLineEdit *>(w) || qobject_cast<const QComboBox *>(w)
        || qobject_cast<const QAbstractSpinBox *>(w);
}

bool needsAName(const QWidget *w)
{
    return isNamedByItsLabel(w) || qobject_cast<const QAbstractItemView *>(w)
        || qobject_cast<const QPlainTextEdit *>(w) || qobject_cast<const QTextEdit *>(w);
}

} // namespace

void nameControlsForAccessibility(QWidget *window)
{
    QHash<const QWidget *, QString> labels;
    for (const QLabel *label : window->findChildren<QLabel *>()) {
        if (label->buddy())
            labels.insert(label->buddy(), spoken(label->text()));
    }
    for (QWidget *w : window->findChildren<QWidget *>()) {
        const QString hint = w->statusTip();
        if (auto *button = qobject_cast<QAbstractButton *>(w); button && !button->icon().isNull()) {
            const QString caption = spoken(button->text());
            button->setAccessibleName(caption.isEmpty() ? hint : caption);
            button->setAccessibleDescription(hint.isEmpty() ? caption : hint);
            continue;
        }
        if (!needsAName(w))
            continue;
        // The edit part of a combo or spin box: the box speaks for it.
        if (qobject_cast<QLineEdit *>(w)
            && (qobject_cast<QComboBox *>(w->parentWidget())
                || qobject_cast<QAbstractSpinBox *>(w->parentWidget())))
            continue;
        if (w->accessibleDescription().isEmpty() && !hint.isEmpty())
            w->setAccessibleDescription(hint);
        if (!w->accessibleName().isEmpty())
            continue;
        const QString label = labels.value(w);
        if (label.isEmpty() || !isNamedByItsLabel(w))
            w->setAccessibleName(label.isEmpty() ? hint : label);
    }
}
