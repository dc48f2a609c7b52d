// SPDX-License-Identifier: MIT
#include "generator/lazarusunit.h"

#include "model/componentspec.h"
#include "model/lcltable.h"

using namespace Qt::StringLiterals;

QString lazarusModeLine()
{
    return u"{$mode delphi}"_s;
}

QStringList lazarusUsesLines(const ComponentSpec &spec)
{
    static const QStringList wizardUnits{u"Classes"_s, u"SysUtils"_s, u"LResources"_s, u"Forms"_s,
                                         u"Controls"_s, u"Graphics"_s, u"Dialogs"_s};
    QStringList second{u"LCLType"_s, u"LMessages"_s};
    if (const auto ancestor = lclAncestor(spec.Ancestor)) {
        if (!wizardUnits.contains(ancestor->unit, Qt::CaseInsensitive))
            second.append(ancestor->unit);
    }
    return {wizardUnits.join(u", "_s) + u","_s, second.join(u", "_s) + u";"_s};
}

QString lazarusAncestor(const ComponentSpec &spec)
{
    const auto ancestor = lclAncestor(spec.Ancestor);
    return ancestor ? ancestor->lclClass : spec.Ancestor;
}

QStringList lazarusRedeclaredMembers(const ComponentSpec &spec, const QStringList &names)
{
    if (!lclAncestor(spec.Ancestor))
        return names;
    QStringList kept;
    for (const QString &name : names) {
        if (lclHasMember(spec.Ancestor, name))
            kept.append(name);
    }
    return kept;
}

QString lazarusIconFileName(const QString &unit)
{
    return unit.toLower() + u"_icon.lrs"_s;
}

QString lazarusIconInclude(const QString &unit)
{
    return u"{$I "_s + lazarusIconFileName(unit) + u"}"_s;
}

MessageBinding lazarusMessageBinding(const QString &message)
{
    const auto entry = lclMessage(message);
    if (entry && !entry->constant.isEmpty())
        return {entry->record, entry->constant};
    return {u"TLMessage"_s, message};
}

QStringList lazarusWindowsMessageConstants(const ComponentSpec &spec)
{
    QStringList lines;
    for (const QString &message : spec.selectedStandardMessages()) {
        const auto entry = lclMessage(message);
        if (entry && entry->constant.isEmpty() && entry->windowsValue) {
            lines.append(message + u" = $"_s
                         + QString::number(*entry->windowsValue, 16).toUpper().rightJustified(4, u'0')
                         + u";"_s);
        }
    }
    return lines;
}

QString lazarusUserMessageRecord()
{
    return u"TLMessage"_s;
}
