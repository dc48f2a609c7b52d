// The lists of a specification that its file stores, one row each: the
// section that holds the list, the list, and how reading and saving treat it.
// Opening, saving (which erases and rewrites every section), emptying and the
// removal of an entry all go by this table, so a new list is one row here.
#pragma once

#include <QLatin1StringView>
#include <QStringList>
#include <span>

#include "model/componentspec.h"

struct StoredList {
    // The entry a list's values belong to; removing an entry removes them.
    enum class Group { Property, Event, Method, UserMessage };
    // How many values a save writes, from index 0: every value, or no more
    // than there are properties, methods, or values of RMethods too.
    enum class SavedCount { All, Properties, Methods, ReadMethods };

    QLatin1StringView section;           // as a save spells it; reading ignores letter case
    QStringList ComponentSpec::*list;
    Group group;
    SavedCount saved;
    QLatin1StringView missing;           // what a property value absent from the file reads as
    bool keepsEmpty;                     // false: reading drops the empty values
};

// In the order in which a save writes the sections.
std::span<const StoredList> storedLists();

// The sections of the lists of one group, in table order.
QStringList storedSections(StoredList::Group group);
