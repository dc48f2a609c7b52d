// SPDX-License-Identifier: MIT
// The types of the class library that the check knows, with what a default
// value and a published property of each may be.
#pragma once

#include <QString>
#include <QStringList>

enum class TypeKind {
    Integer,       // an ordinal with a range
    Boolean,
    Char,
    Enumeration,
    Set,           // a small set of an enumeration
    Real,          // the floating-point types and Currency
    String,        // the long string type "string"
    OtherString,   // ShortString, AnsiString and named string types
    Pointer,
    Class,
    Method,        // a method pointer: the type of an event
    Record,
    TextFile,
};

struct PascalType {
    QString name;
    TypeKind kind;
    qint64 min = 0;       // Integer: the range
    qint64 max = 0;
    QStringList values;   // Enumeration and Set: the element names; Integer: named constants
};

// The known type named name (in any letter case), or null.
const PascalType *findType(const QString &name);

// Whether a property of this kind can be published: both compilers refuse
// pointers, records and files there.
bool isPublishable(TypeKind kind);

// A short name of the kind for messages ("a record", "a pointer").
QString kindPhrase(TypeKind kind);
