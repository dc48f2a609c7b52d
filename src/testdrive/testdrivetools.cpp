// SPDX-License-Identifier: MIT
#include "testdrive/testdrivetools.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace {

const QString kTarget = u"x86_64-linux"_s;

MissingTool missing(const QString &what, const QString &package)
{
    return {what + u" is not installed: install the Debian package "_s + package, package};
}

} // namespace

QStringList TestDriveTools::unitPaths() const
{
    const QString lcl = lazarus + u"/lcl/units/"_s + kTarget;
    QStringList paths{lcl, lcl + u"/gtk2"_s, lazarus + u"/components/lazutils/lib/"_s + kTarget};
    for (const char *package : {"rtticontrols/lib", "ideintf/units", "lazcontrols/lib", "printers/lib",
                                "cairocanvas/lib"})
        paths.append(lazarus + u"/components/"_s + QLatin1StringView(package) + u'/' + kTarget + u"/gtk2"_s);
    return paths;
}

QString TestDriveTools::buildIntfSource() const
{
    return lazarus + u"/components/buildintf/buildintf.pas"_s;
}

QStringList TestDriveTools::buildIntfUnitPaths() const
{
    const QString lcl = lazarus + u"/lcl/units/"_s + kTarget;
    return {lcl, lcl + u"/gtk2"_s, lazarus + u"/components/lazutils/lib/"_s + kTarget,
            lazarus + u"/packager/units/"_s + kTarget};
}

std::variant<TestDriveTools, MissingTool> findTestDriveTools(const TestDriveLocations &where)
{
    TestDriveTools tools;
    tools.fpc = where.fpc.isEmpty() ? QStandardPaths::findExecutable(u"fpc"_s) : where.fpc;
    if (tools.fpc.isEmpty() || !QFileInfo(tools.fpc).isExecutable())
        return missing(u"The Free Pascal compiler (fpc)"_s, u"fp-compiler"_s);
    tools.lazarus = QFileInfo(where.lazarus).canonicalFilePath();
    const QString base = tools.lazarus.isEmpty() ? where.lazarus : tools.lazarus;
    if (tools.lazarus.isEmpty()
        || !QFileInfo::exists(base + u"/lcl/units/"_s + kTarget + u"/forms.ppu"_s))
        return missing(u"The LCL"_s, u"lcl-units-2.2"_s);
    tools.lazarus = base;
    if (!QFileInfo::exists(base + u"/lcl/units/"_s + kTarget + u"/gtk2/interfaces.ppu"_s)
        || !QFileInfo::exists(base + u"/components/rtticontrols/lib/"_s + kTarget + u"/gtk2/rttigrids.ppu"_s))
        return missing(u"The LCL for gtk2"_s, u"lcl-gtk2-2.2"_s);
    if (!QFileInfo::exists(tools.buildIntfSource()))
        return missing(u"The Lazarus source of BuildIntf"_s, u"lazarus-src-2.2"_s);
    if (!QFileInfo::exists(where.gtkLibrary))
        return missing(u"The gtk2 libraries to link with"_s, u"libgtk2.0-dev"_s);
    return tools;
}
