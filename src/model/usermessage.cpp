#include "model/usermessage.h"

#include "awk/awk.h"

UserMessageParts splitUserMessage(TAwk &awk, const QString &entry)
{
    awk.split(QStringLiteral("[]"), entry);
    return {awk.Field(0), awk.Field(1), awk.FieldCount() > 0};
}

QString userMessageOffsetText(const QString &value)
{
    QString text = value.trimmed();
    if (!text.startsWith(QLatin1String("WM_USER"), Qt::CaseInsensitive))
        return text;
    text = text.mid(7).trimmed();
    if (text.startsWith(u'+'))
        text = text.mid(1).trimmed();
    return text;
}

QString userMessageOffsetOf(const QString &entry)
{
    const qsizetype open = entry.lastIndexOf(u'[');
    if (open < 0)
        return QString();
    QStringView group = QStringView(entry).mid(open + 1);
    if (const qsizetype close = group.indexOf(u']'); close >= 0)
        group = group.left(close);
    return userMessageOffsetText(group.toString());
}
