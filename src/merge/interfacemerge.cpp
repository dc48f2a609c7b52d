// SPDX-License-Identifier: MIT
#include "merge/interfacemerge.h"

#include "merge/classmerge.h"
#include "merge/interfaceedits.h"
#include "merge/sourcetext.h"
#include "merge/surroundingtext.h"

#include <QList>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// The uses clause with the author's units: the edited unit's own clause when
// it names every unit the build names, else the build's with the others added.
void mergeUses(QStringView newText, const PascalUnit &newUnit, QStringView oldText, const PascalUnit &oldUnit,
               QList<TextInsertion> &insertions, InterfaceMerge &result)
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

} // namespace

InterfaceMerge mergeInterfaces(QStringView newText, const PascalUnit &newUnit, QStringView newClass,
                               QStringView oldText, const PascalUnit &oldUnit, QStringView oldClass)
{
    InterfaceMerge result;
    QList<TextInsertion> insertions;
    mergeUses(newText, newUnit, oldText, oldUnit, insertions, result);
    const PascalClassDeclaration *newDeclaration = findClass(newUnit, newClass);
    const PascalClassDeclaration *oldDeclaration = findClass(oldUnit, oldClass);
    // A class declared twice leaves no telling which declaration is the author's.
    const bool once = std::count_if(oldUnit.classes.begin(), oldUnit.classes.end(), [&](const PascalClassDeclaration &c) {
                          return c.name.compare(oldClass, Qt::CaseInsensitive) == 0;
                      }) == 1;
    if (newDeclaration && oldDeclaration && once) {
        const KeptMembers members = keptClassMembers(newText, *newDeclaration, oldText, *oldDeclaration);
        insertions += members.insertions;
        result.ownClassLines = members.lines;
        result.ownMethods = members.methods;
        const KeptText text = keptSurroundingText(newText, newUnit, *newDeclaration, oldText, oldUnit, *oldDeclaration);
        insertions += text.insertions;
        result.ownInterfaceLines = text.lines;
    }
    std::stable_sort(insertions.begin(), insertions.end(),
                     [](const TextInsertion &a, const TextInsertion &b) { return a.at < b.at; });

    const QStringView interface = newText.first(newUnit.implementation);
    qsizetype from = 0;
    result.uses = newUnit.uses;
    for (const TextInsertion &insertion : insertions) {
        // Never inside text another insertion replaced.
        const qsizetype at = std::max(insertion.at, from);
        result.text += interface.sliced(from, at - from);
        // Kept lines ending in a lone CR get their LF: the build's LF after them
        // would otherwise read back as part of their break.
        QString text = insertion.text;
        if (breaksWouldJoin(text, interface.sliced(std::min(at + insertion.replaced, interface.size()))))
            text += u'\n';
        const qsizetype growth = text.size() - insertion.replaced;
        if (result.uses.isValid() && at < newUnit.uses.end) {
            if (at < newUnit.uses.start)
                result.uses.start += growth;
            result.uses.end += growth;
        }
        result.text += text;
        from = at + insertion.replaced;
    }
    result.text += interface.sliced(from);
    return result;
}
