// The hand-over socket, built as a module of its own (unitforge-handover):
// the network library behind QLocalServer, with the libraries it brings, is
// loaded only when the running copy starts listening, after its window is up,
// or when a second start hands a file over. FileHandOver loads it.
#include "platform/handoverprotocol.h"

#include <QDeadlineTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>

#include <memory>

namespace {

// A connection that has sent no complete request for this long is closed.
constexpr int kIdleMs = 3000;
// At most this many connections at once; more are closed as they come.
constexpr int kMaxConnections = 32;
// A connection that leaves more of its answers unread than this is closed.
constexpr qint64 kMaxUnreadAnswers = 64 * 1024;
// How often a server that stopped listening tries again.
constexpr int kListenAgainMs = 1000;

class HandOverServer : public QObject
{
    Q_OBJECT
public:
    explicit HandOverServer(QObject *parent)
        : QObject(parent)
        , m_server(new QLocalServer(this))
    {
        // Only this user's own starts may hand files over.
        m_server->setSocketOptions(QLocalServer::UserAccessOption);
        connect(m_server, &QLocalServer::newConnection, this, &HandOverServer::accept);
        // The server stops for good when it cannot take a connection (no
        // descriptor left, say); it is started again once it can be.
        m_listenAgain.setInterval(kListenAgainMs);
        connect(&m_listenAgain, &QTimer::timeout, this, &HandOverServer::listenAgain);
    }

    bool listen(const QString &socketPath)
    {
        m_socketPath = socketPath;
        // A socket left by a copy that died is replaced: only the holder of
        // the single-instance lock listens.
        QLocalServer::removeServer(socketPath);
        if (!m_server->listen(socketPath))
            return false;
        m_listenAgain.start();
        return true;
    }

signals:
    void fileReceived(const QString &path);

private:
    void listenAgain()
    {
        if (m_server->isListening())
            return;
        QLocalServer::removeServer(m_socketPath);
        m_server->listen(m_socketPath);
    }

    void accept()
    {
        while (QLocalSocket *socket = m_server->nextPendingConnection()) {
            if (m_connections >= kMaxConnections) {
                socket->abort();
                socket->deleteLater();
                continue;
            }
            ++m_connections;
            connect(socket, &QObject::destroyed, this, [this] { --m_connections; });
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            // A connection that keeps quiet, or does not take its answer, goes.
            auto *idle = new QTimer(socket);
            idle->setSingleShot(true);
            connect(idle, &QTimer::timeout, socket, [socket, idle] {
                // A request that came while the window was too busy to read
                // it is served first.
                socket->waitForReadyRead(0);
                if (idle->isActive())
                    return;
                socket->abort();
                socket->deleteLater();
            });
            idle->start(kIdleMs);
            // The connection's own reader lives and dies with it.
            auto protocol = std::make_shared<HandOverProtocol>();
            connect(socket, &QLocalSocket::readyRead, this, [this, socket, protocol, idle] {
                protocol->append(socket->readAll());
                while (const std::optional<QString> path = protocol->nextPath()) {
                    if (socket->bytesToWrite() > kMaxUnreadAnswers) {
                        socket->abort();
                        return;
                    }
                    socket->write(HandOverProtocol::acknowledgement());
                    idle->start(kIdleMs);
                    emit fileReceived(*path);
                }
                // The answers to the good requests before go out first.
                if (protocol->isBroken())
                    socket->disconnectFromServer();
            });
        }
    }

    QLocalServer *m_server;
    QString m_socketPath;
    QTimer m_listenAgain;
    int m_connections = 0;
};

} // namespace

// A listening server owned by parent, with the signal fileReceived(QString);
// null when the socket cannot be made.
extern "C" Q_DECL_EXPORT QObject *unitforgeHandOverListen(const QString &socketPath, QObject *parent)
{
    auto server = std::make_unique<HandOverServer>(parent);
    if (!server->listen(socketPath))
        return nullptr;
    return server.release();
}

// 0: handed over and confirmed; 1: nothing listens (yet); 2: no confirmation
// came within timeoutMs.
extern "C" Q_DECL_EXPORT int unitforgeHandOverSend(const QString &socketPath, const QString &path,
                                                   int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    QLocalSocket socket;
    socket.connectToServer(socketPath);
    if (!socket.waitForConnected(int(deadline.remainingTime())))
        return 1;
    socket.write(HandOverProtocol::openRequest(path));
    socket.waitForBytesWritten(int(deadline.remainingTime()));
    QByteArray answer;
    const QByteArray expected = HandOverProtocol::acknowledgement();
    while (answer.size() < expected.size()) {
        if (!socket.waitForReadyRead(int(deadline.remainingTime())))
            return 2;
        answer += socket.readAll();
    }
    return answer == expected ? 0 : 2;
}

#include "localsockethandover.moc"
