// SPDX-License-Identifier: MIT
// Entries typed on an editor page but not yet added. Build and Exit ask about
// each of them, in page order, before they go on.
#pragma once

#include <QList>
#include <QString>
#include <functional>

class Prompts;

enum class EntryKind { Property, Method, Event };

// "Property 'Count' has been changed.  Do You want to Add it ?" ... with the
// kind's own prefix and suffix.
QString pendingEntryQuestion(EntryKind kind, const QString &name);

class PendingEntries
{
public:
    struct Entry {
        EntryKind kind;
        int page;                          // the page that holds the entry
        std::function<QString()> name;     // the name field's text; empty: nothing pending
        std::function<void()> add;         // the page's Add, as if its button were pressed
    };

    // Pages register their entry in the order they are asked about.
    void add(Entry entry) { m_entries.append(std::move(entry)); }

    // Asks about every pending entry. Yes shows its page and runs its Add; No
    // discards it. Returns false when a question was closed without an answer:
    // the caller stops.
    bool ask(Prompts &prompts, const std::function<void(int)> &showPage) const;
    // Whether any entry is pending.
    bool anyPending() const;

private:
    QList<Entry> m_entries;
};
