#include "app/filehandover.h"

#include "platform/handoverprotocol.h"

#include <QDeadlineTimer>
#include <QLocalServer>
#include <QLocalSocket>

#include <memory>

FileHandOver::FileHandOver(QObject *parent)
    : QObject(parent)
    , m_server(new QLocalServer(this))
{
    // Only this user's own starts may hand files over.
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &FileHandOver::accept);
}

bool FileHandOver::listen(const QString &socketPath)
{
    m_server->close();
    QLocalServer::removeServer(socketPath);
    return m_server->listen(socketPath);
}

void FileHandOver::accept()
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

bool FileHandOver::send(const QString &socketPath, const QString &path, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    QLocalSocket socket;
    socket.connectToServer(socketPath);
    if (!socket.waitForConnected(int(deadline.remainingTime())))
        return false;
    socket.write(HandOverProtocol::openRequest(path));
    socket.waitForBytesWritten(int(deadline.remainingTime()));
    QByteArray answer;
    const QByteArray expected = HandOverProtocol::acknowledgement();
    while (answer.size() < expected.size()) {
        if (!socket.waitForReadyRead(int(deadline.remainingTime())))
            return false;
        answer += socket.readAll();
    }
    return answer == expected;
}
