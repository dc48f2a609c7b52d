// SPDX-License-Identifier: MIT
#include "check/checker.h"

#include <QSet>

#include <algorithm>

#include "awk/awk.h"
#include "check/classlibrary.h"
#include "check/findinglist.h"
#include "check/inheritedmembers.h"
#include "check/lclrules.h"
#include "check/membernames.h"
#include "check/messagerules.h"
#include "check/methodrules.h"
#include "check/propertyrules.h"
#include "check/typereference.h"
#include "generator/messagehandlers.h"
#include "generator/style.h"
#include "generator/usesclause.h"
#include "model/componentspec.h"
#include "model/methodheading.h"
#include "model/pascalvocabulary.h"
#include "model/standardmessages.h"
#include "model/stringlists.h"
#include "model/unitname.h"

using namespace Qt::StringLiterals;

namespace {

const QString kRegister = u"Register"_s;

// The names the unit refers to from other units, upper-cased: a unit-level
// name that equals one hides it, and a unit of that name turns it into a
// unit qualifier. Both break the reference.
QSet<QString> referencedNames(const ComponentSpec &spec, TAwk &awk)
{
    QSet<QString> names{asciiUpper(spec.Ancestor), u"TCOMPONENT"_s, u"REGISTERCOMPONENTS"_s};
    for (const QString &type : spec.Types)
        names.insert(asciiUpper(referencedTypeName(type)));
    for (const MethodEntry &method : spec.methods()) {
        const MethodHeading &heading = method.parts;
        names.insert(asciiUpper(heading.returnType));
        QString damage;
        for (const ParameterGroup &group : parseParameters(heading.parameters, &damage))
            names.insert(asciiUpper(referencedTypeName(group.type)));
    }
    if (!spec.UserMessages.isEmpty())
        names.unite({u"TMESSAGE"_s, u"WM_USER"_s});
    for (const QString &message : spec.selectedStandardMessages()) {
        names.insert(asciiUpper(message));
        names.insert(message.startsWith(u"WM_"_s)
                         ? asciiUpper(u"T"_s + messageHandlerName(awk, message))
                         : u"TMESSAGE"_s);
    }
    names.remove(QString());
    return names;
}

bool isUsedUnit(const QString &name)
{
    if (sameName(name, u"System"_s))
        return true;
    for (const QString &unit : usesClauseUnits()) {
        if (sameName(unit, name))
            return true;
    }
    return false;
}

void checkUnitName(const ComponentSpec &spec, const QSet<QString> &referenced, FindingList &findings)
{
    const QString unit = unitIdentifier(spec.Filename);
    const EntryRef entry{Finding::Kind::Unit, -1, unit};
    if (!isPascalIdentifier(unit)) {
        // Only a lower-case ".pas" is cut off the file name.
        const QString hint = unit.contains(u'.') ? u"; end the file name in .pas, in lower case"_s
                                                  : QString();
        findings.error(entry, u"the name from the file name is not a Pascal identifier; use "
                              "letters, digits and '_'%1"_s.arg(hint));
        return;
    }
    if (isReservedWord(unit))
        findings.error(entry, u"the name from the file name is a reserved word; rename the file"_s);
    else if (isUsedUnit(unit))
        findings.error(entry, u"the unit uses a unit of this name; rename the file"_s);
    else if (referenced.contains(asciiUpper(unit)))
        findings.error(entry, u"the unit refers to %1 of another unit, which this name would "
                              "hide; rename the file"_s.arg(unit));
    // Delphi puts the unit's own name in its scope, beside the class and the constants.
    if (sameName(unit, spec.Classname))
        findings.error(entry, u"the class has the same name; rename the file or the class"_s);
    if (sameName(unit, kRegister))
        findings.error(entry, u"the unit declares the procedure Register; rename the file"_s);
}

void checkClassAndAncestor(const ComponentSpec &spec, FindingList &findings)
{
    const EntryRef cls{Finding::Kind::Class, -1, spec.Classname};
    if (spec.Classname.isEmpty())
        findings.error(cls, u"there is no class name; type one on the Class page"_s);
    else if (checkDeclaredName(cls, QString(), spec.Classname, findings)) {
        if (sameName(spec.Classname, spec.Ancestor))
            findings.error(cls, u"a class cannot descend from itself; rename it"_s);
        else if (sameName(spec.Classname, u"TComponent"_s))
            findings.error(cls, u"the constructor's parameter of type TComponent would mean this "
                                "class; rename it"_s);
        if (sameName(spec.Classname, kRegister))
            findings.error(cls, u"the unit declares the procedure Register; rename the class"_s);
    }

    const EntryRef ancestor{Finding::Kind::Ancestor, -1, spec.Ancestor};
    if (spec.Ancestor.isEmpty())
        findings.error(ancestor, u"there is no ancestor; choose one on the Class page"_s);
    else if (checkDeclaredName(ancestor, QString(), spec.Ancestor, findings)
             && isNonComponentClass(spec.Ancestor)) {
        // The class overrides Create(AOwner) and is registered as a component.
        findings.error(ancestor, u"it is not a component, so the constructor has nothing to "
                                 "override; choose a descendant of TComponent"_s);
    }
}

void checkMessageConstants(const ComponentSpec &spec, const QSet<QString> &referenced,
                           FindingList &findings)
{
    const QString unit = unitIdentifier(spec.Filename);
    for (qsizetype u = 0; u < spec.userMessageCount(); ++u) {
        const QString name = spec.userMessage(u).name;
        if (!isPascalIdentifier(name))
            continue;
        const EntryRef entry{Finding::Kind::Message, int(u), name};
        // The constants share the unit's scope with the class, Register and the unit's name.
        if (sameName(name, spec.Classname))
            findings.error(entry, u"the class has the same name; rename the message"_s);
        else if (sameName(name, kRegister))
            findings.error(entry, u"the unit declares the procedure Register; rename the message"_s);
        else if (sameName(name, unit))
            findings.error(entry, u"the unit has the same name; rename the message"_s);
        else if (referenced.contains(asciiUpper(name)) && !standardMessageNames().contains(name))
            findings.error(entry, u"the unit refers to %1 of another unit, which the constant "
                                  "would hide; rename the message"_s.arg(name));
    }
}

void checkPalettePage(const ComponentSpec &spec, FindingList &findings)
{
    // The page is written between quotes in the RegisterComponents call.
    if (QString(spec.Palettepage).remove(u"''"_s).contains(u'\'')) {
        findings.error({Finding::Kind::PalettePage, -1, spec.Palettepage},
                       u"a quote in the page name must be doubled ('')"_s);
    }
}

void checkStyle(const Style &style, FindingList &findings)
{
    // The separator line is a comment in braces; a closing brace ends it early.
    if (style.separatorLength > 0 && style.separatorChar.contains(u'}')) {
        findings.error({Finding::Kind::Style, -1, style.separatorChar},
                       u"the separator character '}' ends the separator comment early; "
                       "choose another character"_s);
    }
}

} // namespace

QList<Finding> checkSpecification(const ComponentSpec &spec, const Style &style)
{
    TAwk awk;
    FindingList findings;
    const QSet<QString> referenced = referencedNames(spec, awk);
    checkUnitName(spec, referenced, findings);
    checkClassAndAncestor(spec, findings);
    checkPalettePage(spec, findings);
    checkStyle(style, findings);
    for (qsizetype i = 0; i < spec.Properties.size(); ++i)
        checkPropertyEntry(spec, i, findings);
    for (qsizetype m = 0; m < spec.Methods.size(); ++m)
        checkMethodEntry(spec, m, findings);
    checkMessages(spec, findings);
    if (style.target == Target::Lazarus)
        checkLazarusTarget(spec, findings);
    checkMessageConstants(spec, referenced, findings);
    checkMemberNames(spec, awk, findings);
    checkInheritedNames(spec, style.target, findings);

    QList<Finding> list = findings.take();
    std::stable_sort(list.begin(), list.end(), [](const Finding &a, const Finding &b) {
        return std::pair(int(a.kind), a.index) < std::pair(int(b.kind), b.index);
    });
    return list;
}

int errorCount(const QList<Finding> &findings)
{
    return int(std::count_if(findings.begin(), findings.end(), [](const Finding &finding) {
        return finding.severity == Finding::Severity::Error;
    }));
}
