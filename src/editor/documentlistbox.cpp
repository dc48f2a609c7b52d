// SPDX-License-Identifier: MIT
#include "editor/documentlistbox.h"

#include <QMouseEvent>

DocumentListBox::DocumentListBox(QWidget *parent)
    : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
}

// Lines added at the end keep the selection, as a list box's own Add does;
// any other change shows the list afresh, with nothing selected.
void DocumentListBox::showLines(const QStringList &lines)
{
    const QStringList shown = this->lines();
    if (lines == shown)
        return;
    if (lines.size() > shown.size() && lines.first(shown.size()) == shown) {
        addItems(lines.mid(shown.size()));
        return;
    }
    clear();
    addItems(lines);
}

QStringList DocumentListBox::lines() const
{
    QStringList result;
    result.reserve(count());
    for (int i = 0; i < count(); ++i)
        result.append(item(i)->text());
    return result;
}

int DocumentListBox::selectedRow() const
{
    const QList<QListWidgetItem *> selected = selectedItems();
    return selected.isEmpty() ? -1 : row(selected.first());
}

// The first click of the pair has selected the line under the pointer; the
// view's own double-click handling has nothing to add, and the handler may
// take the line away.
void DocumentListBox::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QListWidget::mouseDoubleClickEvent(event);
        return;
    }
    event->accept();
    emit dblClick();
}
