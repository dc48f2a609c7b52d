// The specification being described, as a document: it owns the
// ComponentSpec, knows the current specification file and whether there are
// changes not saved, and is the one way to change either. Pages and features
// listen to its one change signal instead of keeping copies.
#pragma once

#include "model/componentspec.h"
#include "model/specstore.h"

#include <QObject>
#include <optional>

class TAwk;

class SpecDocument : public QObject
{
    Q_OBJECT
public:
    // What a change touched, so listeners refresh only what they show.
    enum Part {
        Header = 0x01,            // unit name, class name, ancestor, palette page
        PropertyList = 0x02,      // the property lists (events included) and ListBox1
        EventList = 0x04,         // the event lists and ListBox3
        MethodList = 0x08,        // the method lists and ListBox2
        MessageList = 0x10,       // the standard message selection and the user messages
        AncestorMembers = 0x20,   // StandardProperties and StandardEvents
        FileState = 0x40,         // the current file or the saved state
        Everything = 0x7f
    };
    Q_DECLARE_FLAGS(Parts, Part)
    Q_FLAG(Parts)

    explicit SpecDocument(QObject *parent = nullptr);

    const ComponentSpec &spec() const { return m_spec; }
    // The file most recently opened; empty before the first Open.
    QString currentFile() const { return m_currentFile; }
    bool isModified() const { return m_modified; }
    // Whether any property, event or method has been defined.
    bool hasEntries() const;

    // ---- header fields, as the user types them
    void setFilename(const QString &text);
    void setClassname(const QString &text);
    void setAncestor(const QString &text);
    void setPalettepage(const QString &text);
    // Refills StandardProperties and StandardEvents from the ancestor list's
    // entry at index (-1: none, both empty).
    void refillAncestorMembers(int ancestorIndex);

    // ---- entries
    ComponentSpec::PropertyAdded addProperty(const PropertyInput &input);
    QString addEventHandler(const EventInput &input);
    ComponentSpec::MethodAdded addMethod(const MethodInput &input);
    void addUserMessage(const QString &name, int offset);
    void setStandardMessageSelected(int index, bool selected);

    bool removeDefinedProperty(int row);
    void removeDefinedHandler(int row);
    void removeMethod(int row);
    void removeUserMessage(int row);

    // Edit-back: the entry on row decoded into a page's fields, then removed
    // as Remove does. A property whose name is no longer among Properties is
    // neither decoded nor removed; an event handler's row goes in any case.
    std::optional<PropertyInput> takeProperty(int row);
    std::optional<EventInput> takeEventHandler(int row);
    std::optional<MethodInput> takeMethod(int row);

    // Empties every list and the ancestor's members; the header fields stay.
    void reset();
    struct OpenResult {
        bool opened = false;
        // Refused: why. Opened: a warning when the file could not be read whole.
        QString message;
    };
    // Open: the file becomes the current file, the specification is reset and
    // the file read into it through store. A file that cannot be read or is
    // no specification file is refused, and nothing changes.
    OpenResult open(const SpecStore &store, const QString &path, TAwk &awk);
    // Writes the specification into path through store. The current file does not change.
    bool save(const SpecStore &store, const QString &path, QString *error);

    // What the last build left for a saved specification to record.
    BuildCounts buildCounts() const { return m_buildCounts; }
    void setBuildCounts(BuildCounts counts) { m_buildCounts = counts; }

    // The starting state of a window: these header fields, nothing unsaved.
    void setInitialHeader(const QString &filename);

signals:
    void changed(SpecDocument::Parts parts);

private:
    void touch(Parts parts);
    void setHeaderField(QString ComponentSpec::*field, const QString &text);

    ComponentSpec m_spec;
    QString m_currentFile;
    bool m_modified = false;
    BuildCounts m_buildCounts;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(SpecDocument::Parts)
