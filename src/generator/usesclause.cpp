// SPDX-License-Identifier: MIT
#include "generator/usesclause.h"

using namespace Qt::StringLiterals;

const QStringList &usesClauseLines()
{
    static const QStringList lines{
        u"SysUtils,WinTypes,WinProcs,Messages,Classes,Graphics,"_s,
        u"Controls,Forms,Dialogs,StdCtrls,Menus,Buttons,printers,"_s,
        u"inifiles,TabNotBk,Tabs,ExtCtrls,clipbrd,typinfo,dbtables,"_s,
        u"grids,mask,outline,DB,DBCtrls,DbGrids,DBLookup,DDEMan,FileCtrl,"_s,
        u"mplayer,Spin;"_s,
    };
    return lines;
}

const QStringList &usesClauseUnits()
{
    static const QStringList units = [] {
        QStringList names;
        for (const QString &line : usesClauseLines()) {
            for (const QString &name : line.split(u',')) {
                const QString unit = QString(name).remove(u';');
                if (!unit.isEmpty())
                    names.append(unit);
            }
        }
        return names;
    }();
    return units;
}
