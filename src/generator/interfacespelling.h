// How a build spells the interface lines that depend on the specification.
// The build writes them with these pieces, and a merge recognises a line as
// the build's by the same pieces, so the two cannot drift apart.
#pragma once

#include <QString>

namespace InterfaceSpelling {

// "    Property Level : integer read FLevel write SetLevel default 50;"
// and, for an ancestor's member, "    Property Hint;".
inline const QString kProperty = QStringLiteral("Property ");
// Between a property's name and its type.
inline const QString kIndexBrackets = QStringLiteral("[Index: integer]");
// Between a name and its type: "    FLevel : integer;", "Property Level : integer".
inline const QString kTypeSeparator = QStringLiteral(" : ");
// "  TTank = class(TGraphicControl)".
inline const QString kClassOpening = QStringLiteral(" = class(");
// "    procedure WmSize(var Message: TWMSize); message WM_SIZE;".
inline const QString kMessageClause = QStringLiteral("; message ");
// "  WM_DRAIN = WM_USER + 1;".
inline const QString kConstantSeparator = QStringLiteral(" = ");
// "unit Tank;".
inline const QString kUnit = QStringLiteral("unit ");

} // namespace InterfaceSpelling
