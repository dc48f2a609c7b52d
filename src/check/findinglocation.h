// SPDX-License-Identifier: MIT
// Where the window shows the entry a finding is about: a field of the Class
// or Style page, or a row of one of the lists of the entry pages.
#pragma once

#include "check/finding.h"

class ComponentSpec;

struct FindingLocation {
    enum class Place { UnitName, ClassName, Ancestor, PalettePage, Separator,
                       Properties, EventHandlers, Methods, UserMessages, StandardMessages,
                       UnitText };
    Place place;
    // The row of the place's list (UnitText: the Output text's line, 0-based);
    // -1 for a field, and for an entry that is no longer there.
    int row = -1;

    bool operator==(const FindingLocation &) const = default;
};

// The property and event lists of the pages hold names in their own order, so
// those findings are found by name: the n-th entry of a name in the
// specification's list is the n-th row of that name.
FindingLocation locateFinding(const ComponentSpec &spec, const Finding &finding);
