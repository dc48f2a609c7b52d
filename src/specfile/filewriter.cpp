#include "specfile/filewriter.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// Why writing stopped: the device's own reason or, when it took part of the
// bytes and gave none (a file-size limit does that), that the file was cut
// short.
QString writeFailureReason(const QFileDevice &file, qint64 written, qsizetype size)
{
    if (written >= 0 && file.error() == QFileDevice::NoError)
        return QStringLiteral("the file was cut short after %1 of %2 bytes").arg(written).arg(size);
    return file.errorString();
}

// The new file is made beside the old one: a folder that refuses it is named,
// since the file itself may well be writable.
QString createFailureReason(const QFileDevice &file, const QFileInfo &target)
{
    const QFileInfo folder(target.absolutePath());
    if (folder.isDir() && !folder.isWritable()) {
        return file.errorString() + QStringLiteral(": the folder ") + folder.absoluteFilePath()
            + QStringLiteral(" is not writable, and the file is replaced by a new one made in it");
    }
    return file.errorString();
}

// The new file replaces the old one: it takes the old one's owner and group
// where the system allows (the owner only for root; the group when the
// writer belongs to it). The mode is kept by QSaveFile.
void keepOwner(const QSaveFile &file, const QFileInfo &target)
{
    struct stat old {};
    if (::stat(QFile::encodeName(target.absoluteFilePath()).constData(), &old) != 0)
        return;
    const int fd = file.handle();
    struct stat made {};
    if (fd < 0 || ::fstat(fd, &made) != 0)
        return;
    if (made.st_uid == old.st_uid && made.st_gid == old.st_gid)
        return;
    if (::fchown(fd, old.st_uid, old.st_gid) != 0)
        (void)::fchown(fd, uid_t(-1), old.st_gid);
    // A change of owner can clear the set-id bits; the old mode goes back on.
    ::fchmod(fd, old.st_mode & 07777);
}

bool fail(QString *error, const QString &reason, WriteFailure *failure, WriteFailure stage)
{
    if (error)
        *error = reason;
    if (failure)
        *failure = stage;
    return false;
}

} // namespace

bool writeFileAtomically(const QString &path, const QByteArray &bytes, QString *error,
                         WriteFailure *failure)
{
    if (failure)
        *failure = WriteFailure::None;
    const QFileInfo info(path);
    if (info.isDir())
        return fail(error, QStringLiteral("it is a directory"), failure, WriteFailure::Create);
    // Unbuffered throughout: a buffered write that the disk cuts short can
    // still report success when the file is closed.
    if (info.exists() && !info.isFile()) {
        QFile device(path);
        if (!device.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return fail(error, device.errorString(), failure, WriteFailure::Create);
        const qint64 written = device.write(bytes);
        if (written != bytes.size()) {
            return fail(error, writeFailureReason(device, written, bytes.size()), failure,
                        WriteFailure::Write);
        }
        return true;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail(error, createFailureReason(file, info), failure, WriteFailure::Create);
    keepOwner(file, info);
    const qint64 written = file.write(bytes);
    if (written != bytes.size()) {
        const QString reason = writeFailureReason(file, written, bytes.size());
        file.cancelWriting();
        return fail(error, reason, failure, WriteFailure::Write);
    }
    if (!file.commit())
        return fail(error, file.errorString(), failure, WriteFailure::Write);
    return true;
}
