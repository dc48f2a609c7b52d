// SPDX-License-Identifier: MIT
#include "model/lcltable.h"

#include <QHash>
#include <QSet>

namespace {

struct AncestorRow {
    LclAncestor ancestor;
    QSet<QString> folded;   // case-folded members
};

QList<QStringList> tableRows(const char *text, qsizetype minimumColumns)
{
    QList<QStringList> rows;
    for (QString line : QString::fromUtf8(text).split(u'\n')) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        QStringList columns = line.split(u'\t');
        if (columns.size() >= minimumColumns)
            rows.append(columns);
    }
    return rows;
}

// Rows: index, class of the list, LCL class, unit, mapping, members.
const QHash<QString, AncestorRow> &ancestors()
{
    static const QHash<QString, AncestorRow> table = [] {
        QHash<QString, AncestorRow> rows;
        for (const QStringList &columns : tableRows(kLclAncestorTable, 5)) {
            AncestorRow row;
            row.ancestor.lclClass = columns.at(2);
            row.ancestor.unit = columns.at(3);
            row.ancestor.counterpart = columns.at(4) == QLatin1String("counterpart");
            row.ancestor.members = columns.value(5).split(u',', Qt::SkipEmptyParts);
            for (const QString &member : std::as_const(row.ancestor.members))
                row.folded.insert(member.toCaseFolded());
            rows.insert(columns.at(1).toCaseFolded(), row);
        }
        return rows;
    }();
    return table;
}

// Rows: message, LM_ constant, record, Windows value.
const QHash<QString, LclMessage> &messages()
{
    static const QHash<QString, LclMessage> table = [] {
        QHash<QString, LclMessage> rows;
        for (const QStringList &columns : tableRows(kLclMessageTable, 4)) {
            LclMessage message;
            message.constant = columns.at(1);
            message.record = columns.at(2);
            bool ok = false;
            const int value = columns.at(3).toInt(&ok);
            if (ok)
                message.windowsValue = value;
            rows.insert(columns.at(0), message);
        }
        return rows;
    }();
    return table;
}

} // namespace

std::optional<LclAncestor> lclAncestor(const QString &delphiClass)
{
    const auto it = ancestors().constFind(delphiClass.toCaseFolded());
    if (it == ancestors().constEnd())
        return std::nullopt;
    return it->ancestor;
}

bool lclHasMember(const QString &delphiClass, const QString &name)
{
    const auto it = ancestors().constFind(delphiClass.toCaseFolded());
    return it != ancestors().constEnd() && it->folded.contains(name.toCaseFolded());
}

std::optional<LclMessage> lclMessage(const QString &message)
{
    const auto it = messages().constFind(message);
    if (it == messages().constEnd())
        return std::nullopt;
    return *it;
}
