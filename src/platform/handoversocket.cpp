// SPDX-License-Identifier: MIT
#include "platform/handoversocket.h"

#include "platform/handoverprotocol.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QScopeGuard>
#include <QSocketNotifier>
#include <QThread>

#include <cerrno>
#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// The address of the socket at path; false when the name does not fit.
bool socketAddress(const QString &path, sockaddr_un &address)
{
    const QByteArray name = QFile::encodeName(path);
    address = {};
    address.sun_family = AF_UNIX;
    if (name.isEmpty() || name.size() >= qsizetype(sizeof address.sun_path))
        return false;
    std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
    return true;
}

bool isTransient(int error) { return error == EINTR || error == EAGAIN || error == EWOULDBLOCK; }

} // namespace

// One client's connection: its requests are read as they come and each is
// answered; a quiet or misbehaving client is dropped.
class HandOverServer::Connection : public QObject
{
public:
    Connection(int descriptor, HandOverServer *server)
        : QObject(server)
        , m_fd(descriptor)
        , m_server(server)
        , m_reader(descriptor, QSocketNotifier::Read)
        , m_writer(descriptor, QSocketNotifier::Write)
    {
        m_server->m_connections.append(this);
        m_writer.setEnabled(false);
        connect(&m_reader, &QSocketNotifier::activated, this, [this] { read(); });
        connect(&m_writer, &QSocketNotifier::activated, this, [this] { flush(); });
        m_idle.setSingleShot(true);
        connect(&m_idle, &QTimer::timeout, this, [this] {
            // A request that came while the window was too busy to read it is served first.
            read();
            if (m_fd >= 0 && !m_idle.isActive())
                drop();
        });
        m_idle.start(kIdleMs);
    }
    ~Connection() override
    {
        shut();
        m_server->m_connections.removeOne(this);
    }

private:
    void read()
    {
        char buffer[16 * 1024];
        const ssize_t received = m_fd < 0 ? 0 : ::recv(m_fd, buffer, sizeof buffer, 0);
        if (received < 0 && isTransient(errno))
            return;
        if (received <= 0)   // the client has gone
            return drop();
        m_protocol.append(QByteArrayView(buffer, received));
        while (const std::optional<QString> path = m_protocol.nextPath()) {
            if (m_unsent.size() > kMaxUnreadAnswers)
                return drop();
            m_unsent += HandOverProtocol::acknowledgement();
            flush();
            if (m_fd < 0)
                return;
            m_idle.start(kIdleMs);
            emit m_server->fileReceived(*path);
        }
        // The answers to the good requests before go out first.
        m_closing = m_protocol.isBroken();
        flush();
    }

    void flush()
    {
        while (m_fd >= 0 && !m_unsent.isEmpty()) {
            const ssize_t sent = ::send(m_fd, m_unsent.constData(), size_t(m_unsent.size()), MSG_NOSIGNAL);
            if (sent < 0 && isTransient(errno))
                break;
            if (sent < 0)
                return drop();
            m_unsent.remove(0, sent);
        }
        m_writer.setEnabled(m_fd >= 0 && !m_unsent.isEmpty());
        if (m_closing && m_unsent.isEmpty())
            drop();
    }

    void shut()
    {
        if (m_fd < 0)
            return;
        m_reader.setEnabled(false);
        m_writer.setEnabled(false);
        m_idle.stop();
        ::close(m_fd);
        m_fd = -1;
    }

    // Deleted later: this may run inside one of its own notifiers' signals.
    void drop()
    {
        shut();
        deleteLater();
    }

    int m_fd;
    HandOverServer *m_server;
    QSocketNotifier m_reader;
    QSocketNotifier m_writer;
    QTimer m_idle;
    HandOverProtocol m_protocol;
    QByteArray m_unsent;
    bool m_closing = false;
};

HandOverServer::HandOverServer(QObject *parent)
    : QObject(parent)
{
    // The server stops when it cannot take a connection (no descriptor left,
    // say); it is started again once it can be.
    m_listenAgain.setInterval(kListenAgainMs);
    connect(&m_listenAgain, &QTimer::timeout, this, [this] {
        if (!isListening())
            listenOnce();
    });
}

HandOverServer::~HandOverServer()
{
    close();
    while (!m_connections.isEmpty())
        delete m_connections.first();
}

bool HandOverServer::listen(const QString &socketPath)
{
    close();
    m_socketPath = socketPath;
    if (!listenOnce())
        return false;
    m_listenAgain.start();
    return true;
}

bool HandOverServer::listenOnce()
{
    sockaddr_un address;
    if (!socketAddress(m_socketPath, address))
        return false;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    // A socket left by a copy that died is replaced. The folder is this user's
    // alone; the socket's own mode says so once more.
    ::unlink(address.sun_path);
    if (::bind(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0
        || ::chmod(address.sun_path, S_IRUSR | S_IWUSR) != 0 || ::listen(fd, SOMAXCONN) != 0) {
        ::close(fd);
        return false;
    }
    m_listener = fd;
    m_listenerNotifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    connect(m_listenerNotifier, &QSocketNotifier::activated, this, &HandOverServer::accept);
    return true;
}

void HandOverServer::close()
{
    if (m_listener < 0)
        return;
    // Deleted later: this may run inside the notifier's own signal.
    m_listenerNotifier->setEnabled(false);
    m_listenerNotifier->deleteLater();
    m_listenerNotifier = nullptr;
    ::close(m_listener);
    m_listener = -1;
    ::unlink(QFile::encodeName(m_socketPath).constData());
}

void HandOverServer::accept()
{
    while (m_listener >= 0) {
        const int fd = ::accept4(m_listener, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (fd < 0) {
            if (errno == EINTR || errno == ECONNABORTED)
                continue;
            if (!isTransient(errno))
                close();
            return;
        }
        if (m_connections.size() >= kMaxConnections)
            ::close(fd);
        else
            new Connection(fd, this);
    }
}

namespace {

enum class Sent { HandedOver, NothingListens, NoAnswer };

// Waits until fd is ready for events or has failed; false when the deadline passed first.
bool waitFor(int fd, short events, const QDeadlineTimer &deadline)
{
    for (;;) {
        pollfd entry{fd, events, 0};
        const int ready = ::poll(&entry, 1, int(std::max<qint64>(0, deadline.remainingTime())));
        if (ready > 0)
            return true;
        if (ready == 0 || errno != EINTR)
            return false;
    }
}

Sent sendOnce(const sockaddr_un &address, const QByteArray &request, const QDeadlineTimer &deadline)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return Sent::NoAnswer;
    const auto closeSocket = qScopeGuard([fd] { ::close(fd); });
    // Refused, absent, or a backlog that is full: nothing takes the file yet.
    if (::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0)
        return Sent::NothingListens;
    for (qsizetype written = 0; written < request.size();) {
        if (!waitFor(fd, POLLOUT, deadline))
            return Sent::NoAnswer;
        const ssize_t sent = ::send(fd, request.constData() + written, size_t(request.size() - written),
                                    MSG_NOSIGNAL);
        if (sent < 0 && !isTransient(errno))
            return Sent::NoAnswer;
        written += std::max<ssize_t>(sent, 0);
    }
    const QByteArray expected = HandOverProtocol::acknowledgement();
    QByteArray answer(expected.size(), Qt::Uninitialized);
    for (qsizetype read = 0; read < answer.size();) {
        if (!waitFor(fd, POLLIN, deadline))
            return Sent::NoAnswer;
        const ssize_t received = ::recv(fd, answer.data() + read, size_t(answer.size() - read), 0);
        if (received == 0 || (received < 0 && !isTransient(errno)))
            return Sent::NoAnswer;
        read += std::max<ssize_t>(received, 0);
    }
    return answer == expected ? Sent::HandedOver : Sent::NoAnswer;
}

} // namespace

// The running copy listens only once its window is up: files a desktop opens
// together start their copies together, and all but the first wait for it.
bool handOverFile(const QString &socketPath, const QString &path, int timeoutMs)
{
    sockaddr_un address;
    if (!socketAddress(socketPath, address))
        return false;
    const QDeadlineTimer deadline(timeoutMs);
    const QByteArray request = HandOverProtocol::openRequest(path);
    for (;;) {
        const Sent result = sendOnce(address, request, deadline);
        if (result != Sent::NothingListens || deadline.hasExpired())
            return result == Sent::HandedOver;
        QThread::msleep(50);
    }
}
