#include "check/membernames.h"

#include <QHash>
#include <QSet>

#include "awk/awk.h"
#include "check/messagerules.h"
#include "check/methodrules.h"
#include "check/propertyrules.h"
#include "generator/messagehandlers.h"
#include "model/componentspec.h"
#include "model/pascalvocabulary.h"
#include "model/standardmessages.h"
#include "model/stringlists.h"

using namespace Qt::StringLiterals;

namespace {

class MemberTable
{
public:
    explicit MemberTable(FindingList &findings) : m_findings(findings) {}

    // Declares name as role ("the read method of property 'Count'") for
    // entry; a name already declared gives entry an error, which calls the
    // member ownRole ("its read method 'GetCount'").
    void declare(const QString &name, const EntryRef &entry, const QString &role,
                 const QString &ownRole)
    {
        if (!isPascalIdentifier(name))
            return;   // reported as a bad name already
        const QString key = asciiUpper(name);
        const auto it = m_roles.constFind(key);
        if (it == m_roles.constEnd()) {
            m_roles.insert(key, role);
            if (entry.kind == Finding::Kind::Class)
                m_fixed.insert(key);
            return;
        }
        if (entry.kind == Finding::Kind::Class)
            return;   // two ancestor members: nothing the user can rename
        const bool fixedEarlier = m_fixed.contains(key);
        m_findings.error(entry, u"%1 has the name of %2; %3"_s
                                    .arg(ownRole, it.value(),
                                         fixedEarlier ? u"choose another name"_s
                                                      : u"rename one of them"_s));
    }

private:
    FindingList &m_findings;
    QHash<QString, QString> m_roles;
    QSet<QString> m_fixed;   // the members the user cannot rename
};

void declareProperties(const ComponentSpec &spec, MemberTable &members)
{
    for (qsizetype i = 0; i < spec.propertyCount(); ++i) {
        const PropertyEntry property = spec.property(i);
        const EntryRef entry = propertyEntry(spec, i);
        const QString what = entry.kind == Finding::Kind::Event ? u"event"_s : u"property"_s;
        const QString owner = u"%1 '%2'"_s.arg(what, entry.name);
        if (isPropertySection(property.visibility))
            members.declare(entry.name, entry, u"the "_s + owner, u"it"_s);
        if (const std::optional<QString> &field = property.field) {
            members.declare(*field, entry, u"the field of "_s + owner,
                            u"its field '%1'"_s.arg(*field));
        }
        const QString &read = property.readMethod;
        if (!read.isEmpty()) {
            members.declare(read, entry, u"the read method of "_s + owner,
                            u"its read method '%1'"_s.arg(read));
        }
        const QString &write = property.writeMethod;
        if (!write.isEmpty()) {
            members.declare(write, entry, u"the write method of "_s + owner,
                            u"its write method '%1'"_s.arg(write));
        }
    }
}

} // namespace

void checkMemberNames(const ComponentSpec &spec, TAwk &awk, FindingList &findings)
{
    MemberTable members(findings);
    const EntryRef fixed{Finding::Kind::Class, -1, spec.Classname};
    members.declare(u"Create"_s, fixed, u"the constructor Create"_s, QString());
    members.declare(u"Destroy"_s, fixed, u"the destructor Destroy"_s, QString());
    // The class redeclares the ancestor's published members by name.
    for (const QString &name : spec.StandardProperties) {
        members.declare(name, fixed, u"the published property %1 of %2, which the class "
                                     "redeclares"_s.arg(name, spec.Ancestor), QString());
    }
    for (const QString &name : spec.StandardEvents) {
        members.declare(name, fixed, u"the published event %1 of %2, which the class "
                                     "redeclares"_s.arg(name, spec.Ancestor), QString());
    }

    declareProperties(spec, members);

    for (qsizetype m = 0; m < spec.methodCount(); ++m) {
        const MethodEntry method = spec.method(m);
        if (!isMethodSection(method.visibility))
            continue;
        const EntryRef entry{Finding::Kind::Method, int(m), methodEntryName(method)};
        members.declare(entry.name, entry, u"the method '%1'"_s.arg(entry.name), u"it"_s);
    }

    const QStringList &standard = standardMessageNames();
    for (qsizetype k = 0; k < standard.size(); ++k) {
        if (!spec.isStandardMessageSelected(int(k)))
            continue;
        const EntryRef entry{Finding::Kind::StandardMessage, int(k), standard.at(k)};
        const QString handler = messageHandlerName(awk, standard.at(k));
        members.declare(handler, entry, u"the handler %1 of message %2"_s.arg(handler, entry.name),
                        u"its handler %1"_s.arg(handler));
    }
    for (qsizetype u = 0; u < spec.userMessageCount(); ++u) {
        const QString name = spec.userMessage(u).name;
        const EntryRef entry{Finding::Kind::Message, int(u), name};
        const QString handler = messageHandlerName(awk, name, true);
        members.declare(handler, entry, u"the handler %1 of message %2"_s.arg(handler, name),
                        u"its handler %1"_s.arg(handler));
    }
}
