// SPDX-License-Identifier: MIT
#include "merge/constructormerge.h"

#include "merge/generatedbody.h"

#include <QHash>
#include <QList>

using namespace Qt::StringLiterals;

namespace {

struct Line {
    QString text;
    QString lineBreak;
    QString field;   // upper case; set for an initialisation of the new build
};

QList<Line> splitLines(QStringView body)
{
    QList<Line> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < body.size(); ++i) {
        if (body[i] != u'\n' && body[i] != u'\r')
            continue;
        const qsizetype breakLength = body[i] == u'\r' && i + 1 < body.size() && body[i + 1] == u'\n' ? 2 : 1;
        lines.append({body.sliced(start, i - start).toString(), body.sliced(i, breakLength).toString(), {}});
        i += breakLength - 1;
        start = i + 1;
    }
    lines.append({body.sliced(start).toString(), QString(), {}});
    return lines;
}

bool isFrameLine(QStringView line)
{
    const QStringView text = line.trimmed();
    return text.isEmpty() || text.compare(u"begin", Qt::CaseInsensitive) == 0
        || text.compare(u"end;", Qt::CaseInsensitive) == 0
        || text.compare(u"inherited Create(AOwner);", Qt::CaseInsensitive) == 0;
}

qsizetype indexOfField(const QList<Line> &lines, const QString &field)
{
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines[i].field == field)
            return i;
    }
    return -1;
}

// Where the first new initialisation goes: after the inherited call, else
// after "begin"; -1 for a body with neither (written in assembler).
qsizetype firstAnchor(const QList<Line> &lines)
{
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines[i].text.trimmed().startsWith(u"inherited", Qt::CaseInsensitive))
            return i;
    }
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines[i].text.trimmed().compare(u"begin", Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

} // namespace

ConstructorMerge mergeConstructorBody(QStringView newBody, QStringView oldBody,
                                      const QSet<QString> &propertyFields, const QSet<QString> &newPropertyFields)
{
    QList<Line> initializations;
    QHash<QString, qsizetype> newOrder;
    for (Line &line : splitLines(newBody)) {
        QStringView field = initializedField(line.text);
        field = field.isEmpty() ? createdField(line.text) : field;
        if (field.isEmpty())
            continue;
        line.field = field.toString().toUpper();
        newOrder.insert(line.field, initializations.size());
        initializations.append(line);
    }

    ConstructorMerge merged;
    QList<Line> lines;
    for (Line &line : splitLines(oldBody)) {
        const QString field = initializedField(line.text).toString().toUpper();
        // An owned object's creation: the new build's in its place, or nothing once its
        // property is gone; one for a property that stays may be the user's, and stays.
        const QString created = createdField(line.text).toString().toUpper();
        if (!created.isEmpty() && newOrder.contains(created) && indexOfField(lines, created) < 0) {
            lines.append({initializations[newOrder.value(created)].text, line.lineBreak, created});
            continue;
        }
        if (!created.isEmpty() && propertyFields.contains(created) && !newPropertyFields.contains(created))
            continue;
        if (!field.isEmpty() && (propertyFields.contains(field) || newOrder.contains(field))) {
            // The build's own line: the new build's version in its place, or nothing.
            if (newOrder.contains(field) && indexOfField(lines, field) < 0)
                lines.append({initializations[newOrder.value(field)].text, line.lineBreak, field});
            continue;
        }
        if (!isFrameLine(line.text))
            ++merged.ownLines;
        lines.append(line);
    }

    for (qsizetype k = 0; k < initializations.size(); ++k) {
        const Line &added = initializations[k];
        if (indexOfField(lines, added.field) >= 0)
            continue;
        qsizetype anchor = -1;
        for (qsizetype before = k - 1; before >= 0 && anchor < 0; --before)
            anchor = indexOfField(lines, initializations[before].field);
        if (anchor < 0)
            anchor = firstAnchor(lines);
        if (anchor < 0)
            break;
        Line line{added.text, lines[anchor].lineBreak, added.field};
        if (line.lineBreak.isEmpty()) {
            lines[anchor].lineBreak = u"\r\n"_s;
            line.lineBreak.clear();
        }
        lines.insert(anchor + 1, line);
    }

    for (const Line &line : std::as_const(lines))
        merged.body += line.text + line.lineBreak;
    return merged;
}
