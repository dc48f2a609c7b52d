// SPDX-License-Identifier: MIT
// What a second start of the program says to the running copy over the local
// socket beside the lock: one line per file to open, "open " and the file's
// absolute path percent-encoded, answered "ok" once the line has been read.
// The reader takes the bytes of one connection as they come and refuses
// anything else, so a stranger on the socket can only get the line closed.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

class HandOverProtocol
{
public:
    // The longest request line accepted: a path of 4,096 bytes fully encoded.
    static constexpr qsizetype kMaxLine = 3 * 4096 + 8;

    // The request for one file; path must be absolute.
    static QByteArray openRequest(const QString &path);
    static QByteArray acknowledgement() { return QByteArrayLiteral("ok\n"); }

    // Adds bytes received on the connection.
    void append(QByteArrayView bytes);
    // The next complete request's path; nothing while a line is incomplete or
    // after the connection broke the protocol.
    std::optional<QString> nextPath();
    // A line that is not a request, a path that is not absolute or a line
    // longer than kMaxLine: the connection is to be closed.
    bool isBroken() const { return m_broken; }

private:
    QByteArray m_pending;
    bool m_broken = false;
};
