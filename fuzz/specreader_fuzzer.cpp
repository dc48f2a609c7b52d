// Reads arbitrary bytes as a specification file, builds its unit with the
// file as the source of hand-written bodies, and saves it again: nothing may
// crash, hang or exhaust memory. A specification read from a saved one reads
// back the same.
#include <QByteArray>
#include <QCoreApplication>

#include <cstdlib>

#include "awk/awk.h"
#include "generator/unitgenerator.h"
#include "model/componentspec.h"
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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static TAwk awk;
    ProfileFile file;
    file.parse(decodeText(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size))));

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
    return 0;
}
