// SPDX-License-Identifier: MIT
// The registry of the current user as Wine keeps it: the text file user.reg
// in the Wine prefix. Read once, read-only; a missing or unreadable file gives
// an empty registry, as on a machine without Wine.
#pragma once

#include "platform/registry.h"

#include <QHash>
#include <QList>
#include <QPair>

class WineRegistry : public Registry
{
public:
    WineRegistry() = default;
    // Reads the file's text; nothing when it cannot be read.
    static WineRegistry fromFile(const QString &path);
    static WineRegistry fromText(const QString &text);
    // user.reg of $WINEPREFIX, or of ~/.wine when WINEPREFIX is unset or empty.
    static QString currentUserFile();

    QStringList valueNames(const QString &key) const override;
    std::optional<QString> stringValue(const QString &key, const QString &name) const override;

private:
    struct Value {
        QString name;
        std::optional<QString> text;   // nullopt: not a string value
    };
    // Keys by their lower-cased path; values in file order.
    QHash<QString, QList<Value>> m_keys;

    static QString normalisedKey(QString key);
};
