// SPDX-License-Identifier: MIT
#include "platform/privatefolder.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

QString privateFolder(const QString &path)
{
    if (path.isEmpty())
        return {};
    const QByteArray name = QFile::encodeName(QDir::cleanPath(path));
    if (::mkdir(name.constData(), 0700) != 0 && errno != EEXIST)
        return {};
    struct stat status {};
    if (::lstat(name.constData(), &status) != 0 || !S_ISDIR(status.st_mode)
        || status.st_uid != geteuid() || (status.st_mode & 077) != 0)
        return {};
    return QFile::decodeName(name);
}
