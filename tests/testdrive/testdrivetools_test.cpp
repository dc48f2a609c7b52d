// SPDX-License-Identifier: MIT
// What a test drive needs installed, and what fpc's output says went wrong.
#include "rowname.h"
#include "testdrive/compilermessages.h"
#include "testdrive/testdrivetools.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// A Lazarus tree with every file the tools are known by, less the one a row takes away.
struct ToolsRow {
    const char *name;
    const char *removed;    // relative to the fake root; empty: nothing
    const char *package;    // the package named; empty: everything found
};
UF_ROW_NAME(ToolsRow)

const char *const kTreeFiles[] = {
    "bin/fpc",
    "lazarus/lcl/units/x86_64-linux/forms.ppu",
    "lazarus/lcl/units/x86_64-linux/gtk2/interfaces.ppu",
    "lazarus/components/rtticontrols/lib/x86_64-linux/gtk2/rttigrids.ppu",
    "lazarus/components/buildintf/buildintf.pas",
    "lib/libgtk-x11-2.0.so",
};

class MissingToolTable : public testing::TestWithParam<ToolsRow>
{
};

} // namespace

TEST_P(MissingToolTable, NamesTheDebianPackage)
{
    const ToolsRow &row = GetParam();
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    for (const char *file : kTreeFiles) {
        const QString path = root.filePath(QLatin1StringView(file));
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile made(path);
        ASSERT_TRUE(made.open(QIODevice::WriteOnly));
        made.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    if (*row.removed)
        ASSERT_TRUE(QFile::remove(root.filePath(QLatin1StringView(row.removed))));
    TestDriveLocations where;
    where.fpc = root.filePath(u"bin/fpc"_s);
    where.lazarus = root.filePath(u"lazarus"_s);
    where.gtkLibrary = root.filePath(u"lib/libgtk-x11-2.0.so"_s);

    const auto found = findTestDriveTools(where);
    if (!*row.package) {
        ASSERT_TRUE(std::holds_alternative<TestDriveTools>(found));
        const TestDriveTools tools = std::get<TestDriveTools>(found);
        EXPECT_EQ(tools.fpc, where.fpc);
        EXPECT_TRUE(tools.unitPaths().contains(where.lazarus + u"/lcl/units/x86_64-linux/gtk2"_s));
        EXPECT_TRUE(tools.unitPaths().contains(
            where.lazarus + u"/components/ideintf/units/x86_64-linux/gtk2"_s));
        return;
    }
    ASSERT_TRUE(std::holds_alternative<MissingTool>(found));
    const MissingTool missing = std::get<MissingTool>(found);
    EXPECT_EQ(missing.package, QLatin1StringView(row.package));
    EXPECT_TRUE(missing.message.endsWith(u"install the Debian package "_s + missing.package))
        << missing.message.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Tools, MissingToolTable,
    testing::Values(ToolsRow{"AllThere", "", ""},
                    ToolsRow{"NoCompiler", "bin/fpc", "fp-compiler"},
                    ToolsRow{"NoLcl", "lazarus/lcl/units/x86_64-linux/forms.ppu", "lcl-units-2.2"},
                    ToolsRow{"NoGtk2Lcl", "lazarus/lcl/units/x86_64-linux/gtk2/interfaces.ppu",
                             "lcl-gtk2-2.2"},
                    ToolsRow{"NoPropertyGrid",
                             "lazarus/components/rtticontrols/lib/x86_64-linux/gtk2/rttigrids.ppu",
                             "lcl-gtk2-2.2"},
                    ToolsRow{"NoBuildIntfSource", "lazarus/components/buildintf/buildintf.pas",
                             "lazarus-src-2.2"},
                    ToolsRow{"NoGtkLinkLibrary", "lib/libgtk-x11-2.0.so", "libgtk2.0-dev"}),
    RowName());

TEST(CompilerErrors, TakesErrorsWithTheirPlaceAndLeavesTheRest)
{
    const QString output = u"Free Pascal Compiler version 3.2.2\n"
                           "Compiling gauge.pas\n"
                           "gauge.pas(121,17) Warning: Function result does not seem to be set\n"
                           "gauge.pas(40,5) Error: Identifier not found \"Foo\"\n"
                           "gauge.pas(151) Fatal: There were 1 errors compiling module, stopping\n"
                           "uftestdrivehost.lpr(9,3) Fatal: Can't find unit Gauge used by uftestdrivehost\n"
                           "Fatal: Compilation aborted\n"
                           "Error: /usr/bin/ld: cannot find -lgtk-x11-2.0\n"
                           "Error: /usr/bin/ppcx64 returned an error exitcode\n"_s;
    const QList<CompilerMessage> errors = compilerErrors(output);
    ASSERT_EQ(errors.size(), 3);
    EXPECT_EQ(errors[0].file, u"gauge.pas"_s);
    EXPECT_EQ(errors[0].line, 40);
    EXPECT_EQ(errors[0].column, 5);
    EXPECT_EQ(errors[0].text, u"Identifier not found \"Foo\""_s);
    EXPECT_EQ(errors[1].file, u"uftestdrivehost.lpr"_s);
    EXPECT_EQ(errors[1].line, 9);
    EXPECT_EQ(errors[1].text, u"Can't find unit Gauge used by uftestdrivehost"_s);
    EXPECT_TRUE(errors[2].file.isEmpty());
    EXPECT_EQ(errors[2].line, 0);
    EXPECT_EQ(errors[2].text, u"/usr/bin/ld: cannot find -lgtk-x11-2.0"_s);
}

TEST(CompilerErrors, LineWithoutColumnAndLinesNoUnitHas)
{
    const QList<CompilerMessage> errors = compilerErrors(u"dial.pas(12) Error: Illegal expression\n"
                                                         "dial.pas(0,75) Error: Zero\n"
                                                         "dial.pas(99999999999,3) Error: Huge"_s);
    ASSERT_EQ(errors.size(), 3);
    EXPECT_EQ(errors[0].line, 12);
    EXPECT_EQ(errors[0].column, 0);
    for (const int i : {1, 2}) {
        EXPECT_EQ(errors[i].line, 0);
        EXPECT_EQ(errors[i].column, 0);
    }
}
