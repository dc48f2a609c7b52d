// The rules for one user method: its heading, directives, section and comment.
#pragma once

#include <QString>
#include <QtGlobal>

#include "check/findinglist.h"
#include "model/componententries.h"

class ComponentSpec;

// The name a finding about a method shows: the name in its heading, or the
// heading itself when it has none.
QString methodEntryName(const MethodEntry &method);

// Whether the class declares methods in the section.
bool isMethodSection(Visibility section);

void checkMethodEntry(const ComponentSpec &spec, qsizetype m, FindingList &findings);
