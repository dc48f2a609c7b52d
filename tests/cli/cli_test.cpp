#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "cli/buildcommand.h"
#include "commandrun.h"
#include "specfile/filebytes.h"
#include "specfile/profilefile.h"

namespace {

const QString kTank = QStringLiteral(UF_SOURCE_DIR "/examples/tank.spc");
const QString kGauge = QStringLiteral(UF_SOURCE_DIR "/examples/gauge.spc");

QList<QByteArray> lines(const QByteArray &bytes)
{
    return bytes.split('\n');
}

} // namespace

TEST(BuildCommand, BuildsTheExampleEndingWithAnEmptyLine)
{
    const CommandResult run = runCommand({kTank});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.isEmpty());
    EXPECT_TRUE(run.out.startsWith("unit Tank;\r\n\r\ninterface\r\n"));
    EXPECT_TRUE(run.out.endsWith("end;\r\nend.\r\n\r\n"));
    EXPECT_FALSE(QByteArray(run.out).replace("\r\n", "").contains('\n'));
    EXPECT_TRUE(run.out.contains("\r\n{" + QByteArray(80, '=') + "}\r\n"));
}

TEST(BuildCommand, OutputFileHoldsTheSameBytesAsStandardOutput)
{
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("Gauge.pas"));
    writeBytes(target, "old");
    const CommandResult toFile = runCommand({QStringLiteral("-o"), target, kGauge});
    ASSERT_EQ(toFile.status, 0) << toFile.err.toStdString();
    EXPECT_TRUE(toFile.out.isEmpty());
    const CommandResult toStdout = runInProcess({kGauge});
    EXPECT_EQ(readBytes(target), toStdout.out);
    // The hand-written bodies of the example reach the unit.
    EXPECT_TRUE(toStdout.out.contains(
        "function TGauge.GetMark(Index: integer): integer;\r\nvar\r\nStep: integer;\r\nbegin\r\n"));
}

TEST(BuildCommand, WritesIntoAPipeInPlace)
{
    // Renaming a finished file over the target would replace a pipe or a
    // device (/dev/null, /dev/stdout) with a plain file.
    QTemporaryDir dir;
    const QByteArray fifo = QFile::encodeName(dir.filePath(QStringLiteral("pipe")));
    ASSERT_EQ(::mkfifo(fifo.constData(), 0600), 0);
    const int fd = ::open(fifo.constData(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(fd, 0);
    QProcess process;
    process.start(QStringLiteral(UF_BUILD_COMMAND), {QStringLiteral("-o"), QFile::decodeName(fifo), kTank});
    QByteArray received;
    bool finished = false;
    for (int round = 0; round < 3000; ++round) {
        char buffer[4096];
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n > 0) {
            received.append(buffer, n);
            continue;
        }
        if (finished)
            break;
        finished = process.waitForFinished(10);
    }
    ::close(fd);
    ASSERT_TRUE(finished);
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    EXPECT_TRUE(QFileInfo(QFile::decodeName(fifo)).exists());
    EXPECT_FALSE(QFileInfo(QFile::decodeName(fifo)).isFile());
    EXPECT_EQ(received, runInProcess({kTank}).out);
}

TEST(BuildCommand, OptionsOverrideTheSettingsFile)
{
    QTemporaryDir dir;
    const QString settings = dir.filePath(QStringLiteral("uforge.ini"));
    writeBytes(settings, "[settings]\r\nINDENT=4\r\nlinebreak=50\r\nnumchars=$0A\r\nlinechar=-\r\n"
                         "commentsbefore=1\r\n");
    const CommandResult fromFile = runInProcess({QStringLiteral("--settings"), settings, kTank});
    ASSERT_EQ(fromFile.status, 0);
    const QList<QByteArray> unit = lines(fromFile.out);
    EXPECT_TRUE(unit.contains("    SysUtils,WinTypes,WinProcs,Messages,Classes,Graphics,\r"));
    EXPECT_TRUE(fromFile.out.contains("end;\r\n \r\n \r\n \r\n \r\n \r\n \r\n \r\n \r\n \r\n{----------}\r\n\r\n"
                                      "constructor"));
    EXPECT_TRUE(fromFile.out.contains("{ Adds liquid }\r\nProcedure TTank.Fill"));

    const CommandResult overridden = runInProcess({QStringLiteral("--settings"), settings,
                                         QStringLiteral("--indent"), QStringLiteral("0"),
                                         QStringLiteral("--blank-lines"), QStringLiteral("1"),
                                         QStringLiteral("--separator-length=3"),
                                         QStringLiteral("--separator-char"), QString(), kTank});
    ASSERT_EQ(overridden.status, 0) << overridden.err.toStdString();
    EXPECT_TRUE(lines(overridden.out).contains("SysUtils,WinTypes,WinProcs,Messages,Classes,Graphics,\r"));
    EXPECT_TRUE(overridden.out.contains("end;\r\n \r\n{}\r\n\r\nconstructor"));
}

TEST(BuildCommand, RefusesASpecificationWithoutClassName)
{
    QTemporaryDir dir;
    const QString spec = dir.filePath(QStringLiteral("noclass.spc"));
    writeBytes(spec, "[Component]\r\nClassname=\r\n");
    const CommandResult run = runCommand({spec});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_EQ(run.err.trimmed(), QByteArray("You need to enter the class name"));
}

struct FailureCase {
    const char *name;
    QStringList arguments;
    const char *message;
};

class BuildCommandFailure : public testing::TestWithParam<FailureCase> {};

TEST_P(BuildCommandFailure, ExitsWithTwoAndSaysWhy)
{
    const CommandResult run = runInProcess(GetParam().arguments);
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_TRUE(run.err.contains(GetParam().message)) << run.err.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Cases, BuildCommandFailure, testing::Values(
    FailureCase{"NoSpecification", {}, "no specification file given"},
    FailureCase{"TwoSpecifications", {kTank, kGauge}, "one specification file only"},
    FailureCase{"UnknownOption", {QStringLiteral("--colour"), kTank}, "Unknown option 'colour'"},
    FailureCase{"MissingValue", {kTank, QStringLiteral("--indent")}, "Missing value after '--indent'"},
    FailureCase{"NotANumber", {QStringLiteral("--indent"), QStringLiteral("two"), kTank}, "--indent needs a whole number"},
    FailureCase{"MissingSpecification", {QStringLiteral("/nonexistent/x.spc")}, "cannot read the specification file"},
    FailureCase{"DirectoryAsSpecification", {QStringLiteral(UF_SOURCE_DIR)}, "cannot read the specification file"},
    FailureCase{"MissingSettings", {QStringLiteral("--settings"), QStringLiteral("/nonexistent/u.ini"), kTank}, "cannot read the settings file"},
    FailureCase{"UnwritableOutput", {QStringLiteral("-o"), QStringLiteral(UF_SOURCE_DIR), kTank}, "Unable to write to " UF_SOURCE_DIR},
    FailureCase{"UpdateOfAMissingUnit", {QStringLiteral("--update"), QStringLiteral("/nonexistent/u.pas"), kTank}, "cannot read the unit /nonexistent/u.pas"},
    FailureCase{"UpdateOfADirectory", {QStringLiteral("--update"), QStringLiteral(UF_SOURCE_DIR), kTank}, "cannot read the unit " UF_SOURCE_DIR ": it is a directory"},
    FailureCase{"UpdateWithoutAUnit", {QStringLiteral("--update="), kTank}, "--update needs the unit to update"},
    FailureCase{"DiscardWithoutUpdate", {QStringLiteral("--discard"), kTank}, "--discard goes with --update"},
    FailureCase{"UpdateWithOutput", {QStringLiteral("--update"), QStringLiteral("u.pas"), QStringLiteral("-o"), QStringLiteral("v.pas"), kTank}, "-o cannot go with it"}),
    [](const testing::TestParamInfo<FailureCase> &info) { return std::string(info.param.name); });

TEST(BuildCommand, HelpPrintsTheUsage)
{
    const CommandResult run = runCommand({QStringLiteral("--help")});
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.out.startsWith("Usage: unitforge-build [options] SPEC.spc"));
}

struct StyleCase {
    const char *settings;
    Style expected;
};

class StyleSettings : public testing::TestWithParam<StyleCase> {};

TEST_P(StyleSettings, DefaultsAndRangesApply)
{
    ProfileFile file;
    file.parse(QString::fromLatin1(GetParam().settings));
    const Style style = readStyleSettings(file);
    const Style &expected = GetParam().expected;
    EXPECT_EQ(style.indent, expected.indent);
    EXPECT_EQ(style.blankLines, expected.blankLines);
    EXPECT_EQ(style.separatorLength, expected.separatorLength);
    EXPECT_EQ(style.separatorChar, expected.separatorChar);
    EXPECT_EQ(style.commentsBefore, expected.commentsBefore);
}

INSTANTIATE_TEST_SUITE_P(Files, StyleSettings, testing::Values(
    StyleCase{"", Style{2, 2, 80, QStringLiteral("="), false}},
    StyleCase{"[Settings]\nindent=50\nlinebreak=-3\nnumchars=121\nlinechar=\ncommentsbefore=2\n",
              Style{20, 0, 120, QString(), true}},
    StyleCase{"[SETTINGS]\nIndent=0x3\nLineBreak=x\nNumChars=\nLINECHAR=~*\nCommentsBefore=no\n",
              Style{3, 2, 80, QStringLiteral("~*"), false}}));
