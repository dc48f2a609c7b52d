// The hand-over socket, built as a module of its own (unitforge-handover):
// the network library behind QLocalServer, with the libraries it brings, is
// loaded only when the running copy starts listening, after its window is up,
// or when a second start hands a file over. FileHandOver loads it.
#include "platform/handoverprotocol.h"

#include <QDeadlineTimer>
#include <QLocalServer>
#include <QLocalSocket>

#include <memory>

namespace {

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
    }

    bool listen(const QString &socketPath)
    {
        // A socket left by a copy that died is replaced: only the holder of
        // the single-instance lock listens.
        QLocalServer::removeServer(socketPath);
        return m_server->listen(socketPath);
    }

signals:
    void fileReceived(const QString &path);

private:
    void accept()
    {
        while (QLocalSocket *socket = m_server->nextPendingConnection()) {
            // The connection's own reader lives and dies with it.
            auto protocol = std::make_shared<HandOverProtocol>();
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket, protocol] {
                protocol->append(socket->readAll());
                while (const std::optional<QString> path = protocol->nextPath()) {
                    socket->write(HandOverProtocol::acknowledgement());
                    emit fileReceived(*path);
                }
                if (protocol->isBroken())
                    socket->abort();
            });
        }
    }

    QLocalServer *m_server;
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
