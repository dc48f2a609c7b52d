// SPDX-License-Identifier: MIT
// The rules of the Lazarus target: what the LCL lacks of the Delphi 2.0
// class library the specification builds on.
#pragma once

#include "check/findinglist.h"

class ComponentSpec;

// An error for a unit named like a unit only the Lazarus unit uses; warnings
// for an ancestor the LCL has only a near counterpart of, for the
// ancestor's re-declared members the LCL class lacks (the unit leaves them
// out) and for standard messages the LCL sends only on Windows; an error for
// a standard message of unknown value.
void checkLazarusTarget(const ComponentSpec &spec, FindingList &findings);
