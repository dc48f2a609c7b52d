// SPDX-License-Identifier: MIT
#include "check/inheritedmembers.h"

#include <QHash>
#include <QSet>

#include <algorithm>

#include "check/propertyrules.h"
#include "model/ancestortable.h"
#include "model/componentspec.h"
#include "model/lcltable.h"
#include "model/pascalvocabulary.h"
#include "model/standardmessages.h"
#include "model/stringlists.h"

using namespace Qt::StringLiterals;

namespace {

using MemberLists = QHash<QString, QStringList>;   // by upper-cased class name

MemberLists delphiMembers()
{
    MemberLists lists;
    for (int i = 0; i < int(ancestorNames().size()); ++i) {
        ComponentSpec spec;
        refillAncestorMembers(spec, i);
        lists.insert(asciiUpper(ancestorNames().at(i)), spec.StandardProperties + spec.StandardEvents);
    }
    return lists;
}

MemberLists lclMembers()
{
    MemberLists lists;
    for (const QString &name : ancestorNames()) {
        if (const auto ancestor = lclAncestor(name))
            lists.insert(asciiUpper(name), ancestor->members);
    }
    return lists;
}

bool isControl(const QSet<QString> &names)
{
    return names.contains(u"LEFT"_s) && names.contains(u"TOP"_s) && names.contains(u"WIDTH"_s)
        && names.contains(u"HEIGHT"_s);
}

bool isWindowed(const QSet<QString> &names)
{
    return isControl(names) && names.contains(u"HELPCONTEXT"_s);
}

// The table lists what each class publishes, not what it inherits unpublished.
// What the common bases declare shows in what their descendants publish: the
// names a quarter of the graphic and a quarter of the windowed controls
// publish are the controls' base's (OnClick, Color, Font), and those two
// fifths of the windowed controls publish are the windowed base's (TabStop,
// OnKeyDown). A name only a few descendants publish (Glyph, Brush) is theirs.
class InheritedNames
{
public:
    explicit InheritedNames(const MemberLists &lists)
        : m_lists(lists)
    {
        QHash<QString, int> graphic;
        QHash<QString, int> windowed;
        int graphicCount = 0;
        int windowedCount = 0;
        for (const QStringList &members : lists) {
            const QSet<QString> names = upperSet(members);
            if (!isControl(names))
                continue;
            QHash<QString, int> &counts = isWindowed(names) ? windowed : graphic;
            (isWindowed(names) ? windowedCount : graphicCount) += 1;
            for (const QString &name : names)
                ++counts[name];
        }
        for (auto it = graphic.cbegin(); it != graphic.cend(); ++it) {
            if (it.value() * 4 >= graphicCount && windowed.value(it.key()) * 4 >= windowedCount)
                m_control.insert(it.key());
        }
        for (auto it = windowed.cbegin(); it != windowed.cend(); ++it) {
            if (it.value() * 5 >= windowedCount * 2 && !m_control.contains(it.key()))
                m_windowed.insert(it.key());
        }
    }

    // Upper case.
    QSet<QString> of(const QString &ancestor) const
    {
        QSet<QString> names = upperSet(m_lists.value(asciiUpper(ancestor)));
        if (isControl(names))
            names.unite(m_control);
        if (isWindowed(names))
            names.unite(m_windowed);
        return names;
    }

private:
    static QSet<QString> upperSet(const QStringList &members)
    {
        QSet<QString> names;
        for (const QString &member : members)
            names.insert(asciiUpper(member));
        return names;
    }

    MemberLists m_lists;
    QSet<QString> m_control;
    QSet<QString> m_windowed;
};

const InheritedNames &inheritedNames(Target target)
{
    static const InheritedNames delphi(delphiMembers());
    static const InheritedNames lcl(lclMembers());
    return target == Target::Lazarus ? lcl : delphi;
}

} // namespace

void checkInheritedNames(const ComponentSpec &spec, Target target, FindingList &findings)
{
    const QSet<QString> inherited = inheritedNames(target).of(spec.Ancestor);
    QSet<QString> redeclared;
    for (const QString &name : spec.StandardProperties + spec.StandardEvents)
        redeclared.insert(asciiUpper(name));
    const QStringList published = target == Target::Lazarus
        ? lclAncestor(spec.Ancestor).value_or(LclAncestor()).members
        : [&spec] {
              ComponentSpec members;
              refillAncestorMembers(members, ancestorIndex(spec.Ancestor));
              return members.StandardProperties + members.StandardEvents;
          }();

    for (qsizetype i = 0; i < spec.propertyCount(); ++i) {
        const EntryRef entry = propertyEntry(spec, i);
        const QString key = asciiUpper(entry.name);
        // A re-declared member of the same name is an error of its own.
        if (!isPascalIdentifier(entry.name) || !inherited.contains(key) || redeclared.contains(key))
            continue;
        const QString remedy = published.contains(entry.name, Qt::CaseInsensitive)
            ? u"choose it among the ancestor's members on the Class page instead, or rename it"_s
            : u"rename it"_s;
        findings.warning(entry, u"%1 already has a member %2, which this one hides (the code of "
                                "%1 keeps using its own); %3"_s.arg(spec.Ancestor, entry.name, remedy));
    }

    const QStringList &standard = standardMessageNames();
    for (qsizetype u = 0; u < spec.userMessageCount(); ++u) {
        const UserMessageEntry message = spec.userMessage(u);
        const auto same = std::find_if(standard.begin(), standard.end(), [&message](const QString &name) {
            return sameName(name, message.name);
        });
        // A selected one clashes with its handler, an error of its own.
        if (message.isEmpty || same == standard.end()
            || spec.isStandardMessageSelected(int(same - standard.begin())))
            continue;
        findings.warning({Finding::Kind::Message, int(u), message.name},
                         u"%1 is a standard message; this constant hides the standard one in the "
                         "unit, so code that means the standard message gets %2 instead; "
                         "rename it"_s.arg(message.name, message.value));
    }
}
