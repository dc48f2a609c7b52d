// SPDX-License-Identifier: MIT
#include "specfile/regularfile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

RegularFileOpen openRegularFile(QFile &file, const QString &path, QString *reason)
{
    // Not blocking: opening a pipe with no writer would wait for one. The
    // type is then taken from what was opened, not from the name, which
    // could change in between.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        if (reason)
            *reason = QString::fromLocal8Bit(std::strerror(error));
        return error == ENOENT ? RegularFileOpen::NotFound : RegularFileOpen::Failed;
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        if (reason)
            *reason = QStringLiteral("it is not a regular file");
        ::close(fd);
        return RegularFileOpen::NotRegular;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        if (reason)
            *reason = file.errorString();
        ::close(fd);
        return RegularFileOpen::Failed;
    }
    return RegularFileOpen::Opened;
}
