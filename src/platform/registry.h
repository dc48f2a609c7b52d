// SPDX-License-Identifier: MIT
// Read access to the current user's registry: the program only lists value
// names and reads text values, so this is all it asks of a registry.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class Registry
{
public:
    virtual ~Registry() = default;

    // Key paths use "\" between their parts and match without regard to case,
    // e.g. "Software\Borland\Delphi\2.0\Library". A missing key has no values.
    virtual QStringList valueNames(const QString &key) const = 0;
    // The text of a string value; nullopt when the key or the value is missing
    // or the value is not text.
    virtual std::optional<QString> stringValue(const QString &key, const QString &name) const = 0;
};
