#include "check/methodrules.h"

#include <QSet>

#include "check/propertyrules.h"
#include "check/typereference.h"
#include "model/componentspec.h"
#include "model/methoddirectives.h"
#include "model/methodheading.h"
#include "model/pascalvocabulary.h"
#include "model/stringlists.h"

using namespace Qt::StringLiterals;

namespace {

void checkParameters(const MethodHeading &heading, const EntryRef &entry, FindingList &findings)
{
    QString damage;
    const QList<ParameterGroup> groups = parseParameters(heading.parameters, &damage);
    if (!damage.isEmpty()) {
        findings.error(entry, damage);
        return;
    }
    QSet<QString> seen;
    for (const ParameterGroup &group : groups) {
        for (const QString &name : group.names) {
            if (!checkDeclaredName(entry, u"parameter"_s, name, findings))
                continue;
            if (seen.contains(asciiUpper(name)))
                findings.error(entry, u"parameter '%1' appears twice; rename one"_s.arg(name));
            seen.insert(asciiUpper(name));
        }
        if (!group.type.isEmpty()) {
            if (const auto verdict = checkTypeReference(group.type, true))
                findings.add(entry, *verdict);
        }
    }
}

void checkDirectives(const MethodHeading &heading, const EntryRef &entry, FindingList &findings)
{
    QStringList directives;
    for (const QString &written : heading.directives) {
        const QString directive = asciiLower(written);
        // Anything but a directive Delphi 2.0 knows ends the heading badly.
        if (!isMethodDirective(written))
            findings.error(entry, u"'%1' is not a method directive; remove it"_s.arg(written));
        // The implementation heading loses the Methods page's directives only
        // as written in lower case; spelled otherwise they stay there, where
        // the compiler refuses them.
        else if (written != directive && headingDirectiveOf(written) != HeadingDirective::None)
            findings.error(entry, u"write '%1' in lower case: spelled '%2' it stays in the unit's "
                                  "implementation heading, where it does not compile"_s
                                      .arg(directive, written));
        directives.append(directive);
    }
    const bool isVirtual = directives.contains(headingDirectiveWord(HeadingDirective::Virtual));
    const bool isDynamic = directives.contains(headingDirectiveWord(HeadingDirective::Dynamic));
    const bool overrides = directives.contains(headingDirectiveWord(HeadingDirective::Override));
    if (isVirtual && isDynamic)
        findings.error(entry, u"a method is either virtual or dynamic, not both; choose one"_s);
    // Override already makes the method virtual; the two directives exclude each other.
    if ((isVirtual || isDynamic) && overrides)
        findings.error(entry, u"override cannot go with virtual or dynamic; choose Static and keep Override"_s);
    // An abstract method has no body to call, so it must be dispatched late.
    if (directives.contains(headingDirectiveWord(HeadingDirective::Abstract)) && !isVirtual && !isDynamic && !overrides)
        findings.error(entry, u"an abstract method must be virtual or dynamic; choose Virtual or Dynamic"_s);
}

} // namespace

QString methodEntryName(const MethodEntry &method)
{
    return method.parts.name.isEmpty() ? method.heading : method.parts.name;
}

bool isMethodSection(Visibility section)
{
    return section == Visibility::Private || section == Visibility::Protected
        || section == Visibility::Public;
}

void checkMethodEntry(const ComponentSpec &spec, qsizetype m, FindingList &findings)
{
    const MethodEntry method = spec.method(m);
    const EntryRef entry{Finding::Kind::Method, int(m), methodEntryName(method)};
    const MethodHeading &heading = method.parts;

    // Bodies are written for every method, declarations only in these sections.
    if (!isMethodSection(method.visibility)) {
        findings.error(entry, u"its section '%1' is not private, protected or public, so the "
                              "class does not declare it but the unit implements it"_s
                                  .arg(method.section));
    }
    // The comment is written between braces; a closing brace ends it early.
    if (method.comment.contains(u'}'))
        findings.error(entry, u"its comment holds '}', which ends the comment early; remove the brace"_s);

    if (!heading.damage.isEmpty()) {
        findings.error(entry, u"its heading cannot be read: %1"_s.arg(heading.damage));
        return;
    }
    const QString kind = asciiLower(heading.kind);
    if (kind != u"function"_s && kind != u"procedure"_s) {
        findings.error(entry, u"the heading begins with '%1', not Function or Procedure"_s
                                  .arg(heading.kind));
        return;
    }
    checkDeclaredName(entry, QString(), heading.name, findings);
    if (heading.hasParameters)
        checkParameters(heading, entry, findings);
    if (kind == u"function"_s) {
        if (heading.returnType.isEmpty())
            findings.error(entry, u"a function needs a return type; type one, or make it a procedure"_s);
        else if (const auto verdict = checkTypeReference(heading.returnType))
            findings.add(entry, *verdict);
    } else if (heading.hasReturnType) {
        findings.error(entry, u"a procedure has no return type; remove it, or make it a function"_s);
    }
    checkDirectives(heading, entry, findings);
}
