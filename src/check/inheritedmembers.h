// SPDX-License-Identifier: MIT
// New members that take a name the class inherits: a property or event the
// ancestor already has, which the new one hides (the ancestor's own code
// keeps using its own), and a user message named like a standard message,
// whose constant hides the standard one throughout the unit.
#pragma once

#include "check/findinglist.h"
#include "generator/style.h"

class ComponentSpec;

void checkInheritedNames(const ComponentSpec &spec, Target target, FindingList &findings);
