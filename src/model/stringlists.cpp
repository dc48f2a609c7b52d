// SPDX-License-Identifier: MIT
#include "model/stringlists.h"

qsizetype indexOfText(const QStringList &list, const QString &text)
{
    for (qsizetype i = 0; i < list.size(); ++i) {
        if (list.at(i).compare(text, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

QString entryAt(const QStringList &list, qsizetype i)
{
    return i >= 0 && i < list.size() ? list.at(i) : QString();
}

bool removeEntryAt(QStringList &list, qsizetype i)
{
    if (i < 0 || i >= list.size())
        return false;
    list.removeAt(i);
    return true;
}

QString asciiUpper(const QString &text)
{
    QString result = text;
    for (QChar &c : result) {
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - (u'a' - u'A'));
    }
    return result;
}

QString asciiLower(const QString &text)
{
    QString result = text;
    for (QChar &c : result) {
        if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() + (u'a' - u'A'));
    }
    return result;
}
