#include "app/filehandover.h"

#include "platform/privatefolder.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QLibrary>
#include <QThread>

namespace {

// What the module's send answers.
constexpr int HandedOver = 0;
constexpr int NothingListens = 1;

using ListenFunction = QObject *(*)(const QString &, QObject *);
using SendFunction = int (*)(const QString &, const QString &, int);

QString &moduleFileOverride()
{
    static QString path;
    return path;
}

// The module beside the program (the build tree), or where an install puts
// it, relative to the program so that any prefix works.
QStringList moduleCandidates()
{
    if (!moduleFileOverride().isEmpty())
        return {moduleFileOverride()};
    const QString programDir = QCoreApplication::applicationDirPath();
    return {programDir + QStringLiteral("/unitforge-handover.so"),
            programDir + QStringLiteral("/../" UF_MODULE_DIR "/unitforge-handover.so")};
}

// Loaded once and kept for the whole run.
QFunctionPointer resolve(const char *symbol)
{
    static QLibrary *module = [] {
        for (const QString &candidate : moduleCandidates()) {
            if (!QFileInfo::exists(candidate))
                continue;
            // Code that another user could have put there would run as this one.
            const QString real = QFileInfo(candidate).canonicalFilePath();
            if (!onlyOwnerCanChange(real)) {
                qWarning("unitforge: %s is not loaded: other users can change it or its folder",
                         qPrintable(candidate));
                continue;
            }
            auto *library = new QLibrary(real);
            if (library->load())
                return library;
            qWarning("unitforge: %s", qPrintable(library->errorString()));
            delete library;
        }
        return static_cast<QLibrary *>(nullptr);
    }();
    return module ? module->resolve(symbol) : nullptr;
}

} // namespace

FileHandOver::FileHandOver(QObject *parent)
    : QObject(parent)
{
}

bool FileHandOver::listen(const QString &socketPath)
{
    if (socketPath.isEmpty())
        return false;
    const auto listenOn = reinterpret_cast<ListenFunction>(resolve("unitforgeHandOverListen"));
    if (!listenOn)
        return false;
    delete m_server;
    m_server = listenOn(socketPath, this);
    if (!m_server)
        return false;
    // By name: the server's class is the module's own.
    connect(m_server, SIGNAL(fileReceived(QString)), this, SIGNAL(fileReceived(QString)));
    return true;
}

// The running copy listens only once its window is up: files a desktop opens
// together start their copies together, and all but the first wait for it.
bool FileHandOver::send(const QString &socketPath, const QString &path, int timeoutMs)
{
    const auto sendTo = reinterpret_cast<SendFunction>(resolve("unitforgeHandOverSend"));
    if (!sendTo)
        return false;
    const QDeadlineTimer deadline(timeoutMs);
    for (;;) {
        const int result = sendTo(socketPath, path, int(deadline.remainingTime()));
        if (result != NothingListens || deadline.hasExpired())
            return result == HandedOver;
        QThread::msleep(50);
    }
}

void FileHandOver::setModuleFile(const QString &path)
{
    moduleFileOverride() = path;
}
