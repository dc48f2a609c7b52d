// SPDX-License-Identifier: MIT
// Reads the members of a class declaration: the section words and each
// declaration (a field list, a method heading with its directives, a
// property, a constant or nested type), so that a merge can tell one member
// from another and carry it whole, nested records and all.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include "merge/pascalreader.h"

struct ClassMember {
    enum class Kind {
        Section,    // "private", "strict protected", ...
        Field,
        Method,     // also a constructor, destructor or operator
        Property,
        Other,      // a constant, a nested type, a "var" or "const" word
    };
    Kind kind = Kind::Other;
    QStringList names;   // upper case: the fields of a field list, the method's or property's name
    PascalSpan tokens;   // from the first token through the last ";"
    bool closed = true;  // false: the class's "end" came before the ";"
};

struct ClassMembers {
    bool read = false;          // false: the declaration did not read; nothing else is set
    qsizetype bodyStart = 0;    // just after the heading "TName = class(TBase)"
    qsizetype bodyEnd = 0;      // the "end" that closes the class
    QList<ClassMember> members;
};

// span: the class declaration as the unit reader found it, from its name to
// its closing ";". Positions index text.
ClassMembers readClassMembers(QStringView text, PascalSpan span);
