// SPDX-License-Identifier: MIT
#include "check/findinglist.h"

void FindingList::error(const EntryRef &entry, const QString &message)
{
    add(entry, {Finding::Severity::Error, message});
}

void FindingList::warning(const EntryRef &entry, const QString &message)
{
    add(entry, {Finding::Severity::Warning, message});
}

void FindingList::add(const EntryRef &entry, const Verdict &verdict)
{
    m_findings.append({entry.kind, entry.name, entry.index, verdict.message, verdict.severity});
}
