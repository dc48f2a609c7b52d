// Reads arbitrary bytes as a specification file (after looking at its
// beginning as Open does), builds its unit with the
// file as the source of hand-written bodies, and saves it again: nothing may
// crash, hang or exhaust memory. A specification read from a saved one reads
// back the same. A property that edit-back and Add have been through once
// comes through a second time unchanged. Adding a user message checks the
// stored ones.
#include <QByteArray>
#include <QCoreApplication>

#include <cstdlib>

#include "awk/awk.h"
#include "generator/unitgenerator.h"
#include "model/componentspec.h"
#include "model/entryvalidation.h"
#include "model/stringlists.h"
#include "specfile/profilefile.h"
#include "specfile/specfile.h"
#include "specfile/textcodec.h"

namespace {

QList<QStringList> lists(const ComponentSpec &s)
{
    return {s.Properties, s.ArrayProperties, s.PropertyComments, s.DefaultValues, s.Initializers,
            s.Storage, s.Attributes, s.Sections, s.Variables, s.Types, s.ReadWrite, s.RMethods,
            s.WMethods, s.Events, s.EventTypes, s.EventParams, s.EProtected, s.Methods,
            s.MethodComments, s.MethodSections, s.UserMessages, s.StandardProperties,
            s.StandardEvents, s.DefinedProperties, s.DefinedMethods, s.DefinedHandlers,
            s.selectedStandardMessages(),
            {s.Filename, s.Classname, s.Ancestor, s.Palettepage}};
}

ComponentSpec readFrom(const ProfileFile &file, TAwk &awk)
{
    ComponentSpec spec;
    spec.reset();
    readSpecification(spec, file, awk);
    return spec;
}

QStringList propertyEntries(const ComponentSpec &s, qsizetype i)
{
    return {s.Properties.value(i), s.ArrayProperties.value(i), s.PropertyComments.value(i),
            s.DefaultValues.value(i), s.Initializers.value(i), s.Storage.value(i),
            s.Attributes.value(i), s.Sections.value(i), s.Variables.value(i), s.Types.value(i),
            s.ReadWrite.value(i), s.RMethods.value(i), s.WMethods.value(i)};
}

// Edit-back of the defined property on row, then Add of what it decoded to.
// False when the row names no property.
bool editBackAndAdd(ComponentSpec &spec, int row)
{
    PropertyInput input;
    if (!spec.decodeProperty(row, input))
        return false;
    if (!spec.removeDefinedProperty(row))
        std::abort();   // decoded, so it is there to remove
    spec.addProperty(input);
    return true;
}

void checkEditBack(ComponentSpec spec)
{
    if (spec.DefinedProperties.isEmpty() || !editBackAndAdd(spec, 0))
        return;
    const int last = int(spec.DefinedProperties.size() - 1);
    const QString name = spec.DefinedProperties.at(last);
    // With another property of the same name, the look-up finds the other one.
    if (indexOfText(spec.Properties, name) != spec.Properties.size() - 1)
        return;
    const QStringList once = propertyEntries(spec, spec.Properties.size() - 1);
    if (!editBackAndAdd(spec, last))
        std::abort();
    if (propertyEntries(spec, spec.Properties.size() - 1) != once)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static TAwk awk;
    ProfileFile file;
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    file.parse(decodeText(bytes));
    // What the first bytes promise, the reading holds. (A byte-order mark
    // before text that is not UTF-8 is read as text, so it is left out.)
    if (!bytes.startsWith("\xEF\xBB\xBF") && beginsLikeSpecification(bytes)
        && !file.hasSection(QStringLiteral("Component")))
        std::abort();

    ComponentSpec spec = readFrom(file, awk);
    Style style;
    style.indent = int(size % 21);
    style.blankLines = int(size % 10);
    style.commentsBefore = size % 2;
    QStringList unit = generateUnit(spec, style, awk, &file).lines;
    unit.append(QString());
    sourceFileBytes(unit);

    ProfileFile saved;
    writeSpecification(spec, saved);
    const ComponentSpec once = readFrom(saved, awk);
    ProfileFile savedAgain;
    writeSpecification(once, savedAgain);
    if (lists(readFrom(savedAgain, awk)) != lists(once))
        std::abort();
    checkEditBack(once);
    // Adding a user message reads the offset of every stored one.
    checkUserMessage(QStringLiteral("WM_FUZZ"), int(size % 100000) + 1, spec.UserMessages, awk);
    return 0;
}
