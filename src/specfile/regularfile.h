// SPDX-License-Identifier: MIT
// Opening a file for reading only when it is a regular file: a device such
// as /dev/zero would never end, and a pipe would block the open itself.
#pragma once

#include <QFile>
#include <QString>

enum class RegularFileOpen { Opened, NotFound, NotRegular, Failed };

// Opens path read-only into file without blocking; NotRegular for a folder,
// a device or a pipe (the path is then closed again). *reason gets the
// system's reason when Failed, and "it is not a regular file" when NotRegular.
RegularFileOpen openRegularFile(QFile &file, const QString &path, QString *reason = nullptr);
