// The entries of a specification as typed values: what ComponentSpec stores
// as aligned lists of text, decoded in one place (ComponentSpec::property(),
// event(), method(), userMessage()). The build, the check, edit-back and any
// other writer of units read entries through these instead of taking the
// stored text apart themselves.
//
// A value stored as the none marker "*" decodes as absent (an empty
// std::optional or an empty name, as each field says). Fields that a writer
// copies into the unit keep the stored text as it is, so that a damaged or
// hand-edited file builds as before.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "model/methodheading.h"

// The section of the class a member is declared in.
enum class Visibility {
    Undeclared,   // a section name the class does not have: declared nowhere
    Private,
    Protected,
    Public,
    Published,
};

// The section name as stored ("private", "protected", "public", "published",
// lower case only) as a Visibility.
Visibility visibilityOf(const QString &section);

// A property's access clause ("read FLevel write SetLevel") taken apart.
struct PropertyAccess {
    bool reads = false;
    bool writes = false;
    QString reader;      // the field or method after "read"
    QString writer;      // the field or method after "write"
    // "read X", "write Y" or "read X write Y" with identifiers, as the
    // Properties page writes it; false for a damaged clause.
    bool wellFormed = false;
};

PropertyAccess parseAccessClause(const QString &clause);

// One property (event handlers have one too: see EventEntry).
struct PropertyEntry {
    QString name;
    QString type;                        // as stored: a pointer type starts with "^"
    bool indexed = false;                // an array property, "[Index: integer]"
    std::optional<QString> field;        // the field that holds the value ("FLevel")
    QString readMethod;                  // empty: the clause reads the field
    QString writeMethod;                 // empty: the clause writes the field
    QString accessClause;                // as stored: "read FLevel write SetLevel"
    PropertyAccess access;               // accessClause taken apart
    // As stored, a string's in quotes ("'abc'"); may be empty in a damaged file.
    std::optional<QString> defaultValue;
    std::optional<QString> storage;      // the storage specifier, "Stored False"
    QString section;                     // as stored
    Visibility visibility = Visibility::Undeclared;
    // The Properties page's boxes, as it ticked them.
    bool runtimeOnly = false;
    bool readOnly = false;
    bool writeOnly = false;
    bool isProtected = false;
    QString comment;

    bool isStored() const { return !storage.has_value(); }
    bool isPointer() const { return type.startsWith(u'^'); }
};

// One event handler: a property of a method type, listed on the Event Handlers page.
struct EventEntry {
    QString name;                        // "OnChange"
    QString type;                        // "TNotifyEvent"
    QString parameters;                  // the handler's parameters; empty when none
    bool isProtected = false;            // protected, else published
    QString comment;
    qsizetype propertyIndex = -1;        // its PropertyEntry; -1 when there is none
};

// One user method.
struct MethodEntry {
    QString heading;                     // as stored: "Procedure Fill(Amount: integer);virtual;"
    // The heading taken apart: kind as written, name, parameters, return
    // type, the directive words, and why it cannot be read (damage).
    MethodHeading parts;
    bool isProcedure = false;            // the kind is "procedure" in any letter case
    bool isVirtual = false;              // the Methods page's directives, in lower case
    bool isDynamic = false;
    bool isOverride = false;
    bool isAbstract = false;
    QString section;                     // as stored
    Visibility visibility = Visibility::Undeclared;
    QString comment;
};

// One user message: "WM_DRAIN[WM_USER + 1]}  " stored.
struct UserMessageEntry {
    QString stored;
    QString name;                        // "WM_DRAIN"
    QString value;                       // the constant: "WM_USER + 1"
    QString offset;                      // what it adds to WM_USER: "1"
    bool isEmpty = true;                 // an empty entry: nothing to declare
};
