// The component being described: the four header fields and the aligned lists
// of properties, event handlers, methods and messages, each entry stored as the
// text that the specification file holds. Readers take an entry as a typed
// value (componententries.h) through property(), event(), method() and
// userMessage().
#pragma once

#include <QBitArray>
#include <QList>
#include <QString>
#include <QStringList>

#include "model/componententries.h"

// The none marker: stands for an absent value in most lists.
inline const QString kNone = QStringLiteral("*");

// What the Properties page collects for one property.
struct PropertyInput {
    QString name;
    QString type;
    QString defaultValue;
    bool indexed = false;        // "Indexed (Array Property)"
    bool pointer = false;
    bool runtimeOnly = false;
    bool readOnly = false;
    bool writeOnly = false;
    bool isProtected = false;
    bool stored = true;
    QString readMethod;          // empty: direct access to the field
    QString writeMethod;         // empty: direct access to the field
    QString comment;
};

// What the Event Handlers page collects for one handler.
struct EventInput {
    QString name;
    QString type;
    QString params;
    bool isProtected = false;
    QString comment;
};

enum class MethodDirective { Virtual, Dynamic, Static };

// What the Methods page collects for one method.
struct MethodInput {
    QString kind = QStringLiteral("Function");   // "Function" or "Procedure"
    QString name;
    QString params;              // without parentheses
    QString returnType;
    MethodDirective directive = MethodDirective::Static;
    bool isOverride = false;
    bool isAbstract = false;
    bool isPrivate = false;
    bool isPublic = false;
    bool isProtected = false;
    QString comment;
};

class ComponentSpec
{
public:
    ComponentSpec();

    // Header fields (held by the Class page's controls in the window).
    QString Filename;
    QString Classname;
    QString Ancestor = QStringLiteral("TComponent");
    QString Palettepage;

    // Property lists, indexed by property (event handlers included).
    QStringList Properties;
    QStringList ArrayProperties;
    QStringList PropertyComments;
    QStringList DefaultValues;
    QStringList Initializers;
    QStringList Storage;
    QStringList Attributes;
    QStringList Sections;
    QStringList Variables;
    QStringList Types;
    QStringList ReadWrite;
    QStringList RMethods;
    QStringList WMethods;

    // Event lists, indexed by the handler's position in DefinedHandlers.
    QStringList Events;
    QStringList EventTypes;
    QStringList EventParams;
    QStringList EProtected;

    // Method lists, indexed by method.
    QStringList Methods;
    QStringList MethodComments;
    QStringList MethodSections;

    // Messages and the ancestor's published members.
    QStringList UserMessages;
    QStringList StandardProperties;
    QStringList StandardEvents;

    // The "defined" list boxes of the Properties, Methods and Event Handlers
    // pages; their rows are what Remove and edit-back address.
    QStringList DefinedProperties;   // ListBox1
    QStringList DefinedMethods;      // ListBox2
    QStringList DefinedHandlers;     // ListBox3

    // Selection of the standard message list, by position in standardMessageNames().
    bool isStandardMessageSelected(int index) const;
    void setStandardMessageSelected(int index, bool selected);
    // Selects the first name equal to name, letter case included; false when none is.
    bool selectStandardMessage(const QString &name);
    QStringList selectedStandardMessages() const;   // in list order
    int selectedStandardMessageCount() const;
    void clearStandardMessageSelection();

    // Add operations. Each appends one entry to every list of its group.
    struct PropertyAdded {
        bool runtimeOnlyChecked = false;   // an indexed property ticks Runtime Only
    };
    PropertyAdded addProperty(const PropertyInput &input);

    // Returns the normalised handler name ("Click" becomes "OnClick").
    QString addEventHandler(const EventInput &input);

    struct MethodAdded {
        QString heading;
        bool publicChecked = false;        // no section box ticked: public is ticked
    };
    MethodAdded addMethod(const MethodInput &input);
    static QString methodHeading(const MethodInput &input);

    void addUserMessage(const QString &name, int offset);

    // Removal. Tolerant of lists that are shorter than they should be.
    // Removes the property on row `row` of DefinedProperties; false when its
    // name is not among Properties (then nothing changes).
    bool removeDefinedProperty(int row);
    // Removes the handler on row `row` of DefinedHandlers; the row goes in any case.
    void removeDefinedHandler(int row);
    void removeMethod(int row);
    void removeUserMessage(int row);

    // ---- the entries as typed values. Tolerant of lists that are shorter
    // than they should be (only a specification built by hand has them): a
    // missing value reads as an empty one, except that a missing field or
    // storage specifier reads as none.

    // Property i of the property lists (event handlers included).
    qsizetype propertyCount() const { return Properties.size(); }
    PropertyEntry property(qsizetype i) const;
    QList<PropertyEntry> properties() const;
    // The property that row `row` of DefinedProperties lists; -1 when none.
    qsizetype propertyIndexOfRow(int row) const;

    // The handler on row `row` of DefinedHandlers.
    qsizetype eventCount() const { return DefinedHandlers.size(); }
    EventEntry event(qsizetype row) const;

    qsizetype methodCount() const { return Methods.size(); }
    MethodEntry method(qsizetype i) const;
    QList<MethodEntry> methods() const;

    qsizetype userMessageCount() const { return UserMessages.size(); }
    UserMessageEntry userMessage(qsizetype i) const;
    QList<UserMessageEntry> userMessages() const;

    // Decoding of a stored entry back into a page's fields (edit-back).
    // Each returns false when the entry cannot be found.
    bool decodeProperty(int row, PropertyInput &out) const;
    bool decodeEventHandler(int row, EventInput &out) const;
    bool decodeMethod(int row, MethodInput &out) const;

    // Empties every list and the selection; the header fields stay.
    void reset();

    // Initializer entry for a property, from its field and stored default.
    static QString initializerFor(const QString &variable, const QString &defaultValue);

private:
    QBitArray m_standardMessageSelection;
};
