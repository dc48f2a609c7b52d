// SPDX-License-Identifier: MIT
#include "model/unitname.h"

bool isPathDelimiter(QChar c)
{
    return c == u'\\' || c == u':' || c == u'/';
}

qsizetype lastPathDelimiter(const QString &text)
{
    for (qsizetype i = text.size() - 1; i >= 0; --i) {
        if (isPathDelimiter(text.at(i)))
            return i;
    }
    return -1;
}

QString directoryPart(const QString &text)
{
    return text.left(lastPathDelimiter(text) + 1);
}

QString fileNamePart(const QString &text)
{
    return text.mid(lastPathDelimiter(text) + 1);
}

QString unitIdentifier(const QString &filename)
{
    QString unit = filename.isEmpty() ? QStringLiteral("Unit1") : filename;
    const qsizetype extension = unit.indexOf(QLatin1String(".pas"));
    if (extension >= 0)
        unit.truncate(extension);
    else if (unit.endsWith(QLatin1String(".pp")) && fileNamePart(unit).size() > 3)
        unit.chop(3);   // Free Pascal's own extension for a unit file
    return fileNamePart(unit);
}
