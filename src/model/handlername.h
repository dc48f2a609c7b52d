// SPDX-License-Identifier: MIT
// Event handler names begin with "On"; property names may not. The file reader
// sorts stored names back into properties and handlers by the same prefix.
#pragma once

#include <QString>

// Whether the first two characters, in any letter case, are "on".
bool beginsWithOn(const QString &name);

// The name with "On" put in front unless it already begins with "on" in any
// letter case: "Click" becomes "OnClick", "onclick" stays.
QString normalisedHandlerName(const QString &name);
