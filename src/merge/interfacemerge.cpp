// SPDX-License-Identifier: MIT
#include "merge/interfacemerge.h"

#include "merge/classmembers.h"
#include "merge/interfaceedits.h"
#include "merge/pascallexer.h"

#include <QHash>
#include <QList>

#include <algorithm>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

bool isBreak(QChar c)
{
    return c == u'\n' || c == u'\r';
}

qsizetype lineStart(QStringView text, qsizetype position)
{
    while (position > 0 && !isBreak(text[position - 1]))
        --position;
    return position;
}

qsizetype afterLineBreak(QStringView text, qsizetype position)
{
    while (position < text.size() && !isBreak(text[position]))
        ++position;
    if (position < text.size())
        position += text[position] == u'\r' && position + 1 < text.size() && text[position + 1] == u'\n' ? 2 : 1;
    return position;
}

const PascalClassDeclaration *findClass(const PascalUnit &unit, QStringView name)
{
    if (name.isEmpty())
        return nullptr;
    for (const PascalClassDeclaration &declaration : unit.classes) {
        if (declaration.name.compare(name, Qt::CaseInsensitive) == 0)
            return &declaration;
    }
    return nullptr;
}

// Members that share lines, as whole lines, with the comment lines right above them.
struct MemberGroup {
    PascalSpan lines;
    qsizetype firstMember = 0;
    qsizetype lastMember = 0;   // inclusive
    bool movable = true;        // lies wholly between the heading's line and the line of "end"
    QString key;                // the declarations without blanks, upper case
};

// The comments from start to end that run over more than one line.
QList<PascalSpan> longComments(QStringView text, qsizetype start, qsizetype end)
{
    QList<PascalSpan> spans;
    PascalLexer lexer(text);
    lexer.setPosition(start);
    for (;;) {
        const PascalToken token = lexer.next();
        if (token.kind == PascalToken::Kind::EndOfText || token.kind == PascalToken::Kind::Error
            || token.start >= end)
            return spans;
        const QStringView comment = text.sliced(token.start, token.end - token.start);
        if (token.kind == PascalToken::Kind::Comment && (comment.contains(u'\n') || comment.contains(u'\r')))
            spans.append({token.start, token.end});
    }
}

// Whole lines, widened until no comment is cut in two.
PascalSpan widened(QStringView text, PascalSpan lines, const QList<PascalSpan> &comments)
{
    for (bool changed = true; changed;) {
        changed = false;
        for (const PascalSpan &comment : comments) {
            if (comment.start < lines.start && lines.start < comment.end) {
                lines.start = lineStart(text, comment.start);
                changed = true;
            }
            if (comment.start < lines.end && lines.end < comment.end) {
                lines.end = afterLineBreak(text, comment.end);
                changed = true;
            }
        }
    }
    return lines;
}

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
    const QList<PascalSpan> comments = longComments(text, members.bodyStart, members.bodyEnd);
    for (qsizetype i = 0; i < members.members.size(); ++i) {
        const PascalSpan tokens = members.members[i].tokens;
        const PascalSpan lines = widened(text, {lineStart(text, tokens.start), afterLineBreak(text, tokens.end)},
                                         comments);
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
            const PascalSpan candidate = widened(text, {above, group.lines.end}, comments);
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

struct Insertion {
    qsizetype at = 0;        // in the new text
    qsizetype replaced = 0;  // characters of the new text it takes the place of
    QString text;
};

// The uses clause with the author's units: the edited unit's own clause when
// it names every unit the build names, else the build's with the others added.
void mergeUses(QStringView newText, const PascalUnit &newUnit, QStringView oldText, const PascalUnit &oldUnit,
               QList<Insertion> &insertions, InterfaceMerge &result)
{
    if (!newUnit.uses.isValid() || !oldUnit.uses.isValid())
        return;
    const QStringView newClause = newText.sliced(newUnit.uses.start, newUnit.uses.end - newUnit.uses.start);
    const QStringView oldClause = oldText.sliced(oldUnit.uses.start, oldUnit.uses.end - oldUnit.uses.start);
    const QStringList newUnits = usesClauseUnits(newClause);
    const QStringList oldUnits = usesClauseUnits(oldClause);
    const auto names = [](const QStringList &units, const QString &unit) {
        return units.contains(unit, Qt::CaseInsensitive);
    };
    for (const QString &unit : oldUnits) {
        if (!names(newUnits, unit) && !names(result.ownUnits, unit))
            result.ownUnits.append(unit);
    }
    if (result.ownUnits.isEmpty())
        return;
    const bool namesAll = std::all_of(newUnits.begin(), newUnits.end(),
                                      [&](const QString &unit) { return names(oldUnits, unit); });
    if (namesAll) {
        insertions.append({newUnit.uses.start, newClause.size(), oldClause.toString()});
        return;
    }
    // Before the clause's closing ";".
    insertions.append({newUnit.uses.end - 1, 0, u","_s + result.ownUnits.join(u',')});
}

void mergeClass(QStringView newText, const PascalUnit &newUnit, QStringView newClass, QStringView oldText,
                const PascalUnit &oldUnit, QStringView oldClass, QList<Insertion> &insertions,
                InterfaceMerge &result)
{
    const PascalClassDeclaration *newDeclaration = findClass(newUnit, newClass);
    const PascalClassDeclaration *oldDeclaration = findClass(oldUnit, oldClass);
    if (!newDeclaration || !oldDeclaration)
        return;
    const ClassMembers newMembers = readClassMembers(newText, newDeclaration->span);
    const ClassMembers oldMembers = readClassMembers(oldText, oldDeclaration->span);
    if (!newMembers.read || !oldMembers.read)
        return;
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
            insertions.append({anchor, 0, pending});
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
        const bool oneLine = text.count(u'\n') + text.count(u'\r') - text.count(u"\r\n") <= 1;
        if (group.firstMember == group.lastMember && oneLine) {
            if (!spelling)
                spelling.emplace(oldText.sliced(oldDeclaration->span.start,
                                                oldDeclaration->span.end - oldDeclaration->span.start));
            if (spelling->matches(text.trimmed()))
                continue;   // the specification's once, no longer
        }
        pending += text;   // whole lines: a movable group ends at a line break
        result.ownClassLines += int(text.count(u'\n') + text.count(u'\r') - text.count(u"\r\n"));
        for (qsizetype i = group.firstMember; i <= group.lastMember; ++i) {
            const ClassMember &member = oldMembers.members[i];
            if (member.kind == ClassMember::Kind::Method)
                result.ownMethods.unite(QSet<QString>(member.names.begin(), member.names.end()));
        }
    }
    flush();
}

struct RegionLine {
    QStringView text;   // without its line break
    qsizetype start = 0;
    qsizetype end = 0;  // after its line break
};

QList<RegionLine> regionLines(QStringView text, qsizetype start, qsizetype end)
{
    QList<RegionLine> lines;
    while (start < end) {
        qsizetype stop = start;
        while (stop < end && !isBreak(text[stop]))
            ++stop;
        const qsizetype next = std::min(afterLineBreak(text, stop), end);
        lines.append({text.sliced(start, stop - start), start, next});
        start = next;
    }
    return lines;
}

QStringView withoutTrailingBlanks(QStringView line)
{
    while (!line.isEmpty() && line.back().isSpace())
        line.chop(1);
    return line;
}

// The line's code without its comments and blanks, upper case, as a key to
// compare lines by.
QString codeOf(QStringView line)
{
    QString code;
    PascalLexer lexer(line);
    for (PascalToken token = lexer.next(); token.kind != PascalToken::Kind::EndOfText; token = lexer.next()) {
        if (token.kind == PascalToken::Kind::Error)
            return line.trimmed().toString().toUpper();
        if (token.kind == PascalToken::Kind::Comment)
            continue;
        if (!code.isEmpty())
            code += u' ';
        code += line.sliced(token.start, token.end - token.start).toString().toUpper();
    }
    return code;
}

bool overlapsComment(const RegionLine &line, const QList<PascalSpan> &comments)
{
    return std::any_of(comments.begin(), comments.end(), [&line](const PascalSpan &comment) {
        return comment.start < line.end && line.start < comment.end;
    });
}

bool isBareKeyword(QStringView line)
{
    const QStringView word = line.trimmed();
    for (const QStringView keyword : {u"const", u"type", u"var", u"threadvar", u"resourcestring"}) {
        if (word.compare(keyword, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

// The author's text in the interface outside the class: each stretch between
// two lines the new build has too goes after the new one of the upper line,
// without the lines a build wrote. The uses clause counts as one such line.
void mergeRegion(QStringView newText, PascalSpan newRegion, PascalSpan newUses, QStringView oldText,
                 PascalSpan oldRegion, PascalSpan oldUses, const QSet<QString> &messages,
                 QList<Insertion> &insertions, InterfaceMerge &result)
{
    // A comment that runs over a region's edge belongs to what lies beyond it.
    const QList<PascalSpan> comments = longComments(oldText, 0, oldRegion.end + 1);
    for (const PascalSpan &comment : comments) {
        if (comment.start < oldRegion.start && oldRegion.start < comment.end)
            oldRegion.start = std::min(afterLineBreak(oldText, comment.end), oldRegion.end);
        if (comment.start < oldRegion.end && oldRegion.end < comment.end)
            oldRegion.end = std::max(lineStart(oldText, comment.start), oldRegion.start);
    }
    const QList<RegionLine> newLines = regionLines(newText, newRegion.start, newRegion.end);
    const QList<RegionLine> oldLines = regionLines(oldText, oldRegion.start, oldRegion.end);
    const auto inUses = [](const RegionLine &line, PascalSpan uses) {
        return uses.isValid() && line.start < uses.end && uses.start < line.end;
    };
    QStringList newCodes;
    for (const RegionLine &line : newLines)
        newCodes.append(codeOf(line.text));
    qsizetype newUsesLine = -1;
    for (qsizetype j = 0; j < newLines.size(); ++j) {
        if (inUses(newLines[j], newUses))
            newUsesLine = j;
    }

    qsizetype matched = -1;   // the new line of the last line both have
    QList<RegionLine> stretch;
    const auto flush = [&]() {
        QList<RegionLine> kept;
        for (const RegionLine &line : std::as_const(stretch)) {
            if (overlapsComment(line, comments)
                || !isBuildLineOutsideClass(withoutTrailingBlanks(line.text), messages))
                kept.append(line);
        }
        stretch.clear();
        // A keyword that introduces nothing of the author's goes with what it introduced.
        for (qsizetype k = kept.size() - 1; k >= 0; --k) {
            if (!isBareKeyword(kept[k].text) || overlapsComment(kept[k], comments))
                continue;
            qsizetype next = k + 1;
            while (next < kept.size() && kept[next].text.trimmed().isEmpty())
                ++next;
            if (next == kept.size() || isBareKeyword(kept[next].text))
                kept.remove(k);
        }
        const bool own = std::any_of(kept.begin(), kept.end(), [](const RegionLine &line) {
            return !line.text.trimmed().isEmpty() && !isBareKeyword(line.text);
        });
        while (own && kept.first().text.trimmed().isEmpty())
            kept.removeFirst();
        while (own && kept.last().text.trimmed().isEmpty())
            kept.removeLast();
        if (!own)
            return;
        // Whole lines: a region ends at the start of a line.
        QString text;
        for (const RegionLine &line : kept)
            text += oldText.sliced(line.start, line.end - line.start);
        const qsizetype at = matched >= 0 ? newLines[matched].end : newRegion.start;
        insertions.append({at, 0, text});
        result.ownInterfaceLines += int(kept.size());
    };
    for (const RegionLine &line : oldLines) {
        qsizetype counterpart = -1;
        if (inUses(line, oldUses)) {
            counterpart = newUsesLine > matched ? newUsesLine : -1;
        } else if (!line.text.trimmed().isEmpty() && !overlapsComment(line, comments)) {
            const QString code = codeOf(line.text);
            for (qsizetype j = matched + 1; j < newLines.size() && counterpart < 0; ++j) {
                if (!code.isEmpty() && newCodes[j] == code && !inUses(newLines[j], newUses))
                    counterpart = j;
            }
        }
        if (counterpart < 0 && !inUses(line, oldUses)) {
            stretch.append(line);
            continue;
        }
        flush();
        matched = std::max(matched, counterpart);
    }
    flush();
}

// From the "unit" that opens the text to the end of the "interface" after it.
PascalSpan headingOf(QStringView text)
{
    PascalLexer lexer(text);
    const PascalToken unit = lexer.nextCode();
    if (!unit.is(PascalWord::Unit))
        return {};
    for (PascalToken token = lexer.nextCode(); token.kind != PascalToken::Kind::EndOfText
         && token.kind != PascalToken::Kind::Error; token = lexer.nextCode()) {
        if (token.is(PascalWord::Interface))
            return {unit.start, token.end};
    }
    return {};
}

void mergeOutsideClass(QStringView newText, const PascalUnit &newUnit, QStringView newClass,
                       QStringView oldText, const PascalUnit &oldUnit, QStringView oldClass,
                       QList<Insertion> &insertions, InterfaceMerge &result)
{
    const PascalClassDeclaration *newDeclaration = findClass(newUnit, newClass);
    const PascalClassDeclaration *oldDeclaration = findClass(oldUnit, oldClass);
    if (!newDeclaration || !oldDeclaration)
        return;
    // A message constant is the build's when either class handles the message.
    QSet<QString> messages = handledMessages(oldText.sliced(
        oldDeclaration->span.start, oldDeclaration->span.end - oldDeclaration->span.start));
    messages.unite(handledMessages(newText.sliced(
        newDeclaration->span.start, newDeclaration->span.end - newDeclaration->span.start)));
    // The heading, from "unit" through "interface", is the build's; what comes before it stays before it.
    const PascalSpan newHeading = headingOf(newText);
    const PascalSpan oldHeading = headingOf(oldText);
    if (!newHeading.isValid() || !oldHeading.isValid())
        return;
    mergeRegion(newText, {0, lineStart(newText, newHeading.start)}, {}, oldText,
                {0, lineStart(oldText, oldHeading.start)}, {}, messages, insertions, result);
    const PascalSpan newBefore{afterLineBreak(newText, newHeading.end), lineStart(newText, newDeclaration->span.start)};
    const PascalSpan oldBefore{afterLineBreak(oldText, oldHeading.end), lineStart(oldText, oldDeclaration->span.start)};
    if (newBefore.start <= newBefore.end && oldBefore.start <= oldBefore.end)
        mergeRegion(newText, newBefore, newUnit.uses, oldText, oldBefore, oldUnit.uses, messages, insertions, result);
    const PascalSpan newAfter{afterLineBreak(newText, newDeclaration->span.end), lineStart(newText, newUnit.implementation)};
    const PascalSpan oldAfter{afterLineBreak(oldText, oldDeclaration->span.end), lineStart(oldText, oldUnit.implementation)};
    if (newAfter.start <= newAfter.end && oldAfter.start <= oldAfter.end)
        mergeRegion(newText, newAfter, {}, oldText, oldAfter, {}, messages, insertions, result);
}

} // namespace

InterfaceMerge mergeInterfaces(QStringView newText, const PascalUnit &newUnit, QStringView newClass,
                               QStringView oldText, const PascalUnit &oldUnit, QStringView oldClass)
{
    InterfaceMerge result;
    QList<Insertion> insertions;
    mergeUses(newText, newUnit, oldText, oldUnit, insertions, result);
    mergeClass(newText, newUnit, newClass, oldText, oldUnit, oldClass, insertions, result);
    mergeOutsideClass(newText, newUnit, newClass, oldText, oldUnit, oldClass, insertions, result);
    std::stable_sort(insertions.begin(), insertions.end(),
                     [](const Insertion &a, const Insertion &b) { return a.at < b.at; });

    const QStringView interface = newText.first(newUnit.implementation);
    qsizetype from = 0;
    result.uses = newUnit.uses;
    for (const Insertion &insertion : insertions) {
        result.text += interface.sliced(from, insertion.at - from);
        const qsizetype growth = insertion.text.size() - insertion.replaced;
        if (result.uses.isValid() && insertion.at < newUnit.uses.end) {
            if (insertion.at < newUnit.uses.start)
                result.uses.start += growth;
            result.uses.end += growth;
        }
        result.text += insertion.text;
        from = insertion.at + insertion.replaced;
    }
    result.text += interface.sliced(from);
    return result;
}
