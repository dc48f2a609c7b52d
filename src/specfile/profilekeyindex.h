// The keys of one profile section and the lines they stand on. Most keys of
// a specification file are small decimal numbers ("0", "1", ...): those are
// found by number in a table, the others by name without regard to case.
#pragma once

#include <QList>
#include <QString>

#include <vector>

#include "specfile/profiletext.h"

class ProfileKeyIndex
{
public:
    // The line of a key, in any spelling; -1 when absent.
    qsizetype find(QStringView key) const;

    // Adds a key unless an equal one is there already (the first counts).
    // lineCount, the section's length, bounds the number table: a damaged
    // file's huge numbers go with the other names.
    void insert(QStringView key, qsizetype line, qsizetype lineCount);
    // Removes a key; returns its line, or -1 when it was absent.
    qsizetype take(QStringView key);

    // The largest n such that prefix + n is a key; -1 when there is none.
    qint64 largestNumbered(QStringView prefix) const;
    // Every n such that prefix + n is a key, ascending.
    QList<qint64> numbered(QStringView prefix) const;

    // Whether some key holds a ".", as continuation keys do.
    bool hasDottedKeys() const { return m_hasDottedKeys; }

private:
    ProfileText::FoldedNameMap<qsizetype> m_byName;
    std::vector<qsizetype> m_byNumber;   // line of key n, or -1
    bool m_hasDottedKeys = false;
};
