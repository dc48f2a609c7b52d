// The local socket between two starts of the program: the running copy
// listens on it, and a second start with a file to open hands the file over
// and ends, instead of running a window of its own.
#pragma once

#include <QObject>
#include <QString>

class QLocalServer;
class QLocalSocket;

class FileHandOver : public QObject
{
    Q_OBJECT
public:
    explicit FileHandOver(QObject *parent = nullptr);

    // Listens on socketPath, replacing a socket left by a copy that died:
    // only the holder of the single-instance lock calls this.
    bool listen(const QString &socketPath);

    // Hands path (absolute) to the copy listening on socketPath; true once that
    // copy has confirmed it. False when nothing listens or no answer came
    // within timeoutMs.
    static bool send(const QString &socketPath, const QString &path, int timeoutMs = 3000);

signals:
    // A second start handed over this file.
    void fileReceived(const QString &path);

private:
    void accept();
    void read(QLocalSocket *socket);

    QLocalServer *m_server;
};
