// SPDX-License-Identifier: MIT
// The classes that may be chosen as ancestor, in the order of the Class page's
// list, and the names of the properties and events each of them publishes.
#pragma once

#include <QString>
#include <QStringList>

class ComponentSpec;

// The member table as tab-separated text, compiled in from data/.
extern const char *const kAncestorMemberTable;

// The 118 class names of the ancestor list, in list order.
const QStringList &ancestorNames();

// The list index of name, compared without regard to letter case; -1 when absent.
int ancestorIndex(const QString &name);

// Whether the class of the ancestor list named name (in any letter case) is a
// control, a descendant of TControl: the table lists Left, Top, Width and
// Height among the published members of every control and of no other class.
bool isControlClass(const QString &name);

// Empties StandardProperties and StandardEvents, then fills them with the
// published members of the list entry at index (sorted as the table holds
// them). An index of -1, or an entry that publishes nothing, leaves both empty.
void refillAncestorMembers(ComponentSpec &spec, int index);
