// SPDX-License-Identifier: MIT
// The local socket between two starts of the program: the running copy
// listens on it, and a second start with a file to open hands the file over
// and ends, instead of running a window of its own. It is a Unix-domain
// socket watched by the event loop: the network library that QLocalServer
// would bring costs a starting window more than this whole server does.
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

class QSocketNotifier;

class HandOverServer : public QObject
{
    Q_OBJECT
public:
    // A connection that has sent no complete request for this long is closed.
    static constexpr int kIdleMs = 3000;
    // At most this many connections at once; more are closed as they come.
    static constexpr int kMaxConnections = 32;
    // A connection that leaves more of its answers unread than this is closed.
    static constexpr qsizetype kMaxUnreadAnswers = 64 * 1024;
    // How often a server that stopped listening tries again.
    static constexpr int kListenAgainMs = 1000;

    explicit HandOverServer(QObject *parent = nullptr);
    ~HandOverServer() override;

    // Listens on socketPath, replacing a socket left there by a copy that
    // died (only the holder of the single-instance lock calls this); only this
    // user may connect. False when the socket cannot be made.
    bool listen(const QString &socketPath);
    bool isListening() const { return m_listener >= 0; }
    // Stops listening and takes the socket away, as when no descriptor is left
    // to take a connection with; the server listens again once it can.
    void close();

signals:
    // A second start handed over this file.
    void fileReceived(const QString &path);

private:
    class Connection;
    bool listenOnce();
    void accept();

    QString m_socketPath;
    int m_listener = -1;
    QSocketNotifier *m_listenerNotifier = nullptr;
    QTimer m_listenAgain;
    QList<Connection *> m_connections;   // open, or closed and not yet deleted
};

// Hands path (absolute) to the copy listening on socketPath, waiting up to
// timeoutMs for it to listen; true once that copy has confirmed it. False
// when nothing listened or no answer came in time.
bool handOverFile(const QString &socketPath, const QString &path, int timeoutMs = 3000);
