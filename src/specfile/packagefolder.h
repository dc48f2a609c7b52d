// SPDX-License-Identifier: MIT
// Writes the files of a Lazarus package into its folder, making the folder
// when it is missing. Each file is written whole or not at all.
#pragma once

#include <QList>
#include <QString>

struct PackageFile;

// False, with the reason in *error, at the first file that cannot be written;
// the files before it stay written.
bool writePackageFolder(const QString &folder, const QList<PackageFile> &files, QString *error);
