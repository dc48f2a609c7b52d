// SPDX-License-Identifier: MIT
// Two members of the generated class with one name, without regard to letter
// case: the compiler refuses the second declaration. Members are the
// constructor and destructor, the ancestor's redeclared published members,
// each property with its field and access methods, the user methods and the
// message handlers.
#pragma once

#include "check/findinglist.h"

class ComponentSpec;
class TAwk;

void checkMemberNames(const ComponentSpec &spec, TAwk &awk, FindingList &findings);
