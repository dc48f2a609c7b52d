// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "commandrun.h"
#include "merge/unitfile.h"
#include "specfile/filebytes.h"

using namespace Qt::StringLiterals;

namespace {

const QByteArray kTwoClasses = "unit Two;\r\ninterface\r\ntype\r\n  TA = class(TComponent) end;\r\n"
                               "  TB = class(TComponent) end;\r\nprocedure Register;\r\nimplementation\r\n"
                               "procedure Register;\r\nbegin\r\n  RegisterComponents('P', [TA, TB]);\r\nend;\r\nend.\r\n";

struct RefusalCase {
    const char *name;
    QByteArray unit;             // empty: no file at all
    QStringList extra;
    int status;
    const char *message;         // what standard error ends with
};
void PrintTo(const RefusalCase &c, std::ostream *os) { *os << c.name; }

class ImportRefusal : public testing::TestWithParam<RefusalCase> {};

} // namespace

TEST_P(ImportRefusal, ExitsWithItsStatusAndSaysWhy)
{
    const RefusalCase &c = GetParam();
    QTemporaryDir dir;
    const QString unit = dir.filePath(u"two.pas"_s);
    if (!c.unit.isEmpty())
        writeBytes(unit, c.unit);
    const QString spec = dir.filePath(u"two.spc"_s);
    const CommandResult run = runInProcess(QStringList{u"--import"_s, unit, u"-o"_s, spec} + c.extra);
    EXPECT_EQ(run.status, c.status);
    EXPECT_TRUE(run.err.trimmed().endsWith(c.message)) << run.err.toStdString();
    EXPECT_FALSE(QFile::exists(spec));
}

INSTANTIATE_TEST_SUITE_P(Cases, ImportRefusal, testing::Values(
    RefusalCase{"several_classes", kTwoClasses, {}, 1,
                "The unit registers several classes; name one of them: TA, TB"},
    RefusalCase{"class_not_declared", kTwoClasses, {u"--class"_s, u"TC"_s}, 1, "The unit declares no class TC"},
    RefusalCase{"no_registered_class", QByteArray(kTwoClasses).replace("RegisterComponents('P', [TA, TB]);", ""),
                {}, 1, "The unit registers no component class"},
    RefusalCase{"blocks_that_do_not_balance", "unit Two;\r\ninterface\r\nimplementation\r\nprocedure A;\r\nbegin\r\n",
                {}, 1, "(line 5)"},
    RefusalCase{"no_such_file", QByteArray(), {}, 2, "No such file or directory"}),
    [](const testing::TestParamInfo<RefusalCase> &info) { return std::string(info.param.name); });

TEST(ImportCommand, UsageErrorsExitWithTwo)
{
    EXPECT_EQ(runInProcess({u"--class"_s, u"TA"_s, u"a.spc"_s}).status, 2);
    EXPECT_EQ(runInProcess({u"--import"_s, u"a.pas"_s, u"--update"_s, u"b.pas"_s}).status, 2);
    EXPECT_EQ(runInProcess({u"--import"_s, u"a.pas"_s, u"a.spc"_s}).status, 2);
}

// A unit with code written into its bodies, imported and then updated with
// its own specification, comes out unchanged.
TEST(ImportCommand, UpdatingAnImportedUnitChangesNothing)
{
    QTemporaryDir dir;
    const QString unit = dir.filePath(u"Gauge.pas"_s);
    const QByteArray original = readBytes(QStringLiteral(UF_TEST_DATA_DIR "/gauge.pas"));
    ASSERT_TRUE(original.contains("Result := FValue;"));
    writeBytes(unit, original);
    const QString spec = dir.filePath(u"g.spc"_s);
    const CommandResult imported = runCommand({u"--import"_s, unit, u"-o"_s, spec});
    ASSERT_EQ(imported.status, 0) << imported.err.toStdString();
    EXPECT_TRUE(imported.err.isEmpty());
    const CommandResult updated = runCommand({spec, u"--update"_s, unit});
    ASSERT_EQ(updated.status, 0) << updated.err.toStdString();
    EXPECT_EQ(readBytes(unit), original);
}

// What the pages cannot hold stays in the unit: the update keeps it instead of asking.
TEST(ImportCommand, UpdatingKeepsWhatThePagesCannotHold)
{
    QTemporaryDir dir;
    const QString unit = dir.filePath(u"Gauge.pas"_s);
    QByteArray text = readBytes(QStringLiteral(UF_TEST_DATA_DIR "/gauge.pas"));
    text.replace("  mplayer,Spin;\r\n", "  mplayer,Spin,Registry;\r\n");
    text.replace("  public\r\n", "  public\r\n    const Limit = 3;\r\n    procedure Fill(A: integer); overload;\r\n"
                                  "    procedure Fill(const S: string); overload;\r\n");
    text.replace("\r\nend.", "\r\nprocedure TGauge.Fill(A: integer);\r\nbegin\r\n  Value := A;\r\nend;\r\n\r\n"
                                "procedure TGauge.Fill(const S: string);\r\nbegin\r\n  Fill(Length(S));\r\nend;\r\nend.");
    writeBytes(unit, text);
    const QString spec = dir.filePath(u"g.spc"_s);
    ASSERT_EQ(runCommand({u"--import"_s, unit, u"-o"_s, spec}).status, 0);
    const CommandResult updated = runCommand({spec, u"--update"_s, unit});
    ASSERT_EQ(updated.status, 0) << updated.err.toStdString();
    EXPECT_EQ(readBytes(unit).toStdString(), text.toStdString());
}

// --warnings lists what the pages cannot hold, with the unit's line, and the
// specification is written all the same.
TEST(ImportCommand, WarningsListWhatThePagesCannotHold)
{
    QTemporaryDir dir;
    const QString unit = dir.filePath(u"Gauge.pas"_s);
    QByteArray text = readBytes(QStringLiteral(UF_TEST_DATA_DIR "/gauge.pas"));
    text.replace("  public\r\n", "  public\r\n    const Limit = 3;\r\n");
    writeBytes(unit, text);
    const QString spec = dir.filePath(u"g.spc"_s);
    const CommandResult imported = runCommand({u"--import"_s, unit, u"-o"_s, spec, u"--warnings"_s});
    EXPECT_EQ(imported.status, 0);
    EXPECT_EQ(imported.err, (unit + u":32: class constant: Limit = 3;\n"_s).toUtf8());
    EXPECT_TRUE(readBytes(spec).contains("Classname=TGauge"));
}

// A Free Pascal unit file: the specification is named after the unit, and
// updating the file with it keeps the unit's own name.
TEST(ImportCommand, APpUnitUpdatesUnderItsOwnName)
{
    QTemporaryDir dir;
    const QString unit = dir.filePath(u"Gauge.pp"_s);
    const QByteArray original = readBytes(QStringLiteral(UF_TEST_DATA_DIR "/gauge.pas"));
    writeBytes(unit, original);
    const CommandResult imported = runCommand({u"--import"_s, unit});
    ASSERT_EQ(imported.status, 0) << imported.err.toStdString();
    const QString spec = dir.filePath(u"Gauge.spc"_s);
    ASSERT_TRUE(QFile::exists(spec));
    const CommandResult updated = runCommand({spec, u"--update"_s, unit});
    ASSERT_EQ(updated.status, 0) << updated.err.toStdString();
    EXPECT_EQ(readBytes(unit), original);
}

TEST(ImportCommand, AFileLargerThanAnyUnitIsRefusedUnread)
{
    QTemporaryDir dir;
    const QString unit = dir.filePath(u"Huge.pas"_s);
    {
        QFile file(unit);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("unit Huge;\r\n");
        ASSERT_TRUE(file.resize(kMaxUnitFileSize + 1));   // sparse: no disk space taken
    }
    const QString spec = dir.filePath(u"Huge.spc"_s);
    const CommandResult run = runInProcess({u"--import"_s, unit, u"-o"_s, spec});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err.trimmed(), (u"unitforge-build: cannot read the unit "_s + unit
                                  + u": it is larger than 64 MB, more than any unit; it is not read"_s).toUtf8());
    EXPECT_FALSE(QFile::exists(spec));
}
