// SPDX-License-Identifier: MIT
#include "platform/delphiinstallation.h"

#include "platform/registry.h"

DelphiInstallation readDelphiInstallation(const Registry &registry)
{
    DelphiInstallation found;
    found.palettePages = registry.valueNames(kPaletteKey);
    found.helpDirectory = delphiHelpDirectory(
        registry.stringValue(kLibraryKey, QStringLiteral("componentlibrary"))
            .value_or(QStringLiteral("path")));
    return found;
}

QString delphiHelpDirectory(const QString &componentLibrary)
{
    static const QString marker = QStringLiteral("bin\\cmplib32.dcl");
    if (componentLibrary == QStringLiteral("path"))
        return {};
    const qsizetype at = componentLibrary.indexOf(marker, 0, Qt::CaseSensitive);
    if (at < 0)
        return {};
    return componentLibrary.left(at) + QStringLiteral("help");
}
