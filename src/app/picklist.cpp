// SPDX-License-Identifier: MIT
#include "app/picklist.h"

#include <QFocusEvent>

namespace {
constexpr int kHeight = 176;
constexpr int kRowHeight = 11;
}

PickList::PickList(const QString &name, int left, int width, QWidget *parent)
    : QListWidget(parent), m_left(left)
{
    setObjectName(name);
    QFont small(QStringLiteral("Small Fonts"));
    small.setPixelSize(9);
    setFont(small);
    setUniformItemSizes(true);
    resize(width, kHeight);
    hide();
    connect(this, &QListWidget::itemClicked, this, [this](QListWidgetItem *item) {
        hide();
        emit picked(item->text());
    });
}

void PickList::popUp(const QStringList &entries, const QWidget *statusBar)
{
    clear();
    addItems(entries);
    // Rows as high as the list's small font needs, not the style's taller ones.
    if (count() > 0)
        item(0)->setSizeHint(QSize(width(), kRowHeight));
    const QPoint top = statusBar->mapTo(parentWidget(), QPoint(0, 0));
    move(m_left, top.y() - height() + 1);
    raise();
    show();
    setFocus(Qt::PopupFocusReason);
}

void PickList::focusOutEvent(QFocusEvent *event)
{
    QListWidget::focusOutEvent(event);
    hide();
}
