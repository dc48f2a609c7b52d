// SPDX-License-Identifier: MIT
#include "merge/classmerge.h"

#include "merge/classmembers.h"
#include "merge/generatedbody.h"
#include "merge/interfaceedits.h"

#include <QHash>

#include <algorithm>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

// Members that share lines, as whole lines, with the comment lines right above them.
struct MemberGroup {
    PascalSpan lines;
    qsizetype firstMember = 0;
    qsizetype lastMember = 0;   // inclusive
    bool movable = true;        // lies wholly between the heading's line and the line of "end"
    QString key;                // the declarations without blanks, upper case
};

// "{$ENDIF}", "{$ELSE}", "{$IFEND}" alone on its line.
bool closesConditional(QStringView line)
{
    line = line.trimmed();
    if (!line.startsWith(u"{$") || !line.endsWith(u'}') || line.count(u'}') != 1)
        return false;
    return line.startsWith(u"{$ENDIF", Qt::CaseInsensitive) || line.startsWith(u"{$IFEND", Qt::CaseInsensitive)
        || line.startsWith(u"{$ELSE", Qt::CaseInsensitive);
}

QList<MemberGroup> groupMembers(QStringView text, const ClassMembers &members)
{
    QList<MemberGroup> groups;
    const qsizetype firstLine = afterLineBreak(text, members.bodyStart);
    const qsizetype lastLine = lineStart(text, members.bodyEnd);
    const QList<PascalSpan> comments = multiLineComments(text, members.bodyStart, members.bodyEnd);
    for (qsizetype i = 0; i < members.members.size(); ++i) {
        const PascalSpan tokens = members.members[i].tokens;
        const PascalSpan lines = widenedOverComments(
            text, {lineStart(text, tokens.start), afterLineBreak(text, tokens.end)}, comments);
        if (!groups.isEmpty() && lines.start < groups.last().lines.end) {
            groups.last().lines.end = std::max(groups.last().lines.end, lines.end);
            groups.last().lastMember = i;
            continue;
        }
        groups.append({lines, i, i, true, {}});
    }
    const auto closed = [&members](const MemberGroup &group) {
        for (qsizetype i = group.firstMember; i <= group.lastMember; ++i) {
            if (!members.members[i].closed)
                return false;
        }
        return true;
    };
    qsizetype floor = firstLine;
    for (qsizetype g = 0; g < groups.size(); ++g) {
        MemberGroup &group = groups[g];
        // A member without its ";" would run on into whatever followed it elsewhere.
        group.movable = group.lines.start >= firstLine && group.lines.end <= lastLine && closed(group);
        // The end of a conditional right below the group above closes around that group.
        while (g > 0 && groups[g - 1].movable && floor < group.lines.start) {
            const qsizetype next = afterLineBreak(text, floor);
            if (next > group.lines.start || !closesConditional(text.sliced(floor, next - floor)))
                break;
            floor = next;
            groups[g - 1].lines.end = next;
        }
        // Comment lines directly above, up to a blank line.
        while (group.movable && group.lines.start > floor) {
            qsizetype lineEnd = group.lines.start - 1;   // the line break that ends the line above
            if (lineEnd > 0 && text[lineEnd] == u'\n' && text[lineEnd - 1] == u'\r')
                --lineEnd;
            const qsizetype above = lineStart(text, lineEnd);
            if (above < floor || text.sliced(above, group.lines.start - above).trimmed().isEmpty())
                break;
            const PascalSpan candidate = widenedOverComments(text, {above, group.lines.end}, comments);
            if (candidate.start < floor)
                break;
            group.lines = candidate;
        }
        floor = std::max(floor, group.lines.end);
        const PascalSpan tokens{members.members[group.firstMember].tokens.start,
                                members.members[group.lastMember].tokens.end};
        for (const QChar c : text.sliced(tokens.start, tokens.end - tokens.start)) {
            if (!c.isSpace())
                group.key += c.toUpper();
        }
    }
    return groups;
}

// The lines that each hold one whole member, as the member reader took them:
// only such lines are the build's. A line that merely looks like one of its
// declarations inside a longer, damaged member says nothing of what it declared.
QString singleMemberLines(QStringView text, const ClassMembers &members)
{
    QString lines;
    for (qsizetype i = 0; i < members.members.size(); ++i) {
        const PascalSpan tokens = members.members[i].tokens;
        const PascalSpan line{lineStart(text, tokens.start), afterLineBreak(text, tokens.end)};
        const QStringView lineText = text.sliced(line.start, line.end - line.start).trimmed();
        const bool alone = (i == 0 || members.members[i - 1].tokens.end <= line.start)
            && (i + 1 == members.members.size() || members.members[i + 1].tokens.start >= line.end);
        if (alone && !lineText.contains(u'\n') && !lineText.contains(u'\r'))
            (lines += lineText) += u'\n';
    }
    return lines;
}

QString declaredName(const ClassMember &member, const QString &name)
{
    switch (member.kind) {
    case ClassMember::Kind::Field:
        return u"F:"_s + name;
    case ClassMember::Kind::Method:
        return u"M:"_s + name;
    case ClassMember::Kind::Property:
        return u"P:"_s + name;
    default:
        return {};
    }
}

} // namespace

KeptMembers keptClassMembers(QStringView newText, const PascalClassDeclaration &newClass, QStringView oldText,
                             const PascalClassDeclaration &oldClass)
{
    KeptMembers result;
    const ClassMembers newMembers = readClassMembers(newText, newClass.span);
    const ClassMembers oldMembers = readClassMembers(oldText, oldClass.span);
    if (!newMembers.read || !oldMembers.read)
        return result;
    const QList<MemberGroup> newGroups = groupMembers(newText, newMembers);
    const QList<MemberGroup> oldGroups = groupMembers(oldText, oldMembers);

    QHash<QString, QList<qsizetype>> newByKey;
    for (qsizetype j = 0; j < newGroups.size(); ++j)
        newByKey[newGroups[j].key].append(j);
    QSet<QString> newNames;
    for (const ClassMember &member : newMembers.members) {
        for (const QString &name : member.names)
            newNames.insert(declaredName(member, name));
    }
    std::optional<BuildMemberSpelling> spelling;   // read when first needed

    // Each of the author's groups goes after the new counterpart of the
    // nearest group above it that the new build has too.
    qsizetype anchor = afterLineBreak(newText, newMembers.bodyStart);
    QString pending;
    const auto flush = [&]() {
        if (!pending.isEmpty())
            result.insertions.append({anchor, 0, pending});
        pending.clear();
    };
    for (const MemberGroup &group : oldGroups) {
        QList<qsizetype> &counterparts = newByKey[group.key];
        if (group.movable && !counterparts.isEmpty()) {
            flush();
            anchor = newGroups[counterparts.takeFirst()].lines.end;
            continue;
        }
        if (!group.movable)
            continue;
        bool redeclared = false;
        for (qsizetype i = group.firstMember; i <= group.lastMember && !redeclared; ++i) {
            const ClassMember &member = oldMembers.members[i];
            for (const QString &name : member.names)
                redeclared = redeclared || newNames.contains(declaredName(member, name));
        }
        if (redeclared)
            continue;   // the build's declaration takes its place
        const QStringView text = oldText.sliced(group.lines.start, group.lines.end - group.lines.start);
        const int lines = lineCount(text) - 1;   // the group ends at a line break
        // Only a field, method or property can be one the build declared: a line
        // that merely reads like one but is none to the reader is the author's.
        const ClassMember::Kind kind = oldMembers.members[group.firstMember].kind;
        const bool declaresMember = kind == ClassMember::Kind::Field || kind == ClassMember::Kind::Method
            || kind == ClassMember::Kind::Property;
        if (group.firstMember == group.lastMember && lines <= 1 && declaresMember) {
            if (!spelling)
                spelling.emplace(singleMemberLines(oldText, oldMembers));
            if (spelling->matches(text.trimmed()))
                continue;   // the specification's once, no longer
        }
        pending += text;   // whole lines: a movable group ends at a line break
        result.lines += lines;
        for (qsizetype i = group.firstMember; i <= group.lastMember; ++i) {
            const ClassMember &member = oldMembers.members[i];
            if (member.kind == ClassMember::Kind::Method)
                result.methods.unite(QSet<QString>(member.names.begin(), member.names.end()));
        }
    }
    flush();
    return result;
}
