// Tells whether another copy of the program is running: a lock file in the
// user's runtime directory, held for the life of the program. A lock left by
// a copy that died is taken over. Without a runtime directory of the user's
// own the lock goes into a private folder of the program's under the
// temporary folder; when no such place can be had, every start runs.
#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

class SingleInstance
{
public:
    // lockPath empty: "unitforge.lock" in the user's runtime directory, or
    // in the fallback folder; none at all when neither is safe.
    explicit SingleInstance(const QString &lockPath = QString());

    // Takes the lock; false when another running copy holds it. True without
    // a lock when there is no place for one.
    bool acquire();
    bool held() const { return m_lock && m_lock->isLocked(); }
    QString lockPath() const { return m_path; }
    // The local socket beside the lock, on which the running copy takes files
    // from a second start: "unitforge.lock" gives "unitforge.socket". Empty
    // when there is no lock.
    QString socketPath() const;

    // Empty when neither the runtime directory nor the fallback folder is
    // a private folder of this user.
    static QString defaultLockPath();

private:
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
};
