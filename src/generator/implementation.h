// SPDX-License-Identifier: MIT
// The implementation section of the unit: Register, constructor, destructor,
// the access methods (with hand-written bodies where the specification file
// has them), the user methods, the message handlers and the closing "end.".
#pragma once

#include <QString>
#include <QStringList>

class BodySource;
class ComponentSpec;
class SourceWriter;
class TAwk;

// The text with every space (code 32) removed.
QString removeSpaces(const QString &text);
// The section name under which a specification file may hold a routine's body.
QString routineKey(TAwk &awk, const QString &text);
// An access-method declaration without its keyword, words joined by single spaces.
QString headingRest(TAwk &awk, const QString &declaration);

// functions and procedures: the access-method declarations the interface
// section emitted, in order.
void emitImplementation(SourceWriter &out, const ComponentSpec &spec, TAwk &awk,
                        const BodySource *bodies, const QStringList &functions,
                        const QStringList &procedures);
