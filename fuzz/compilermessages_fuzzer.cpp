// SPDX-License-Identifier: MIT
// Reads arbitrary text as fpc's output, as a test drive does after a failed
// compile: nothing may crash or hang, and every error taken has a line that
// is 0 or positive and a column only where there is a line.
#include <QByteArray>
#include <QString>

#include <cstdlib>

#include "testdrive/compilermessages.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString output = QString::fromLocal8Bit(reinterpret_cast<const char *>(data), qsizetype(size));
    for (const CompilerMessage &error : compilerErrors(output)) {
        if (error.line < 0 || error.column < 0 || (error.column > 0 && error.line == 0))
            std::abort();
    }
    return 0;
}
