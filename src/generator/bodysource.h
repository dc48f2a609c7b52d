// SPDX-License-Identifier: MIT
// Where a build finds hand-written bodies of read access functions: the
// sections of the current specification file, read as profile entries.
#pragma once

#include <QList>
#include <QString>

class BodySource
{
public:
    virtual ~BodySource() = default;

    // The value of key in section, trimmed; def when absent.
    virtual QString readString(const QString &section, const QString &key,
                               const QString &def = QString()) const = 0;
    // The integer value of key (decimal, or hexadecimal with "0x", "0X" or "$"); def when absent or not a number.
    virtual int readInteger(const QString &section, const QString &key, int def) const = 0;
    // Every n >= 0 such that key prefix + n (decimal, no leading zeros) is
    // present in section, ascending. Loops over a count read from the file
    // visit only these, so an absurd count or key costs nothing.
    virtual QList<qint64> numberedKeys(const QString &section, const QString &prefix) const = 0;
};
