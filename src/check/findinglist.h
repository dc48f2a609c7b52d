// SPDX-License-Identifier: MIT
// Collects the findings of one check, entry by entry.
#pragma once

#include <QList>

#include "check/finding.h"

// An entry of the specification as findings address it.
struct EntryRef {
    Finding::Kind kind;
    int index;
    QString name;
};

class FindingList
{
public:
    void error(const EntryRef &entry, const QString &message);
    void warning(const EntryRef &entry, const QString &message);
    void add(const EntryRef &entry, const Verdict &verdict);

    QList<Finding> take() { return std::move(m_findings); }

private:
    QList<Finding> m_findings;
};
