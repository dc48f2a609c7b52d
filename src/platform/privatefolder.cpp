#include "platform/privatefolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool ownedByUsOrRoot(const struct stat &status)
{
    return status.st_uid == geteuid() || status.st_uid == 0;
}

} // namespace

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

bool onlyOwnerCanChange(const QString &path)
{
    // The real path: a link is as safe as what it leads to.
    QString current = QFileInfo(path).canonicalFilePath();
    if (current.isEmpty())
        return false;
    for (;;) {
        struct stat status {};
        if (::lstat(QFile::encodeName(current).constData(), &status) != 0 || !ownedByUsOrRoot(status))
            return false;
        const bool sticky = S_ISDIR(status.st_mode) && (status.st_mode & S_ISVTX);
        if ((status.st_mode & 022) != 0 && !sticky)
            return false;
        if (current == QLatin1String("/"))
            return true;
        current = QFileInfo(current).absolutePath();
    }
}
