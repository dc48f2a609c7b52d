#include "check/propertyrules.h"

#include <QRegularExpression>

#include "check/defaultvalue.h"
#include "check/pascalnames.h"
#include "check/typereference.h"
#include "check/typetable.h"
#include "model/componentspec.h"
#include "model/stringlists.h"

using namespace Qt::StringLiterals;

namespace {

bool isDeclared(const QString &accessMethod)
{
    return !accessMethod.isEmpty() && accessMethod != kNone;
}

struct AccessClause {
    bool valid = false;
    bool reads = false;
    bool writes = false;
};

// "read X", "write Y" or "read X write Y", as the Properties page writes it.
AccessClause parseAccessClause(const QString &clause)
{
    const QStringList words = clause.simplified().split(u' ', Qt::SkipEmptyParts);
    AccessClause access;
    bool namesOk = true;
    qsizetype i = 0;
    if (i + 1 < words.size() && asciiLower(words.at(i)) == u"read"_s) {
        access.reads = true;
        namesOk = namesOk && isPascalIdentifier(words.at(i + 1));
        i += 2;
    }
    if (i + 1 < words.size() && asciiLower(words.at(i)) == u"write"_s) {
        access.writes = true;
        namesOk = namesOk && isPascalIdentifier(words.at(i + 1));
        i += 2;
    }
    access.valid = namesOk && i > 0 && i == words.size();
    return access;
}

void checkDefault(const ComponentSpec &spec, qsizetype i, const EntryRef &entry,
                  FindingList &findings)
{
    const QString value = spec.DefaultValues.value(i);
    if (value == kNone)
        return;
    const QString type = spec.Types.value(i).trimmed();
    const PascalType *known = findType(type);
    if (value.isEmpty()) {
        // The unit would read "default ;"; a string property gets no clause at all.
        if (!known || known->kind != TypeKind::String)
            findings.error(entry, u"its default value is empty; remove the default or give one"_s);
        return;
    }
    if (spec.ArrayProperties.value(i) != kNone) {
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

void checkStorage(const ComponentSpec &spec, qsizetype i, const EntryRef &entry,
                  FindingList &findings)
{
    const QString storage = spec.Storage.value(i, kNone);
    if (storage == kNone)
        return;
    static const QRegularExpression form(u"^stored\\s+[A-Za-z_][A-Za-z0-9_]*$"_s,
                                         QRegularExpression::CaseInsensitiveOption);
    if (!form.match(storage.trimmed()).hasMatch()) {
        findings.error(entry, u"its storage '%1' is not 'Stored False'; enter the property again"_s
                                  .arg(storage));
    } else if (spec.Sections.value(i) != u"published"_s) {
        // Only published properties are written to a form file.
        findings.warning(entry, u"Stored False matters only for published properties, and this "
                                "one is %1"_s.arg(spec.Sections.value(i)));
    }
}

void checkAccess(const ComponentSpec &spec, qsizetype i, const EntryRef &entry,
                 FindingList &findings)
{
    const QString read = spec.RMethods.value(i);
    const QString write = spec.WMethods.value(i);
    // A bad access method name is reported as such, not as a damaged clause.
    if (isDeclared(read) && !checkDeclaredName(entry, u"read method"_s, read, findings))
        return;
    if (isDeclared(write) && !checkDeclaredName(entry, u"write method"_s, write, findings))
        return;
    const AccessClause access = parseAccessClause(spec.ReadWrite.value(i));
    if (!access.valid) {
        findings.error(entry, u"its access clause '%1' is damaged; enter the property again"_s
                                  .arg(spec.ReadWrite.value(i)));
        return;
    }
    if (spec.ArrayProperties.value(i) == kNone)
        return;
    // An indexed property passes the index to methods; a field cannot take it.
    if (access.reads && !isDeclared(read))
        findings.error(entry, u"an indexed property cannot be read directly; name a read access method"_s);
    if (access.writes && !isDeclared(write))
        findings.error(entry, u"an indexed property cannot be written directly; name a write access method"_s);
}

} // namespace

bool isPropertySection(const QString &section)
{
    return section == u"protected"_s || section == u"public"_s || section == u"published"_s;
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
    const EntryRef entry = propertyEntry(spec, i);
    const bool nameOk = checkDeclaredName(entry, QString(), entry.name, findings);

    const QString section = spec.Sections.value(i);
    if (!isPropertySection(section)) {
        findings.warning(entry, u"its section '%1' is not protected, public or published, so the "
                                "class does not declare it"_s.arg(section));
    }

    const QString type = spec.Types.value(i).trimmed();
    const auto typeVerdict = checkTypeReference(type);
    if (typeVerdict)
        findings.add(entry, *typeVerdict);
    const PascalType *known = findType(type);

    if (section == u"published"_s) {
        if (spec.ArrayProperties.value(i) != kNone)
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
        checkDefault(spec, i, entry, findings);
    checkStorage(spec, i, entry, findings);
    // A name that is no identifier damages the access clause built from it too.
    if (nameOk)
        checkAccess(spec, i, entry, findings);
}
