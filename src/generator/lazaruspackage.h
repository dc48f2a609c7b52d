// SPDX-License-Identifier: MIT
// The files of a Lazarus package that installs the component in the Lazarus
// IDE: the unit built for Lazarus, its palette icon as a Lazarus resource,
// and the package file that lists the unit and its Register procedure.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

class ComponentSpec;

struct PackageFile {
    QString name;       // the file's name inside the package folder
    QByteArray bytes;
};

// "GaugePackage": the package's name, which must differ from its unit's.
QString lazarusPackageName(const QString &unit);

// The text lazres writes for a file: a LazarusResources.Add call that holds
// bytes as Pascal string pieces, under resource name and type.
QString lazarusResourceText(const QString &name, const QString &type, const QByteArray &bytes);

// The .lpk file: the unit with its Register procedure and its icon resource,
// requiring LCL, and Printer4Lazarus when the unit uses the print dialogs.
QString lazarusPackageText(const QString &unit, bool needsPrinters);

// Whether the unit's LCL ancestor lives in the print dialogs' package.
bool needsPrinter4Lazarus(const ComponentSpec &spec);

// The three files, in the order they are written: the unit (unitLines, a
// build for Lazarus, each line without its line break), the icon resource
// made from iconPng, and the package file.
QList<PackageFile> lazarusPackageFiles(const ComponentSpec &spec, const QStringList &unitLines,
                                       const QByteArray &iconPng);
