// The keys of one profile section and the lines they stand on. Most keys of
// a specification file are small decimal numbers ("0", "1", ...): those are
// found by number in a table, the others through a hash of their text.
#pragma once

#include <QHash>
#include <QList>
#include <QStringView>

#include <vector>

class ProfileKeyIndex
{
public:
    // The line of a key given in folded case; -1 when absent.
    qsizetype find(QStringView foldedKey) const;

    // Whether a key would be held by number, so that its text need not stay
    // valid. lineCount, the section's length, bounds the table: a damaged
    // file's huge numbers go to the hash.
    static bool isNumbered(QStringView foldedKey, qsizetype lineCount);

    // Adds a key unless an equal one is there already (the first counts). A
    // key held by text must stay valid while it is indexed.
    void insert(QStringView foldedKey, qsizetype line, qsizetype lineCount);
    // Adds a key known to be absent.
    void insertNew(QStringView foldedKey, qsizetype line, qsizetype lineCount);
    // Adds a key held by number when it is one and is absent, and says so;
    // *number receives its number.
    bool insertIfNumbered(QStringView foldedKey, qsizetype line, qsizetype lineCount,
                          qsizetype *number);
    // Removes a key; returns its line, or -1 when it was absent.
    qsizetype take(QStringView foldedKey);

    // The largest n such that prefix + n is a key; -1 when there is none.
    qint64 largestNumbered(QStringView foldedPrefix) const;
    // Every n such that prefix + n is a key, ascending.
    QList<qint64> numbered(QStringView foldedPrefix) const;

    // Whether some key holds a ".", as continuation keys do.
    bool hasDottedKeys() const { return m_hasDottedKeys; }

private:
    QHash<QStringView, qsizetype> m_byText;
    std::vector<qsizetype> m_byNumber;   // line of key n, or -1
    bool m_hasDottedKeys = false;
};
