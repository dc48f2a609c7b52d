// SPDX-License-Identifier: MIT
// The findings of the last check of the specification, shown below the
// Output text one line each: severity, entry and message. The list hides
// while there are none; a double-click (or Enter) on a line asks the window to
// take the user to that entry.
#pragma once

#include <QList>
#include <QTreeWidget>

#include "check/finding.h"

class FindingsList : public QTreeWidget
{
    Q_OBJECT
public:
    enum Column { SeverityColumn, EntryColumn, MessageColumn };

    explicit FindingsList(QWidget *parent = nullptr);

    // Shows findings in their order, none selected; with none the list hides.
    void setFindings(const QList<Finding> &findings);
    const QList<Finding> &findings() const { return m_findings; }

    // Room for its first few lines, so the Output text keeps most of the page.
    QSize sizeHint() const override;

signals:
    void findingActivated(const Finding &finding);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void activate(QTreeWidgetItem *item);

    QList<Finding> m_findings;
};
