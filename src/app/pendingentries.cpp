#include "app/pendingentries.h"

#include "app/userprompts.h"

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

bool PendingEntries::ask(UserPrompts &prompts, const std::function<void(int)> &showPage) const
{
    for (const Entry &entry : m_entries) {
        const QString name = entry.name();
        if (name.isEmpty())
            continue;
        const UserPrompts::Answer answer = prompts.message(
            UserPrompts::Kind::Warning, pendingEntryQuestion(entry.kind, name),
            UserPrompts::Buttons::YesNo);
        if (answer == UserPrompts::Answer::Cancel)
            return false;
        if (answer == UserPrompts::Answer::Yes) {
            showPage(entry.page);
            entry.add();
        }
    }
    return true;
}
