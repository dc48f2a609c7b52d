#include "check/propertyrules.h"

#include <QRegularExpression>

#include "check/defaultvalue.h"
#include "check/typereference.h"
#include "check/typetable.h"
#include "model/componentspec.h"
#include "model/pascalvocabulary.h"
#include "model/stringlists.h"

using namespace Qt::StringLiterals;

namespace {

void checkDefault(const PropertyEntry &property, const EntryRef &entry, FindingList &findings)
{
    if (!property.defaultValue)
        return;
    const QString &value = *property.defaultValue;
    const PascalType *known = findType(property.type.trimmed());
    if (value.isEmpty()) {
        // The unit would read "default ;"; a string property gets no clause at all.
        if (!known || known->kind != TypeKind::String)
            findings.error(entry, u"its default value is empty; remove the default or give one"_s);
        return;
    }
    if (property.indexed) {
        // "default" on an indexed property marks the class's default array property
        // and takes no value.
        findings.error(entry, u"an indexed property cannot have a default value; leave it empty"_s);
        return;
    }
    if (known) {
        if (const auto verdict = checkDefaultValue(*known, value))
            findings.add(entry, *verdict);
    }
}

void checkStorage(const PropertyEntry &property, const EntryRef &entry, FindingList &findings)
{
    if (!property.storage)
        return;
    const QString &storage = *property.storage;
    static const QRegularExpression form(u"^stored\\s+[A-Za-z_][A-Za-z0-9_]*$"_s,
                                         QRegularExpression::CaseInsensitiveOption);
    if (!form.match(storage.trimmed()).hasMatch()) {
        findings.error(entry, u"its storage '%1' is not 'Stored False'; enter the property again"_s
                                  .arg(storage));
    } else if (property.visibility != Visibility::Published) {
        // Only published properties are written to a form file.
        findings.warning(entry, u"Stored False matters only for published properties, and this "
                                "one is %1"_s.arg(property.section));
    }
}

void checkAccess(const PropertyEntry &property, const EntryRef &entry, FindingList &findings)
{
    const QString &read = property.readMethod;
    const QString &write = property.writeMethod;
    // A bad access method name is reported as such, not as a damaged clause.
    if (!read.isEmpty() && !checkDeclaredName(entry, u"read method"_s, read, findings))
        return;
    if (!write.isEmpty() && !checkDeclaredName(entry, u"write method"_s, write, findings))
        return;
    if (!property.access.wellFormed) {
        findings.error(entry, u"its access clause '%1' is damaged; enter the property again"_s
                                  .arg(property.accessClause));
        return;
    }
    if (!property.indexed)
        return;
    // An indexed property passes the index to methods; a field cannot take it.
    if (property.access.reads && read.isEmpty())
        findings.error(entry, u"an indexed property cannot be read directly; name a read access method"_s);
    if (property.access.writes && write.isEmpty())
        findings.error(entry, u"an indexed property cannot be written directly; name a write access method"_s);
}

} // namespace

bool isPropertySection(Visibility section)
{
    return section == Visibility::Protected || section == Visibility::Public
        || section == Visibility::Published;
}

EntryRef propertyEntry(const ComponentSpec &spec, qsizetype i)
{
    const QString name = spec.Properties.value(i);
    const qsizetype event = indexOfText(spec.Events, name);
    if (event >= 0)
        return {Finding::Kind::Event, int(event), name};
    return {Finding::Kind::Property, int(i), name};
}

bool checkDeclaredName(const EntryRef &entry, const QString &what, const QString &name,
                       FindingList &findings)
{
    const QString subject = what.isEmpty() ? u"'%1'"_s.arg(name) : u"%1 '%2'"_s.arg(what, name);
    if (!isPascalIdentifier(name)) {
        findings.error(entry, u"%1 is not a Pascal identifier; use letters, digits and '_', "
                              "starting with a letter or '_'"_s.arg(subject));
        return false;
    }
    if (isReservedWord(name)) {
        findings.error(entry, u"%1 is a reserved word; choose another name"_s.arg(subject));
        return false;
    }
    return true;
}

void checkPropertyEntry(const ComponentSpec &spec, qsizetype i, FindingList &findings)
{
    const PropertyEntry property = spec.property(i);
    const EntryRef entry = propertyEntry(spec, i);
    const bool nameOk = checkDeclaredName(entry, QString(), entry.name, findings);

    if (!isPropertySection(property.visibility)) {
        findings.warning(entry, u"its section '%1' is not protected, public or published, so the "
                                "class does not declare it"_s.arg(property.section));
    }

    const QString type = property.type.trimmed();
    const auto typeVerdict = checkTypeReference(type);
    if (typeVerdict)
        findings.add(entry, *typeVerdict);
    const PascalType *known = findType(type);

    if (property.visibility == Visibility::Published) {
        if (property.indexed)
            findings.error(entry, u"an indexed property cannot be published; make it public"_s);
        // Published properties are streamed through their type information,
        // which pointers, records and files do not have.
        else if (known && !isPublishable(known->kind))
            findings.error(entry, u"%1 property (%2) cannot be published; make it Runtime Only "
                                  "or Protected"_s.arg(kindPhrase(known->kind), known->name));
    }
    if (entry.kind == Finding::Kind::Event && known && known->kind != TypeKind::Method) {
        findings.warning(entry, u"type %1 is not a method type, so the handler cannot be "
                                "assigned a method; use an event type such as TNotifyEvent"_s
                                    .arg(known->name));
    }
    if (!typeVerdict || typeVerdict->severity == Finding::Severity::Warning)
        checkDefault(property, entry, findings);
    checkStorage(property, entry, findings);
    // A name that is no identifier damages the access clause built from it too.
    if (nameOk)
        checkAccess(property, entry, findings);
}
