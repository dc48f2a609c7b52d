// SPDX-License-Identifier: MIT
#include "check/lclrules.h"

#include "generator/lazarusunit.h"
#include "generator/usesclause.h"
#include "model/componentspec.h"
#include "model/lcltable.h"
#include "model/standardmessages.h"
#include "model/unitname.h"

using namespace Qt::StringLiterals;

namespace {

// The units a Lazarus unit uses beyond those of the Delphi unit, whose
// names the Delphi rules do not know.
void checkUnitName(const ComponentSpec &spec, FindingList &findings)
{
    const QString unit = unitIdentifier(spec.Filename);
    for (const QString &line : lazarusUsesLines(spec)) {
        for (QString used : line.split(u',')) {
            used = used.remove(u';').trimmed();
            if (used.compare(unit, Qt::CaseInsensitive) == 0
                && !usesClauseUnits().contains(used, Qt::CaseInsensitive)) {
                findings.error({Finding::Kind::Unit, -1, unit},
                               u"the unit uses a unit of this name; rename the file"_s);
            }
        }
    }
}

void checkAncestor(const ComponentSpec &spec, FindingList &findings)
{
    const auto ancestor = lclAncestor(spec.Ancestor);
    if (!ancestor)
        return;
    const EntryRef entry{Finding::Kind::Ancestor, -1, spec.Ancestor};
    if (ancestor->counterpart) {
        findings.warning(entry, u"%1 has no LCL class; the unit descends from %2"_s
                                    .arg(spec.Ancestor, ancestor->lclClass));
    }
    QStringList missing;
    for (const QString &name : spec.StandardProperties + spec.StandardEvents) {
        if (!lclHasMember(spec.Ancestor, name))
            missing.append(name);
    }
    if (!missing.isEmpty()) {
        findings.warning(entry, u"the LCL's %1 has no %2; the unit does not re-declare %3"_s
                                    .arg(ancestor->lclClass, missing.join(u", "_s),
                                         missing.size() == 1 ? u"it"_s : u"them"_s));
    }
}

void checkStandardMessages(const ComponentSpec &spec, FindingList &findings)
{
    const QStringList &names = standardMessageNames();
    for (qsizetype k = 0; k < names.size(); ++k) {
        if (!spec.isStandardMessageSelected(int(k)))
            continue;
        const auto message = lclMessage(names.at(k));
        if (!message || !message->constant.isEmpty())
            continue;
        const EntryRef entry{Finding::Kind::StandardMessage, int(k), names.at(k)};
        if (!message->windowsValue) {
            findings.error(entry, u"its value is unknown (neither the LCL nor the Windows headers "
                                  "declare it); deselect it"_s);
        } else {
            findings.warning(entry, u"the LCL sends it only on Windows, if at all; the handler "
                                    "takes its Windows value"_s);
        }
    }
}

} // namespace

void checkLazarusTarget(const ComponentSpec &spec, FindingList &findings)
{
    checkUnitName(spec, findings);
    checkAncestor(spec, findings);
    checkStandardMessages(spec, findings);
}
