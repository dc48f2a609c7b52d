#include "specfile/settingslocation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace SettingsLocation {

namespace {
const QString kFileName = QStringLiteral("uforge.ini");
}

QStringList defaultLocations(const QString &programDirectory)
{
    const QString executableDirectory = QCoreApplication::applicationDirPath();
    return locationsFor(programDirectory.isEmpty() ? executableDirectory : programDirectory,
                        isBuildTree(executableDirectory),
                        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
}

QStringList locationsFor(const QString &programDirectory, bool fromBuildTree,
                         const QString &configDirectory)
{
    const QString config = QDir(configDirectory).filePath(QStringLiteral("Unitforge/") + kFileName);
    // Never beside an installed program, not even for root, who could write there.
    if (keepsFilesBeside(programDirectory, fromBuildTree))
        return {QDir(programDirectory).filePath(kFileName), config};
    return {config};
}

bool isBuildTree(const QString &directory)
{
    QDir dir(directory);
    for (int level = 0; level < 4; ++level) {
        if (QFileInfo(dir.filePath(QStringLiteral("CMakeCache.txt"))).isFile())
            return true;
        if (!dir.cdUp())
            break;
    }
    return false;
}

bool keepsFilesBeside(const QString &programDirectory, bool fromBuildTree)
{
    return fromBuildTree || QFileInfo(QDir(programDirectory).filePath(kFileName)).isFile();
}

QString defaultUnitFolder(const QString &programDirectory, bool fromBuildTree,
                          const QString &currentDirectory)
{
    return keepsFilesBeside(programDirectory, fromBuildTree) ? programDirectory : currentDirectory;
}

QString windowProgramDirectory(const QString &commandDirectory)
{
    const QString built = QDir(commandDirectory).filePath(QStringLiteral("../app"));
    if (isBuildTree(commandDirectory) && QFileInfo(built).isDir())
        return QDir::cleanPath(built);
    return commandDirectory;
}

QString existingFile(const QStringList &locations)
{
    for (const QString &location : locations) {
        if (QFileInfo(location).isFile())
            return location;
    }
    return QString();
}

} // namespace SettingsLocation
