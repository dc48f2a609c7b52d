// Tells whether another copy of the program is running: a lock file in the
// user's runtime directory, held for the life of the program. A lock left by
// a copy that died is taken over.
#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

class SingleInstance
{
public:
    // lockPath empty: "unitforge.lock" in the user's runtime directory.
    explicit SingleInstance(const QString &lockPath = QString());

    // Takes the lock; false when another running copy holds it.
    bool acquire();
    bool held() const { return m_lock && m_lock->isLocked(); }
    QString lockPath() const { return m_path; }
    // The local socket beside the lock, on which the running copy takes files
    // from a second start: "unitforge.lock" gives "unitforge.socket".
    QString socketPath() const;

    static QString defaultLockPath();

private:
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
};
