// SPDX-License-Identifier: MIT
// Feeds arbitrary bytes, cut into chunks, to the reader of the running copy's
// socket: nothing may crash or hang, every path it gives is absolute, and a
// path sent by a second start comes back exactly as sent.
#include <QByteArray>
#include <QString>

#include <cstdlib>

#include "platform/handoverprotocol.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    // The first byte decides the chunk length, so both whole and split lines occur.
    const qsizetype chunk = bytes.isEmpty() ? 1 : 1 + uchar(bytes[0]) % 64;
    HandOverProtocol reader;
    for (qsizetype i = 0; i < bytes.size(); i += chunk) {
        reader.append(bytes.mid(i, chunk));
        while (const std::optional<QString> path = reader.nextPath()) {
            if (!path->startsWith(u'/'))
                std::abort();
        }
    }

    QString path = u'/' + QString::fromUtf8(bytes);
    path.remove(QChar(0));
    HandOverProtocol roundTrip;
    roundTrip.append(HandOverProtocol::openRequest(path));
    if (roundTrip.nextPath() != path && path.toUtf8().size() <= 4096)
        std::abort();
    return 0;
}
