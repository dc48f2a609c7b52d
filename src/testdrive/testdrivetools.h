// SPDX-License-Identifier: MIT
// What a test drive needs installed: the Free Pascal compiler, the LCL built
// for gtk2 with its property grid, the source of BuildIntf (which the grid's
// IDEIntf units need and Debian ships as source only) and gtk2's link
// libraries. A missing piece is named with the Debian package that brings it.
#pragma once

#include <QString>
#include <QStringList>

#include <variant>

// Where the tools are looked for; the defaults are Debian's places.
struct TestDriveLocations {
    QString fpc;                                     // empty: fpc on the PATH
    QString lazarus = QStringLiteral("/usr/lib/lazarus/default");
    QString gtkLibrary = QStringLiteral("/usr/lib/x86_64-linux-gnu/libgtk-x11-2.0.so");
};

struct TestDriveTools {
    QString fpc;          // the compiler's full path
    QString lazarus;      // the Lazarus tree, links resolved
    // The folders of compiled units a host program is built against, in the order fpc searches them.
    QStringList unitPaths() const;
    // components/buildintf/buildintf.pas, compiled once into the cache.
    QString buildIntfSource() const;
    // The units the BuildIntf source needs besides its own.
    QStringList buildIntfUnitPaths() const;
};

struct MissingTool {
    QString message;      // "fpc is not installed: install the Debian package fp-compiler"
    QString package;      // "fp-compiler"
};

std::variant<TestDriveTools, MissingTool> findTestDriveTools(const TestDriveLocations &where = {});
