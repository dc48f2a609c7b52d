// The local socket between two starts of the program: the running copy
// listens on it, and a second start with a file to open hands the file over
// and ends, instead of running a window of its own. The socket itself lives
// in the module unitforge-handover, loaded on first use.
#pragma once

#include <QObject>
#include <QString>

class FileHandOver : public QObject
{
    Q_OBJECT
public:
    explicit FileHandOver(QObject *parent = nullptr);

    // Listens on socketPath; false when the module or the socket cannot be
    // had, or socketPath is empty. Only the holder of the single-instance
    // lock calls this. The module is loaded only from a folder that no other
    // user can write.
    bool listen(const QString &socketPath);

    // Hands path (absolute) to the copy listening on socketPath, waiting for it
    // to listen; true once that copy has confirmed it. False when nothing
    // listened or no answer came within timeoutMs, or the module cannot be
    // loaded.
    static bool send(const QString &socketPath, const QString &path, int timeoutMs = 3000);

    // Where the module is, for programs that are neither the window's own
    // binary nor installed beside it (the tests).
    static void setModuleFile(const QString &path);

signals:
    // A second start handed over this file.
    void fileReceived(const QString &path);

private:
    QObject *m_server = nullptr;
};
