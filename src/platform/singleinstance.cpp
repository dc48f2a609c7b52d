#include "platform/singleinstance.h"

#include <QDir>
#include <QStandardPaths>

SingleInstance::SingleInstance(const QString &lockPath)
    : m_path(lockPath.isEmpty() ? defaultLockPath() : lockPath)
{
}

QString SingleInstance::defaultLockPath()
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    return dir + QStringLiteral("/unitforge.lock");
}

QString SingleInstance::socketPath() const
{
    const QString lock = QStringLiteral(".lock");
    const QString base = m_path.endsWith(lock) ? m_path.chopped(lock.size()) : m_path;
    return base + QStringLiteral(".socket");
}

bool SingleInstance::acquire()
{
    if (held())
        return true;
    m_lock = std::make_unique<QLockFile>(m_path);
    // The lock is never stale while its owner lives; a dead owner's lock is removed by tryLock.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0))
        return true;
    // When the lock cannot even be created (no runtime directory), run rather than refuse.
    return m_lock->error() == QLockFile::PermissionError || m_lock->error() == QLockFile::UnknownError;
}
