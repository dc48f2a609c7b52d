// SPDX-License-Identifier: MIT
#include "platform/handoverprotocol.h"

#include <QUrl>

namespace {
const QByteArray kOpen = QByteArrayLiteral("open ");
}

QByteArray HandOverProtocol::openRequest(const QString &path)
{
    // Percent-encoding keeps blanks, line breaks and any other byte of a file
    // name out of the way of the framing.
    return kOpen + QUrl::toPercentEncoding(path, "/") + '\n';
}

void HandOverProtocol::append(QByteArrayView bytes)
{
    if (m_broken)
        return;
    m_pending.append(bytes);
}

std::optional<QString> HandOverProtocol::nextPath()
{
    if (m_broken)
        return std::nullopt;
    const qsizetype end = m_pending.indexOf('\n');
    if (end < 0) {
        if (m_pending.size() > kMaxLine) {
            m_broken = true;
            m_pending.clear();
        }
        return std::nullopt;
    }
    const QByteArray line = m_pending.left(end);
    m_pending.remove(0, end + 1);
    const auto refuse = [this]() -> std::optional<QString> {
        m_broken = true;
        m_pending.clear();
        return std::nullopt;
    };
    if (line.size() > kMaxLine || !line.startsWith(kOpen))
        return refuse();
    const QByteArray encoded = line.mid(kOpen.size());
    // Only what openRequest writes: no raw blanks or control characters.
    for (const char c : encoded) {
        if (uchar(c) <= ' ' || uchar(c) >= 0x7F)
            return refuse();
    }
    const QByteArray raw = QByteArray::fromPercentEncoding(encoded);
    if (raw.contains('\0'))
        return refuse();
    const QString path = QString::fromUtf8(raw);
    if (!path.startsWith(u'/'))
        return refuse();
    return path;
}
