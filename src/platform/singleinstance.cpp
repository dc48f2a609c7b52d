#include "platform/singleinstance.h"

#include "platform/privatefolder.h"

#include <QDir>
#include <QStandardPaths>

#include <unistd.h>

SingleInstance::SingleInstance(const QString &lockPath)
    : m_path(lockPath.isEmpty() ? defaultLockPath() : lockPath)
{
}

QString SingleInstance::defaultLockPath()
{
    // Never a fixed name in a folder other users can write: any of them could
    // take the name first.
    QString dir = privateFolder(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation));
    if (dir.isEmpty())
        dir = privateFolder(QDir::tempPath() + QStringLiteral("/unitforge-") + QString::number(geteuid()));
    return dir.isEmpty() ? QString() : dir + QStringLiteral("/unitforge.lock");
}

QString SingleInstance::socketPath() const
{
    if (m_path.isEmpty())
        return {};
    const QString lock = QStringLiteral(".lock");
    const QString base = m_path.endsWith(lock) ? m_path.chopped(lock.size()) : m_path;
    return base + QStringLiteral(".socket");
}

bool SingleInstance::acquire()
{
    if (held() || m_path.isEmpty())
        return true;
    m_lock = std::make_unique<QLockFile>(m_path);
    // The lock is never stale while its owner lives; a dead owner's lock is removed by tryLock.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0))
        return true;
    // When the lock cannot even be created (no runtime directory), run rather than refuse.
    return m_lock->error() == QLockFile::PermissionError || m_lock->error() == QLockFile::UnknownError;
}
