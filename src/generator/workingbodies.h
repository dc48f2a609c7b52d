// SPDX-License-Identifier: MIT
// The statements a build writes into its routines when the style asks for
// working bodies: access methods that read and write their fields, the
// objects a property owns created and freed, overrides and user message
// handlers that call the inherited method.
#pragma once

#include <QString>
#include <optional>

class ComponentSpec;
class SourceWriter;
struct MethodEntry;
struct PropertyEntry;

// The class the constructor creates for a property that owns its object
// (TStringList for TStrings); none for any other property. A property owns
// its object when its type is one of the class library's assignable graphics
// and string-list classes, it is no array property, and assignments go
// through a write method (or it has none), so that Assign copies into the
// owned object and no assignment can replace it.
std::optional<QString> ownedObjectClass(const PropertyEntry &property);

// Whether the unit's class descends from TControl in the target's class
// library, so that a changed property repaints it.
bool repaintsOnChange(const ComponentSpec &spec, const SourceWriter &out);

// "FFont := TFont.Create;" for each owned object, in property order.
void emitOwnedCreations(SourceWriter &out, const ComponentSpec &spec);
// "FFont.Free;" for each owned object, in property order.
void emitOwnedReleases(SourceWriter &out, const ComponentSpec &spec);

// The statements of a read access function: the field is the result.
void emitReadStatements(SourceWriter &out, const PropertyEntry &property);
// The statements of a write access procedure: Assign for an owned object,
// otherwise the field takes a value that differs (or any value, for a type
// that cannot be compared), then the control repaints when repaint is set.
void emitWriteStatements(SourceWriter &out, const PropertyEntry &property, bool repaint);

// Whether the user method overrides one it calls through inherited.
bool callsInherited(const MethodEntry &method);
// "inherited Name(A, B);" or "Result := inherited Name(A, B);".
void emitInheritedCall(SourceWriter &out, const MethodEntry &method);
