// SPDX-License-Identifier: MIT
// Reads arbitrary bytes as a specification file and checks it: nothing may
// crash or hang, every finding names its entry by a valid index, and the
// check leaves the specification as it was read.
#include <QByteArray>

#include <cstdlib>

#include "awk/awk.h"
#include "check/checker.h"
#include "generator/style.h"
#include "model/componentspec.h"
#include "model/standardmessages.h"
#include "specfile/profilefile.h"
#include "specfile/specfile.h"
#include "specfile/textcodec.h"

namespace {

qsizetype entryCount(const ComponentSpec &spec, Finding::Kind kind)
{
    switch (kind) {
    case Finding::Kind::Property: return spec.Properties.size();
    case Finding::Kind::Event: return spec.Events.size();
    case Finding::Kind::Method: return spec.Methods.size();
    case Finding::Kind::Message: return spec.UserMessages.size();
    case Finding::Kind::StandardMessage: return standardMessageNames().size();
    default: return 0;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static TAwk awk;
    ProfileFile file;
    file.parse(decodeText(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size))));
    ComponentSpec spec;
    spec.reset();
    readSpecification(spec, file, awk);
    const QStringList methods = spec.Methods;
    const QStringList defaults = spec.DefaultValues;

    Style style;
    style.separatorChar = size % 3 == 0 ? QStringLiteral("}") : QStringLiteral("=");
    style.target = (size / 3) % 2 == 0 ? Target::Delphi2 : Target::Lazarus;
    for (const Finding &finding : checkSpecification(spec, style)) {
        const qsizetype count = entryCount(spec, finding.kind);
        const bool header = count == 0 && finding.index == -1;
        if (!header && (finding.index < 0 || finding.index >= count))
            std::abort();
        if (finding.message.isEmpty())
            std::abort();
    }
    if (spec.Methods != methods || spec.DefaultValues != defaults)
        std::abort();
    return 0;
}
