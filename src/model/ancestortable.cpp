// SPDX-License-Identifier: MIT
#include "model/ancestortable.h"

#include <QHash>

#include <vector>

#include "model/componentspec.h"

namespace {

struct AncestorEntry {
    QStringList properties;
    QStringList events;
};

struct AncestorTable {
    QStringList names;
    std::vector<AncestorEntry> entries;
    QHash<QString, int> indexByName;   // case-folded name -> list index
};

// Rows: index, class name, kind, property names, event names. Entries of a
// kind other than "members" yield no names.
AncestorTable parseTable()
{
    AncestorTable table;
    const QStringList lines = QString::fromUtf8(kAncestorMemberTable).split(u'\n');
    for (QString line : lines) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const QStringList columns = line.split(u'\t');
        if (columns.size() < 3)
            continue;
        AncestorEntry entry;
        if (columns.at(2) == QLatin1String("members")) {
            entry.properties = columns.value(3).split(u',', Qt::SkipEmptyParts);
            entry.events = columns.value(4).split(u',', Qt::SkipEmptyParts);
        }
        const QString &name = columns.at(1);
        table.indexByName.insert(name.toCaseFolded(), int(table.names.size()));
        table.names.append(name);
        table.entries.push_back(std::move(entry));
    }
    return table;
}

const AncestorTable &table()
{
    static const AncestorTable parsed = parseTable();
    return parsed;
}

} // namespace

const QStringList &ancestorNames()
{
    return table().names;
}

int ancestorIndex(const QString &name)
{
    return table().indexByName.value(name.toCaseFolded(), -1);
}

void refillAncestorMembers(ComponentSpec &spec, int index)
{
    spec.StandardProperties.clear();
    spec.StandardEvents.clear();
    const AncestorTable &t = table();
    if (index < 0 || index >= int(t.entries.size()))
        return;
    spec.StandardProperties = t.entries[size_t(index)].properties;
    spec.StandardEvents = t.entries[size_t(index)].events;
}

bool isControlClass(const QString &name)
{
    const int index = ancestorIndex(name);
    if (index < 0)
        return false;
    const QStringList &members = table().entries[size_t(index)].properties;
    for (const char *bound : {"Left", "Top", "Width", "Height"}) {
        if (!members.contains(QLatin1StringView(bound)))
            return false;
    }
    return true;
}
