#include "specfile/filewriter.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

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
        if (device.write(bytes) != bytes.size())
            return fail(error, device.errorString(), failure, WriteFailure::Write);
        return true;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail(error, file.errorString(), failure, WriteFailure::Create);
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return fail(error, reason, failure, WriteFailure::Write);
    }
    if (!file.commit())
        return fail(error, file.errorString(), failure, WriteFailure::Write);
    return true;
}
