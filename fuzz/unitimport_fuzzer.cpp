// SPDX-License-Identifier: MIT
// Reads arbitrary bytes as a unit to import: nothing may crash or hang. A
// class that imports builds into a unit that imports again to the same
// heading, properties, events, methods and messages.
#include <QByteArray>

#include <cstdlib>

#include "awk/awk.h"
#include "generator/unitgenerator.h"
#include "merge/unitimport.h"
#include "model/componentspec.h"
#include "specfile/textcodec.h"

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = decodeText(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    UnitImport imported = importUnit(text, QStringLiteral("fuzzed.pas"));
    if (imported.refusal == ImportRefusal::SeveralClasses) {
        require(imported.classes.size() > 1);
        imported = importUnit(text, QStringLiteral("fuzzed.pas"), imported.classes.first());
    }
    if (!imported.imported()) {
        require(!imported.refusalText.isEmpty());
        return 0;
    }
    const ComponentSpec &spec = imported.spec;
    require(spec.Properties.size() == spec.Types.size() && spec.Methods.size() == spec.MethodSections.size());
    TAwk awk;
    QStringList lines = generateUnit(spec, Style(), awk, nullptr).lines;
    lines.append(QString());
    const QString rebuilt = lines.join(QStringLiteral("\r\n"));
    const UnitImport again = importUnit(rebuilt, QStringLiteral("fuzzed.pas"), spec.Classname);
    require(again.imported());
    require(again.spec.Classname == spec.Classname && again.spec.Ancestor == spec.Ancestor
            && again.spec.Palettepage == spec.Palettepage);
    require(again.spec.DefinedProperties == spec.DefinedProperties);
    require(again.spec.DefinedHandlers == spec.DefinedHandlers);
    require(again.spec.Methods == spec.Methods && again.spec.MethodSections == spec.MethodSections);
    require(again.spec.StandardProperties == spec.StandardProperties
            && again.spec.StandardEvents == spec.StandardEvents);
    require(again.spec.UserMessages == spec.UserMessages
            && again.spec.selectedStandardMessages() == spec.selectedStandardMessages());
    return 0;
}
