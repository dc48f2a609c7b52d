// SPDX-License-Identifier: MIT
#include "specfile/packagefolder.h"

#include <QDir>
#include <QFileInfo>

#include "generator/lazaruspackage.h"
#include "specfile/filewriter.h"

bool writePackageFolder(const QString &folder, const QList<PackageFile> &files, QString *error)
{
    const QDir dir(folder);
    if (!QFileInfo(folder).isDir() && !QDir().mkpath(folder)) {
        *error = QStringLiteral("Unable to make the folder %1").arg(QFileInfo(folder).absoluteFilePath());
        return false;
    }
    for (const PackageFile &file : files) {
        const QString path = dir.filePath(file.name);
        QString reason;
        if (!writeFileAtomically(path, file.bytes, &reason)) {
            *error = QStringLiteral("Unable to write to %1: %2")
                         .arg(QFileInfo(path).absoluteFilePath(), reason);
            return false;
        }
    }
    return true;
}
