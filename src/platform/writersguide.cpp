// SPDX-License-Identifier: MIT
#include "platform/writersguide.h"

#include <QProcess>
#include <QStandardPaths>

std::optional<QString> writersGuideCommandLine(const QString &delphiHelpDirectory)
{
    QString command = QStringLiteral("winhelp.exe ") + delphiHelpDirectory;
    // The directory is a Windows path read from the registry, so "\" it is.
    if (!delphiHelpDirectory.isEmpty() && !delphiHelpDirectory.endsWith(u'\\'))
        command += u'\\';
    command += QStringLiteral("cwg.hlp");
    if (command.size() > kWritersGuideMaxLength)
        return std::nullopt;
    return command;
}

WritersGuideStart startWritersGuide(const QString &delphiHelpDirectory, const ProgramStarter &starter)
{
    const std::optional<QString> command = writersGuideCommandLine(delphiHelpDirectory);
    if (!command)
        return WritersGuideStart::TooLong;
    // The path is not quoted: the viewer gets the command line split at blanks,
    // as the Windows program loader would hand it over.
    const QStringList arguments = QProcess::splitCommand(*command);
    if (starter)
        return starter(QStringLiteral("wine"), arguments) ? WritersGuideStart::Started
                                                           : WritersGuideStart::Failed;
    const QString wine = QStandardPaths::findExecutable(QStringLiteral("wine"));
    if (wine.isEmpty())
        return WritersGuideStart::NoWine;
    return QProcess::startDetached(wine, arguments) ? WritersGuideStart::Started
                                                    : WritersGuideStart::Failed;
}

QString writersGuideStatusText(WritersGuideStart result)
{
    switch (result) {
    case WritersGuideStart::Started:
        return {};
    case WritersGuideStart::TooLong:
        return QStringLiteral("The Writers' Guide path is too long to start the help viewer");
    case WritersGuideStart::NoWine:
        return QStringLiteral("Cannot open the Writers' Guide: wine is not installed");
    case WritersGuideStart::Failed:
        return QStringLiteral("Cannot open the Writers' Guide: the help viewer did not start");
    }
    return {};
}
