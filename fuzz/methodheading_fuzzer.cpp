// Decodes arbitrary text as a stored method heading, as edit-back does:
// nothing may crash or hang, and a heading composed from what was decoded
// decodes back to itself, so that edit-back followed by Add changes nothing.
#include <QByteArray>
#include <QString>

#include <cstdlib>

#include "model/componentspec.h"

namespace {

QString recomposed(const QString &heading)
{
    ComponentSpec spec;
    spec.Methods = {heading};
    MethodInput method;
    if (!spec.decodeMethod(0, method))
        std::abort();
    return ComponentSpec::methodHeading(method);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString heading = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString once = recomposed(heading);
    if (recomposed(once) != once)
        std::abort();
    return 0;
}
