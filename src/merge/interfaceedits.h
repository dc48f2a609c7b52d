// SPDX-License-Identifier: MIT
// Finds the lines of an edited unit's interface section (unit heading, uses
// clause, class declaration) that a merge with a new build would lose: lines
// the new build does not have and that no build wrote.
//
// Without the build the unit came from, a line counts as the build's when it
// has the build's spelling and belongs with the rest: a field beside its
// property, an access method's declaration beside its routine, a message
// constant beside its handler. A line that differs from a new one only in its
// indentation is not a loss.
#pragma once

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QStringView>

struct PascalUnit;

struct LostLines {
    QString where;        // "the uses clause", "the class declaration", "the interface section"
    QStringList lines;
};

// oldClass: the class of the edited unit; oldRoutines: the upper-cased
// member names of its methods in the implementation section.
QList<LostLines> lostInterfaceLines(QStringView newText, const PascalUnit &newUnit,
                                    QStringView oldText, const PascalUnit &oldUnit,
                                    QStringView oldClass, const QSet<QString> &oldRoutines);

// Tells the members a build of some specification wrote into a class from
// those its author added: a line spelled as the build spells a property's
// field, a property beside its field, an access method a property names, a
// message handler, or a method as the Methods page composes it
// ("Procedure Fill(Amount: integer);"). A member so spelled that the new
// build no longer has went out of the specification.
class BuildMemberSpelling
{
public:
    // classText: the declaration of the edited unit's class.
    explicit BuildMemberSpelling(QStringView classText);
    bool matches(QStringView line) const;

private:
    QSet<QString> m_fields;
    QSet<QString> m_properties;
    QSet<QString> m_accessMethods;
};

// The upper-cased messages a class declaration has handlers for in the
// build's spelling ("WM_DRAIN").
QSet<QString> handledMessages(QStringView classText);

// Whether a line outside the class is one a build writes there: the unit's
// heading, the mode line of a Lazarus unit, a handled message's constant,
// "procedure Register;".
bool isBuildLineOutsideClass(QStringView line, const QSet<QString> &messages);

// The units a uses clause names, as written ("SysUtils", "Vcl.Graphics"), in order.
QStringList usesClauseUnits(QStringView clause);

// The upper-cased fields that hold a property's value: each declared as the
// build declares it ("    FLevel : integer;") beside a property of that name.
QSet<QString> propertyFields(QStringView interfaceText);
