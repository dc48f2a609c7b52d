// The rules for one entry of the property lists: a property or an event
// handler, its type, default value, section, storage and access clause.
#pragma once

#include <QtGlobal>

#include "check/findinglist.h"
#include "model/componententries.h"

class ComponentSpec;

// The entry a finding about property list entry i addresses: the event
// handler when Events holds its name, else the property.
EntryRef propertyEntry(const ComponentSpec &spec, qsizetype i);

// Whether the class declares properties in the section.
bool isPropertySection(Visibility section);

void checkPropertyEntry(const ComponentSpec &spec, qsizetype i, FindingList &findings);

// The name-or-reserved-word rule every declared name is held to; "what"
// names it in the message ("read method 'GetX'"). Returns whether the name is fine.
bool checkDeclaredName(const EntryRef &entry, const QString &what, const QString &name,
                       FindingList &findings);
