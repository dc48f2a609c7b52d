// SPDX-License-Identifier: MIT
#include "model/pendingentries.h"

#include "platform/prompts.h"

QString pendingEntryQuestion(EntryKind kind, const QString &name)
{
    QString prefix;
    QString suffix;
    switch (kind) {
    case EntryKind::Property:
        prefix = QStringLiteral("Property '");
        suffix = QStringLiteral(" property)");
        break;
    case EntryKind::Method:
        prefix = QStringLiteral("Method '");
        suffix = QStringLiteral(" method)");
        break;
    case EntryKind::Event:
        prefix = QStringLiteral("Event '");
        suffix = QStringLiteral(" event)");
        break;
    }
    return prefix + name + QStringLiteral("'") + QStringLiteral(" has been changed.  Do You ")
        + QStringLiteral("want to Add it ?") + QStringLiteral("\r\r")
        + QStringLiteral("(Selecting No here will discard the") + suffix;
}

bool PendingEntries::anyPending() const
{
    for (const Entry &entry : m_entries) {
        if (!entry.name().isEmpty())
            return true;
    }
    return false;
}

bool PendingEntries::ask(Prompts &prompts, const std::function<void(int)> &showPage) const
{
    for (const Entry &entry : m_entries) {
        const QString name = entry.name();
        if (name.isEmpty())
            continue;
        const Prompts::Answer answer = prompts.message(
            Prompts::Kind::Warning, pendingEntryQuestion(entry.kind, name),
            Prompts::Buttons::YesNo);
        if (answer == Prompts::Answer::Cancel)
            return false;
        if (answer == Prompts::Answer::Yes) {
            showPage(entry.page);
            entry.add();
        }
    }
    return true;
}
