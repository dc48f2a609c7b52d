// SPDX-License-Identifier: MIT
// A stand-in for fpc and the Lazarus tree a test drive looks for: the script
// logs "folder|files|arguments" per call into $LOG, fails a unit holding
// BROKEN at that line, and "links" a program that writes its pid to $HOSTS,
// announces its window and waits.
#pragma once

#include "testdrive/testdrivetools.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

inline constexpr char kFakeFpc[] = R"(#!/bin/sh
for a; do last=$a; done
echo "$PWD|$(LC_ALL=C ls | tr '\n' ' ')|$*" >> "$LOG"
case "$last" in
*buildintf.pas)
    for a; do case $a in -FU*) touch "${a#-FU}/buildintf.ppu";; esac; done ;;
*.lpr)
    hit=$(grep -Hn BROKEN *.pas | head -n 1)
    if [ -n "$hit" ]; then
        file=${hit%%:*}; rest=${hit#*:}
        echo "$file(${rest%%:*},3) Error: Identifier not found \"BROKEN\""
        echo "$file(${rest%%:*}) Fatal: There were 1 errors compiling module, stopping"
        exit 1
    fi
    printf '#!/bin/sh\necho $$ >> "$HOSTS"\necho "test drive shown"\nexec sleep 60\n' > uftestdrivehost
    chmod +x uftestdrivehost ;;
esac
)";

// Makes the tool chain under root and returns where a drive finds it; sets LOG and HOSTS.
inline TestDriveLocations makeFakeToolchain(const QString &root)
{
    for (const char *file : {"lazarus/lcl/units/x86_64-linux/forms.ppu",
                             "lazarus/lcl/units/x86_64-linux/gtk2/interfaces.ppu",
                             "lazarus/components/rtticontrols/lib/x86_64-linux/gtk2/rttigrids.ppu",
                             "lazarus/components/buildintf/buildintf.pas", "libgtk-x11-2.0.so"}) {
        const QString path = root + u'/' + QLatin1StringView(file);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile(path).open(QIODevice::WriteOnly);
    }
    QFile fpc(root + QStringLiteral("/fpc"));
    if (fpc.open(QIODevice::WriteOnly))
        fpc.write(kFakeFpc);
    fpc.close();
    fpc.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("LOG", QFile::encodeName(root + QStringLiteral("/log")));
    qputenv("HOSTS", QFile::encodeName(root + QStringLiteral("/hosts")));

    TestDriveLocations where;
    where.fpc = fpc.fileName();
    where.lazarus = root + QStringLiteral("/lazarus");
    where.gtkLibrary = root + QStringLiteral("/libgtk-x11-2.0.so");
    return where;
}
