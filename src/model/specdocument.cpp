#include "model/specdocument.h"

#include "model/ancestortable.h"

#include <QFileInfo>

SpecDocument::SpecDocument(QObject *parent)
    : QObject(parent)
{
}

bool SpecDocument::hasEntries() const
{
    return !m_spec.Properties.isEmpty() || !m_spec.Events.isEmpty() || !m_spec.Methods.isEmpty();
}

void SpecDocument::touch(Parts parts)
{
    m_modified = true;
    emit changed(parts | FileState);
}

void SpecDocument::setHeaderField(QString ComponentSpec::*field, const QString &text)
{
    if (m_spec.*field == text)
        return;
    m_spec.*field = text;
    touch(Header);
}

void SpecDocument::setFilename(const QString &text)
{
    setHeaderField(&ComponentSpec::Filename, text);
}

void SpecDocument::setClassname(const QString &text)
{
    setHeaderField(&ComponentSpec::Classname, text);
}

void SpecDocument::setAncestor(const QString &text)
{
    setHeaderField(&ComponentSpec::Ancestor, text);
}

void SpecDocument::setPalettepage(const QString &text)
{
    setHeaderField(&ComponentSpec::Palettepage, text);
}

void SpecDocument::setInitialHeader(const QString &filename)
{
    m_spec.Filename = filename;
    m_modified = false;
    emit changed(Header | FileState);
}

// The members follow the ancestor; they are not saved, so refilling them is
// no change of the document's own.
void SpecDocument::refillAncestorMembers(int ancestorIndex)
{
    const QStringList properties = m_spec.StandardProperties;
    const QStringList events = m_spec.StandardEvents;
    ::refillAncestorMembers(m_spec, ancestorIndex);
    if (properties != m_spec.StandardProperties || events != m_spec.StandardEvents)
        emit changed(AncestorMembers);
}

ComponentSpec::PropertyAdded SpecDocument::addProperty(const PropertyInput &input)
{
    const auto added = m_spec.addProperty(input);
    touch(PropertyList);
    return added;
}

QString SpecDocument::addEventHandler(const EventInput &input)
{
    const QString name = m_spec.addEventHandler(input);
    touch(PropertyList | EventList);
    return name;
}

ComponentSpec::MethodAdded SpecDocument::addMethod(const MethodInput &input)
{
    const auto added = m_spec.addMethod(input);
    touch(MethodList);
    return added;
}

void SpecDocument::addUserMessage(const QString &name, int offset)
{
    m_spec.addUserMessage(name, offset);
    touch(MessageList);
}

void SpecDocument::setStandardMessageSelected(int index, bool selected)
{
    if (m_spec.isStandardMessageSelected(index) == selected)
        return;
    m_spec.setStandardMessageSelected(index, selected);
    touch(MessageList);
}

bool SpecDocument::removeDefinedProperty(int row)
{
    if (!m_spec.removeDefinedProperty(row))
        return false;
    touch(PropertyList);
    return true;
}

void SpecDocument::removeDefinedHandler(int row)
{
    if (row < 0 || row >= m_spec.DefinedHandlers.size())
        return;
    m_spec.removeDefinedHandler(row);
    touch(PropertyList | EventList);
}

void SpecDocument::removeMethod(int row)
{
    if (row < 0 || row >= m_spec.DefinedMethods.size())
        return;
    m_spec.removeMethod(row);
    touch(MethodList);
}

void SpecDocument::removeUserMessage(int row)
{
    if (row < 0 || row >= m_spec.UserMessages.size())
        return;
    m_spec.removeUserMessage(row);
    touch(MessageList);
}

std::optional<PropertyInput> SpecDocument::takeProperty(int row)
{
    PropertyInput input;
    if (!m_spec.decodeProperty(row, input))
        return std::nullopt;
    removeDefinedProperty(row);
    return input;
}

std::optional<EventInput> SpecDocument::takeEventHandler(int row)
{
    EventInput input;
    const bool found = m_spec.decodeEventHandler(row, input);
    removeDefinedHandler(row);
    if (!found)
        return std::nullopt;
    return input;
}

std::optional<MethodInput> SpecDocument::takeMethod(int row)
{
    MethodInput input;
    if (!m_spec.decodeMethod(row, input))
        return std::nullopt;
    removeMethod(row);
    return input;
}

// Emptying loses nothing that needs saving: it leaves the unsaved state as it was.
void SpecDocument::reset()
{
    m_spec.reset();
    m_buildCounts = {};
    emit changed(PropertyList | EventList | MethodList | MessageList | AncestorMembers);
}

SpecDocument::OpenResult SpecDocument::open(const SpecStore &store, const QString &path, TAwk &awk)
{
    OpenResult result;
    ComponentSpec read;
    const SpecStore::ReadResult outcome = store.read(path, read, awk);
    result.message = outcome.message;
    if (!outcome.read)
        return result;
    m_currentFile = QFileInfo(path).absoluteFilePath();
    m_spec = std::move(read);
    m_buildCounts = {};
    m_modified = false;
    result.opened = true;
    emit changed(Everything);
    return result;
}

bool SpecDocument::save(const SpecStore &store, const QString &path, QString *error)
{
    if (!store.write(m_spec, path, error, m_buildCounts, m_currentFile))
        return false;
    m_modified = false;
    emit changed(FileState);
    return true;
}
