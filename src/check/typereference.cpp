#include "check/typereference.h"

#include "check/typetable.h"
#include "model/pascalvocabulary.h"
#include "model/stringlists.h"

using namespace Qt::StringLiterals;

namespace {

QString openArrayElement(const QString &type)
{
    const QStringList words = type.simplified().split(u' ');
    if (words.size() == 3 && asciiLower(words.at(0)) == u"array"_s && asciiLower(words.at(1)) == u"of"_s)
        return words.at(2);
    return QString();
}

} // namespace

QString referencedTypeName(const QString &type)
{
    const QString element = openArrayElement(type);
    return element.isEmpty() ? type.trimmed() : element;
}

std::optional<Verdict> checkTypeReference(const QString &type, bool openArrayAllowed)
{
    using Severity = Finding::Severity;
    QString name = type.trimmed();
    if (name.isEmpty())
        return Verdict{Severity::Error, u"it has no type; type one"_s};
    if (name.startsWith(u'^')) {
        // Both compilers take only a type identifier in a property or heading.
        return Verdict{Severity::Error,
            u"'%1' is not a type name, and only a type name may stand here; use Pointer, "
            "or a pointer type that a used unit declares"_s.arg(name)};
    }
    if (openArrayAllowed && !openArrayElement(name).isEmpty())
        name = openArrayElement(name);
    if (sameName(name, u"string"_s))
        return std::nullopt;
    if (!isPascalIdentifier(name) || isReservedWord(name)) {
        return Verdict{Severity::Error,
            u"'%1' is not a type name, and only a type name may stand here; use a type "
            "that a used unit declares"_s.arg(type.trimmed())};
    }
    if (!findType(name)) {
        return Verdict{Severity::Warning,
            u"type '%1' is not one this check knows; the unit compiles only if a used unit "
            "declares it"_s.arg(name)};
    }
    return std::nullopt;
}
