// The rules for one user method: its heading, directives, section and comment.
#pragma once

#include <QString>
#include <QtGlobal>

#include "check/findinglist.h"

class ComponentSpec;

// The name a finding about method m shows: the name in its heading, or the
// heading itself when it has none.
QString methodEntryName(const ComponentSpec &spec, qsizetype m);

// Whether MethodSections entry is one the class declares methods in.
bool isMethodSection(const QString &section);

void checkMethodEntry(const ComponentSpec &spec, qsizetype m, FindingList &findings);
