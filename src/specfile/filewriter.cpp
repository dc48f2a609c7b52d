#include "specfile/filewriter.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

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
        return fail(error, file.errorString(), failure, WriteFailure::Create);
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
