// SPDX-License-Identifier: MIT
#include "platform/winepaths.h"

#include <QDir>
#include <QFileInfo>

QString winePrefix()
{
    const QString prefix = qEnvironmentVariable("WINEPREFIX");
    return prefix.isEmpty() ? QDir::homePath() + QStringLiteral("/.wine") : prefix;
}

bool hasDriveLetter(const QString &path)
{
    return path.size() >= 2 && path.at(1) == u':' && path.at(0).isLetter() && path.at(0).unicode() < 128;
}

std::optional<QString> fileOfWindowsPath(const QString &path, const QString &prefix)
{
    if (!hasDriveLetter(path) || prefix.isEmpty())
        return std::nullopt;
    const QString drive = prefix + QStringLiteral("/dosdevices/") + path.left(2).toLower();
    if (!QFileInfo(drive).isDir())
        return std::nullopt;
    QString rest = withSlashes(path.mid(2));
    if (!rest.startsWith(u'/'))
        rest.prepend(u'/');
    return drive + rest;
}

QString withSlashes(QString path)
{
    return path.replace(u'\\', u'/');
}
