// SPDX-License-Identifier: MIT
#include "merge/unitmerge.h"

#include "merge/constructormerge.h"
#include "merge/generatedbody.h"
#include "merge/interfaceedits.h"
#include "merge/interfacemerge.h"
#include "merge/owntext.h"
#include "merge/pascalreader.h"
#include "merge/sourcetext.h"

#include <QHash>
#include <QSet>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

bool sameName(QStringView a, QStringView b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// Just after the first line break of text, or its start when it has none.
qsizetype afterFirstBreak(QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (isLineBreak(text[i]))
            return i + (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n' ? 2 : 1);
    }
    return 0;
}

QString plural(int count, const QString &one)
{
    return QString::number(count) + u' ' + one + (count == 1 ? QString() : u"s"_s);
}

class Merger
{
public:
    Merger(const QString &newText, const PascalUnit &newUnit, const QString &oldText,
           const PascalUnit &oldUnit);
    UnitMerge run();

private:
    QStringView slice(const QString &text, qsizetype start, qsizetype end) const
    {
        return QStringView(text).sliced(start, end - start);
    }
    QStringView routineText(const QString &text, const PascalRoutine &routine) const
    {
        return slice(text, routine.start, routine.end);
    }
    QString key(const PascalRoutine &routine, QStringView ownClass) const;
    // A method of the edited unit's class, under its name then or now.
    bool isOldMethod(const PascalRoutine &routine) const
    {
        const QStringView qualifier = routine.qualifier();
        return !qualifier.isEmpty() && (sameName(qualifier, m_oldClass) || sameName(qualifier, m_newClass));
    }
    BodyRole roleOf(const PascalRoutine &routine) const;
    qsizetype endOfNewGaps() const { return m_new.mainBlock >= 0 ? m_new.mainBlock : m_new.finalEnd; }
    QStringView newGap(qsizetype j) const;
    void pairRoutines();
    void collectPieces();
    void vanish(const PascalRoutine &routine, PascalSpan comment);
    QString bodyFor(qsizetype j);
    void appendGap(QString &out, QStringView gap, const QList<QStringView> &pieces) const;

    const QString &m_newText;
    const PascalUnit &m_new;
    const QString &m_oldText;
    const PascalUnit &m_old;
    QString m_newClass;
    QString m_oldClass;
    QString m_lineBreak = u"\r\n"_s;
    QList<qsizetype> m_counterpartOfNew;   // index into the old routines, -1: none
    QList<qsizetype> m_counterpartOfOld;   // index into the new routines, -1: none
    QList<QList<QStringView>> m_pieces;    // the user's text, by the new routine it precedes
    QSet<QString> m_ownMethods;            // declared in the class by the user, kept with their bodies
    UnitMerge m_result;
};

Merger::Merger(const QString &newText, const PascalUnit &newUnit, const QString &oldText,
               const PascalUnit &oldUnit)
    : m_newText(newText)
    , m_new(newUnit)
    , m_oldText(oldText)
    , m_old(oldUnit)
{
    if (!m_new.classes.isEmpty())
        m_newClass = m_new.classes.first().name;
    // The edited unit's class: the new build's, or else the first class declared
    // with methods in the implementation, so that a class renamed since keeps
    // its methods (they are matched by member name).
    m_oldClass = m_newClass;
    const auto hasMethods = [this](const QString &name) {
        return !name.isEmpty() && std::any_of(m_old.routines.begin(), m_old.routines.end(),
                           [&name](const PascalRoutine &routine) { return sameName(routine.qualifier(), name); });
    };
    const auto declared = std::find_if(m_old.classes.begin(), m_old.classes.end(),
                                       [this](const PascalClassDeclaration &declaration) {
                                           return sameName(declaration.name, m_newClass);
                                       });
    if (declared == m_old.classes.end()) {
        for (const PascalClassDeclaration &declaration : m_old.classes) {
            if (hasMethods(declaration.name)) {
                m_oldClass = declaration.name;
                break;
            }
        }
    }
    // Lines the merge adds end as the new build's first line does.
    for (qsizetype i = 0; i < m_newText.size(); ++i) {
        if (isLineBreak(m_newText[i])) {
            m_lineBreak = m_newText.mid(i, QStringView(m_newText).sliced(i).startsWith(u"\r\n") ? 2 : 1);
            break;
        }
    }
}

QString Merger::key(const PascalRoutine &routine, QStringView ownClass) const
{
    if (!routine.qualifier().isEmpty() && sameName(routine.qualifier(), ownClass))
        return m_newClass.toUpper() + u'.' + routine.member().toString().toUpper();
    return routine.name.toUpper();
}

BodyRole Merger::roleOf(const PascalRoutine &routine) const
{
    const bool method = isOldMethod(routine);
    if (!method && sameName(routine.name, u"Register"))
        return BodyRole::Register;
    if (method && sameName(routine.member(), u"Create"))
        return BodyRole::Constructor;
    if (method && sameName(routine.member(), u"Destroy"))
        return BodyRole::Destructor;
    if (slice(m_oldText, routine.start, routine.headingEnd).contains(u"(var Message: "))
        return BodyRole::MessageHandler;
    return BodyRole::Method;
}

QStringView Merger::newGap(qsizetype j) const
{
    const qsizetype start = j == 0 ? m_new.implementationBody : m_new.routines[j - 1].end;
    const qsizetype end = j < m_new.routines.size() ? m_new.routines[j].start : endOfNewGaps();
    return slice(m_newText, start, end);
}

void Merger::pairRoutines()
{
    QHash<QString, QList<qsizetype>> oldByKey;
    for (qsizetype i = 0; i < m_old.routines.size(); ++i)
        oldByKey[key(m_old.routines[i], m_oldClass)].append(i);
    m_counterpartOfOld.fill(-1, m_old.routines.size());
    m_counterpartOfNew.fill(-1, m_new.routines.size());
    for (qsizetype j = 0; j < m_new.routines.size(); ++j) {
        // Routines of the same name (overloads) pair in their order.
        QList<qsizetype> &candidates = oldByKey[key(m_new.routines[j], m_newClass)];
        if (candidates.isEmpty())
            continue;
        m_counterpartOfNew[j] = candidates.takeFirst();
        m_counterpartOfOld[m_counterpartOfNew[j]] = j;
    }
}

// A method the new build does not have goes, with the comment above it; it
// is listed as lost when its body is not one a build wrote.
void Merger::vanish(const PascalRoutine &routine, PascalSpan comment)
{
    const QStringView body = slice(m_oldText, routine.headingEnd, routine.end);
    const qsizetype start = comment.isValid() ? comment.start : routine.start;
    MergeItem item{MergeItem::Kind::VanishedMethod, routine.name,
                   lineCount(slice(m_oldText, start, routine.end)), {}};
    // A working body of the build's goes with its member as an empty one does.
    const BodyRole role = roleOf(routine);
    if (isGeneratedBody(body, role, true) || (role == BodyRole::Method && isWorkingMethodBody(body, true)))
        m_result.dropped.append(item);
    else
        m_result.lost.append(item);
}

void Merger::collectPieces()
{
    const qsizetype count = m_old.routines.size();
    const qsizetype end = m_new.routines.size();
    m_pieces.resize(end + 1);

    // Text of the user's goes before the next routine that stays; text above
    // the first such routine (a uses clause) stays at the top; the order is kept.
    QList<qsizetype> nextAnchor(count + 1, end);
    for (qsizetype i = count - 1; i >= 0; --i)
        nextAnchor[i] = m_counterpartOfOld[i] >= 0 ? m_counterpartOfOld[i] : nextAnchor[i + 1];
    bool seenPaired = false;
    qsizetype lastAnchor = 0;

    for (qsizetype i = 0; i < count; ++i) {
        const PascalRoutine &routine = m_old.routines[i];
        const qsizetype paired = m_counterpartOfOld[i];
        const qsizetype anchor = seenPaired ? std::max(nextAnchor[i], lastAnchor) : 0;
        seenPaired = seenPaired || paired >= 0;
        lastAnchor = anchor;
        const PascalSpan gap{i == 0 ? m_old.implementationBody : m_old.routines[i - 1].end, routine.start};

        if (paired < 0 && (!isOldMethod(routine) || m_ownMethods.contains(routine.member().toString().toUpper()))) {
            // A routine of the user's own goes with everything above it; a
            // line break that only ends the routine before stays there.
            const QStringView gapText = slice(m_oldText, gap.start, gap.end);
            const qsizetype firstBreak = afterFirstBreak(gapText);
            const qsizetype pieceStart = gap.start
                + (gapText.first(firstBreak).trimmed().isEmpty() ? firstBreak : 0);
            qsizetype pieceEnd = routine.end;
            const QStringView after = QStringView(m_oldText).sliced(routine.end);
            if (after.startsWith(u"\r\n"))
                pieceEnd += 2;
            else if (!after.isEmpty() && isLineBreak(after.front()))
                pieceEnd += 1;
            m_pieces[anchor].append(slice(m_oldText, pieceStart, pieceEnd));
            m_result.kept.append({MergeItem::Kind::OwnRoutine, routine.name,
                                  lineCount(routineText(m_oldText, routine)), {}});
            continue;
        }
        const OwnText own = ownText(m_oldText, gap, paired >= 0 ? newGap(paired) : QStringView(),
                                    paired < 0);
        if (own.lines.isValid()) {
            const QStringView lines = slice(m_oldText, own.lines.start, own.lines.end);
            m_pieces[anchor].append(lines);
            m_result.kept.append({MergeItem::Kind::OwnText, QString(), lineCount(lines.trimmed()), {}});
        }
        if (paired < 0)
            vanish(routine, own.comment);
    }

    const qsizetype lastEnd = count > 0 ? m_old.routines.last().end : m_old.implementationBody;
    const qsizetype gapEnd = m_old.mainBlock >= 0 ? m_old.mainBlock : m_old.finalEnd;
    const OwnText own = ownText(m_oldText, {lastEnd, gapEnd}, newGap(end), false);
    if (own.lines.isValid()) {
        const QStringView lines = slice(m_oldText, own.lines.start, own.lines.end);
        m_pieces[end].append(lines);
        m_result.kept.append({MergeItem::Kind::OwnText, QString(), lineCount(lines.trimmed()), {}});
    }
    if (m_old.mainBlock >= 0) {
        const QStringView block = slice(m_oldText, m_old.mainBlock, m_old.finalEnd);
        m_pieces[end].append(block);
        m_result.kept.append({MergeItem::Kind::MainBlock, QString(), lineCount(block.trimmed()), {}});
    }
}

QString Merger::bodyFor(qsizetype j)
{
    const PascalRoutine &routine = m_new.routines[j];
    const QStringView newBody = slice(m_newText, routine.headingEnd, routine.end);
    const qsizetype i = m_counterpartOfNew[j];
    if (i < 0)
        return newBody.toString();
    const PascalRoutine &old = m_old.routines[i];
    const QStringView oldBody = slice(m_oldText, old.headingEnd, old.end);
    if (comparableText(oldBody) == comparableText(newBody))
        return newBody.toString();
    const BodyRole role = roleOf(old);
    if (role == BodyRole::Constructor && sameName(routine.member(), u"Create")) {
        const QSet<QString> newFields = propertyFields(slice(m_newText, 0, m_new.implementation));
        QSet<QString> fields = propertyFields(slice(m_oldText, 0, m_old.implementation));
        fields.unite(newFields);
        const ConstructorMerge merged = mergeConstructorBody(newBody, oldBody, fields, newFields);
        // Only a build's initialisations, perhaps in an earlier order: the build's body.
        if (merged.ownLines == 0 && isGeneratedBody(oldBody, role))
            return newBody.toString();
        if (merged.ownLines > 0)
            m_result.kept.append({MergeItem::Kind::ConstructorLines, routine.name, merged.ownLines, {}});
        return merged.body;
    }
    if (isGeneratedBody(oldBody, role))
        return newBody.toString();
    m_result.kept.append({MergeItem::Kind::WrittenBody, routine.name,
                          lineCount(routineText(m_oldText, old)), {}});
    return oldBody.toString();
}

void Merger::appendGap(QString &out, QStringView gap, const QList<QStringView> &pieces) const
{
    if (pieces.isEmpty()) {
        out += gap;
        return;
    }
    const qsizetype split = afterFirstBreak(gap);
    out += gap.first(split);
    if (!out.isEmpty() && !isLineBreak(out.back()))
        out += m_lineBreak;
    // A lone CR followed by the next text's LF would read back as one CR LF break.
    const auto append = [&out](QStringView text) {
        out += breaksWouldJoin(out, text) ? text.sliced(1) : text;
    };
    for (const QStringView piece : pieces) {
        append(piece);
        if (!piece.isEmpty() && !isLineBreak(piece.back()))
            out += m_lineBreak;
    }
    append(gap.sliced(split));
}

UnitMerge Merger::run()
{
    const InterfaceMerge interface = mergeInterfaces(m_newText, m_new, m_newClass, m_oldText, m_old, m_oldClass);
    m_ownMethods = interface.ownMethods;
    if (!interface.ownUnits.isEmpty())
        m_result.kept.append({MergeItem::Kind::OwnUnits, interface.ownUnits.join(u", "_s),
                              int(interface.ownUnits.size()), interface.ownUnits});
    if (interface.ownInterfaceLines > 0)
        m_result.kept.append({MergeItem::Kind::OwnText, QString(), interface.ownInterfaceLines, {}});
    if (interface.ownClassLines > 0)
        m_result.kept.append({MergeItem::Kind::OwnMembers, m_newClass, interface.ownClassLines, {}});
    pairRoutines();
    collectPieces();

    QSet<QString> oldMethods;
    for (const PascalRoutine &routine : m_old.routines) {
        if (isOldMethod(routine))
            oldMethods.insert(routine.member().toString().toUpper());
    }
    PascalUnit mergedInterface;
    mergedInterface.implementation = interface.text.size();
    mergedInterface.uses = interface.uses;
    for (const LostLines &lines : lostInterfaceLines(interface.text, mergedInterface, m_oldText, m_old, m_oldClass,
                                                     oldMethods)) {
        m_result.lost.append({MergeItem::Kind::ChangedLines, lines.where, int(lines.lines.size()),
                              lines.lines});
    }

    QString &out = m_result.text;
    out.reserve(m_newText.size() + m_oldText.size());
    out += interface.text;
    out += slice(m_newText, m_new.implementation, m_new.implementationBody);
    for (qsizetype j = 0; j < m_new.routines.size(); ++j) {
        const PascalRoutine &routine = m_new.routines[j];
        appendGap(out, newGap(j), m_pieces[j]);
        out += slice(m_newText, routine.start, routine.headingEnd);
        out += bodyFor(j);
    }
    appendGap(out, newGap(m_new.routines.size()), m_pieces.last());
    out += slice(m_newText, endOfNewGaps(), m_new.afterEnd);

    const QStringView oldTail = QStringView(m_oldText).sliced(m_old.afterEnd);
    if (!oldTail.trimmed().isEmpty()) {
        out += oldTail;
        m_result.kept.append({MergeItem::Kind::TextAfterEnd, QString(), lineCount(oldTail.trimmed()), {}});
    } else {
        out += QStringView(m_newText).sliced(m_new.afterEnd);
    }
    return std::move(m_result);
}

} // namespace

UnitMerge mergeUnits(const QString &newUnit, const QString &existingUnit)
{
    const PascalUnit built = readPascalUnit(newUnit);
    if (!built.isReadable())
        return {u"the new unit cannot be read: "_s + built.error, {}, {}, {}, {}};
    const PascalUnit existing = readPascalUnit(existingUnit);
    if (!existing.isReadable())
        return {u"the existing unit cannot be read: "_s + existing.error, {}, {}, {}, {}};
    return Merger(newUnit, built, existingUnit, existing).run();
}

QString describeMergeItem(const MergeItem &item)
{
    const QString lines = plural(item.lines, u"line"_s);
    switch (item.kind) {
    case MergeItem::Kind::WrittenBody:
        return item.name + u" (written body, "_s + lines + u")"_s;
    case MergeItem::Kind::ConstructorLines:
        return item.name + u" ("_s + plural(item.lines, u"own line"_s) + u")"_s;
    case MergeItem::Kind::OwnRoutine:
        return item.name + u" (own routine, "_s + lines + u")"_s;
    case MergeItem::Kind::OwnText:
        return u"own declarations and comments ("_s + lines + u")"_s;
    case MergeItem::Kind::MainBlock:
        return u"initialization part ("_s + lines + u")"_s;
    case MergeItem::Kind::TextAfterEnd:
        return u"text after \"end.\" ("_s + lines + u")"_s;
    case MergeItem::Kind::OwnUnits:
        return u"own units in the uses clause ("_s + item.name + u")"_s;
    case MergeItem::Kind::OwnMembers:
        return u"own declarations in "_s + item.name + u" ("_s + lines + u")"_s;
    case MergeItem::Kind::VanishedMethod:
        return item.name + u" ("_s + lines + u")"_s;
    case MergeItem::Kind::ChangedLines:
        return lines + u" changed in "_s + item.name;
    }
    return item.name;
}

QString lossSummary(const QList<MergeItem> &lost)
{
    QStringList parts;
    for (const MergeItem &item : lost)
        parts.append(describeMergeItem(item));
    return parts.join(u", "_s);
}
