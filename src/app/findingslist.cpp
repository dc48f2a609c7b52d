// SPDX-License-Identifier: MIT
#include "app/findingslist.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QStyle>

#include <algorithm>

namespace {
constexpr int kVisibleLines = 4;
}

FindingsList::FindingsList(QWidget *parent)
    : QTreeWidget(parent)
{
    setObjectName(QStringLiteral("findingsList"));
    setColumnCount(3);
    setHeaderLabels({QStringLiteral("Severity"), QStringLiteral("Entry"), QStringLiteral("Message")});
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTextElideMode(Qt::ElideRight);
    // Long messages: the tooltip holds the whole line; a wider window shows more.
    header()->setStretchLastSection(true);
    header()->setSectionResizeMode(SeverityColumn, QHeaderView::ResizeToContents);
    header()->setSectionResizeMode(EntryColumn, QHeaderView::ResizeToContents);
    setStatusTip(QStringLiteral("Double-click a finding to go to its entry"));
    connect(this, &QTreeWidget::itemDoubleClicked, this, &FindingsList::activate);
    hide();
}

void FindingsList::setFindings(const QList<Finding> &findings)
{
    m_findings = findings;
    clear();
    const QIcon error = style()->standardIcon(QStyle::SP_MessageBoxCritical);
    const QIcon warning = style()->standardIcon(QStyle::SP_MessageBoxWarning);
    QList<QTreeWidgetItem *> items;
    for (qsizetype i = 0; i < findings.size(); ++i) {
        const Finding &finding = findings.at(i);
        const bool isError = finding.severity == Finding::Severity::Error;
        auto *item = new QTreeWidgetItem({isError ? QStringLiteral("Error") : QStringLiteral("Warning"),
                                          findingEntry(finding),
                                          finding.message});
        item->setIcon(SeverityColumn, isError ? error : warning);
        item->setData(SeverityColumn, Qt::UserRole, int(i));
        item->setToolTip(MessageColumn, finding.message);
        item->setToolTip(EntryColumn, describeFinding(finding));
        items.append(item);
    }
    addTopLevelItems(items);
    setVisible(!findings.isEmpty());
}

QSize FindingsList::sizeHint() const
{
    const int count = topLevelItemCount();
    const int line = count > 0 ? sizeHintForRow(0) : fontMetrics().height() + 4;
    const int lines = std::clamp(count, 1, kVisibleLines);
    const int height = header()->sizeHint().height() + lines * line + 2 * frameWidth();
    return {QTreeWidget::sizeHint().width(), height};
}

void FindingsList::keyPressEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && currentItem()) {
        activate(currentItem());
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

void FindingsList::activate(QTreeWidgetItem *item)
{
    const int i = item ? item->data(SeverityColumn, Qt::UserRole).toInt() : -1;
    if (i < 0 || i >= m_findings.size())
        return;
    // A copy: whoever hears of it may show other findings.
    const Finding finding = m_findings.at(i);
    emit findingActivated(finding);
}
