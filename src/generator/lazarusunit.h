// SPDX-License-Identifier: MIT
// What a unit for Lazarus writes differently from one for Delphi 2.0: the
// mode line, the uses clause, the LCL ancestor and the members it still has,
// the LCL's message constants and records, and the palette icon's resource.
#pragma once

#include <QString>
#include <QStringList>

class ComponentSpec;

// "{$mode delphi}": the compiler takes the Delphi unit's bodies as they are.
QString lazarusModeLine();

// The uses clause without its indentation: the units Lazarus' New Component
// wizard uses, LCLType and LMessages, then the unit of the LCL ancestor.
QStringList lazarusUsesLines(const ComponentSpec &spec);

// The LCL class the unit descends from; the ancestor as written when the
// ancestor list does not have it.
QString lazarusAncestor(const ComponentSpec &spec);

// The names of the ancestor's re-declared members the LCL class has, in order.
// Every name is kept for an ancestor outside the list.
QStringList lazarusRedeclaredMembers(const ComponentSpec &spec, const QStringList &names);

// "gauge_icon.lrs": the palette icon's Lazarus resource file of a unit.
QString lazarusIconFileName(const QString &unit);
// "{$I gauge_icon.lrs}", written in Register just before RegisterComponents.
QString lazarusIconInclude(const QString &unit);

// How a message handler names its message and record.
struct MessageBinding {
    QString record;     // the type of the handler's var parameter
    QString constant;   // the name after "message"
};

// A standard message's LM_ constant and its record (TLMessage when it has
// none of its own); the Windows name and TLMessage for a message the LCL
// sends only on Windows, if at all.
MessageBinding lazarusMessageBinding(const QString &message);

// "BM_GETCHECK = $00F0;" for each selected standard message the LCL has no
// constant for but whose Windows value is known, in list order.
QStringList lazarusWindowsMessageConstants(const ComponentSpec &spec);

// The record of a user message's handler.
QString lazarusUserMessageRecord();
