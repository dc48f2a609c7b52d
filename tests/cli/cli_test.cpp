// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <functional>

#include "cli/buildcommand.h"
#include "rowname.h"
#include "commandrun.h"
#include "specfile/filebytes.h"
#include "specfile/profilefile.h"

using namespace Qt::StringLiterals;

namespace {

const QString kTank = testDataPath("tank.spc");
const QString kGauge = testDataPath("gauge.spc");

QList<QByteArray> lines(const QByteArray &bytes)
{
    return bytes.split('\n');
}

} // namespace

struct ExampleCase {
    const char *name;
    const char *spec;
    QStringList options;
    const char *unit;
};

UF_ROW_NAME(ExampleCase)

class BuildCommandExample : public testing::TestWithParam<ExampleCase> {};

TEST_P(BuildCommandExample, WritesTheExpectedUnit)
{
    const CommandResult run =
        runCommand(GetParam().options + QStringList{testDataPath(GetParam().spec)});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
    expectSameAsDataFile(run.out, GetParam().unit);
}

INSTANTIATE_TEST_SUITE_P(Examples, BuildCommandExample, testing::Values(
    ExampleCase{"Tank", "tank.spc",
                {QStringLiteral("--indent"), QStringLiteral("2"), QStringLiteral("--blank-lines"),
                 QStringLiteral("1"), QStringLiteral("--separator-length"), QStringLiteral("10"),
                 QStringLiteral("--separator-char"), QStringLiteral("-")},
                "tank.pas"},
    // The default style, and hand-written bodies.
    ExampleCase{"Gauge", "gauge.spc", {}, "gauge.pas"},
    ExampleCase{"GaugeForDelphi", "gauge.spc", {QStringLiteral("--target"), QStringLiteral("delphi")}, "gauge.pas"},
    ExampleCase{"TankForLazarus", "tank.spc",
                {QStringLiteral("--indent"), QStringLiteral("2"), QStringLiteral("--blank-lines"),
                 QStringLiteral("1"), QStringLiteral("--separator-length"), QStringLiteral("10"),
                 QStringLiteral("--separator-char"), QStringLiteral("-"), QStringLiteral("--target"),
                 QStringLiteral("Lazarus")},
                "tank-lazarus.pas"}), RowName());

TEST(BuildCommand, PackageFolderHoldsTheLazarusUnitItsIconAndThePackageFile)
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("new/package"));
    const CommandResult run = runCommand({QStringLiteral("--indent"), QStringLiteral("2"),
                                          QStringLiteral("--blank-lines"), QStringLiteral("1"),
                                          QStringLiteral("--separator-length"), QStringLiteral("10"),
                                          QStringLiteral("--separator-char"), QStringLiteral("-"),
                                          QStringLiteral("--package"), folder, kTank});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_EQ(QDir(folder).entryList(QDir::Files),
              (QStringList{u"tank.pas"_s, u"tank_icon.lrs"_s, u"tankpackage.lpk"_s}));
    expectSameAsDataFile(readBytes(folder + u"/tank.pas"_s), "tank-lazarus.pas");
    EXPECT_TRUE(readBytes(folder + u"/tank_icon.lrs"_s).startsWith("LazarusResources.Add('ttank','PNG',["));
    EXPECT_TRUE(readBytes(folder + u"/tankpackage.lpk"_s).contains("<Filename Value=\"tank.pas\"/>"));
}

TEST(BuildCommand, OutputFileHoldsTheUnit)
{
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("Gauge.pas"));
    writeBytes(target, "old");
    const CommandResult toFile = runCommand({QStringLiteral("-o"), target, testDataPath("gauge.spc")});
    ASSERT_EQ(toFile.status, 0) << toFile.err.toStdString();
    EXPECT_TRUE(toFile.out.isEmpty());
    expectSameAsDataFile(readBytes(target), "gauge.pas");
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
    process.start(QStringLiteral(UF_BUILD_COMMAND),
                  {QStringLiteral("--default-style"), QStringLiteral("-o"), QFile::decodeName(fifo), kTank});
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

// Without --settings a build takes the style the window on this machine
// keeps; --settings and the options go over it, --default-style ignores it.
TEST(BuildCommand, TakesTheStyleOfTheWindowsSettingsFile)
{
    QTemporaryDir dir;
    const QString windowFile = dir.filePath(QStringLiteral("uforge.ini"));
    writeBytes(windowFile, "[Settings]\r\nindent=4\r\ncommentsbefore=1\r\n");
    const QString other = dir.filePath(QStringLiteral("other.ini"));
    writeBytes(other, "[Settings]\r\nindent=0\r\n");
    const QStringList locations{dir.filePath(QStringLiteral("missing/uforge.ini")), windowFile};
    // The indent shows in the uses clause's continuation line.
    const auto indentOf = [&](QStringList arguments) {
        const CommandResult run = runInProcess(arguments << kTank, locations);
        for (const QByteArray &line : lines(run.out)) {
            if (line.contains("SysUtils,WinTypes"))
                return line.indexOf('S');
        }
        return qsizetype(-1);
    };
    EXPECT_EQ(indentOf({}), 4);
    EXPECT_EQ(indentOf({QStringLiteral("--settings"), other}), 0);
    EXPECT_EQ(indentOf({QStringLiteral("--indent"), QStringLiteral("1")}), 1);
    EXPECT_EQ(indentOf({QStringLiteral("--default-style")}), 2);

    const auto commentFirst = [&](QStringList arguments) {
        return runInProcess(arguments << kTank, locations)
            .out.contains("{ Adds liquid }\r\nProcedure TTank.Fill");
    };
    EXPECT_TRUE(commentFirst({}));
    EXPECT_FALSE(commentFirst({QStringLiteral("--no-comments-before")}));
    EXPECT_FALSE(commentFirst({QStringLiteral("--default-style")}));

    EXPECT_TRUE(runInProcess({QStringLiteral("--help")}, locations).out.contains(windowFile.toLocal8Bit()));
    EXPECT_EQ(runInProcess({QStringLiteral("--default-style"), QStringLiteral("--settings"), other, kTank},
                           locations).status, 2);
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

TEST(BuildCommand, RefusesAFileThatIsNoSpecification)
{
    QTemporaryDir dir;
    const QString spec = dir.filePath(QStringLiteral("cert.spc"));
    writeBytes(spec, "[Other]\r\nClassname=TX\r\n");
    const CommandResult run = runInProcess({spec});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_EQ(run.err.trimmed(), QByteArray("cert.spc is not a component specification file."));
}

// What is no specification is refused before it is read whole, and a pipe
// before it is even opened: each would hang or flood the command.
struct RefusalCase {
    const char *name;
    const char *file;
    bool (*make)(const QString &path);
    const char *message;
};

class BuildCommandRefusal : public testing::TestWithParam<RefusalCase> {};

TEST_P(BuildCommandRefusal, ExitsWithOneAndSaysWhy)
{
    QTemporaryDir dir;
    const QString spec = dir.filePath(QString::fromLatin1(GetParam().file));
    ASSERT_TRUE(GetParam().make(spec));
    // A process of its own, ended after 30 s, in case reading does hang.
    for (const QStringList &options : {QStringList(), QStringList{QStringLiteral("--check")}}) {
        const CommandResult run = runCommand(options + QStringList{spec});
        EXPECT_EQ(run.status, 1);
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_EQ(run.err.trimmed().toStdString(), GetParam().message);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, BuildCommandRefusal, testing::Values(
    RefusalCase{"Pipe", "fifo.spc", [](const QString &path) {
        return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
    }, "fifo.spc is not a regular file (a folder, a device or a pipe); it is not read."},
    RefusalCase{"LinkToADevice", "zero.spc", [](const QString &path) {
        return QFile::link(QStringLiteral("/dev/zero"), path);
    }, "zero.spc is not a regular file (a folder, a device or a pipe); it is not read."},
    RefusalCase{"Folder", "folder.spc", [](const QString &path) { return QDir().mkdir(path); },
                "folder.spc is not a regular file (a folder, a device or a pipe); it is not read."},
    RefusalCase{"LargerThan64MB", "huge.spc", [](const QString &path) {
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write("[Component]\r\nClassname=TX\r\n;") > 0
            && file.resize(64 * 1024 * 1024 + 1);
    }, "huge.spc is larger than 64 MB, more than any component specification file; it is not read."},
    RefusalCase{"SectionFurtherDown", "page.spc", [](const QString &path) {
        QFile file(path);
        return file.open(QIODevice::WriteOnly)
            && file.write(QByteArray(5000, 'x') + "\n[Component]\nClassname=TX\n") > 0;
    }, "page.spc is not a component specification file."}),
    RowName());

struct FailureCase {
    const char *name;
    QStringList arguments;
    const char *message;
};

UF_ROW_NAME(FailureCase)

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
    FailureCase{"MissingSettings", {QStringLiteral("--settings"), QStringLiteral("/nonexistent/u.ini"), kTank}, "cannot read the settings file"},
    FailureCase{"UnwritableOutput", {QStringLiteral("-o"), QStringLiteral(UF_SOURCE_DIR), kTank}, "Unable to write to " UF_SOURCE_DIR},
    FailureCase{"UpdateOfAMissingUnit", {QStringLiteral("--update"), QStringLiteral("/nonexistent/u.pas"), kTank}, "cannot read the unit /nonexistent/u.pas"},
    FailureCase{"UpdateOfADirectory", {QStringLiteral("--update"), QStringLiteral(UF_SOURCE_DIR), kTank}, "cannot read the unit " UF_SOURCE_DIR ": it is a directory"},
    FailureCase{"UpdateWithoutAUnit", {QStringLiteral("--update="), kTank}, "--update needs the unit to update"},
    FailureCase{"DiscardWithoutUpdate", {QStringLiteral("--discard"), kTank}, "--discard goes with --update"},
    FailureCase{"UpdateWithOutput", {QStringLiteral("--update"), QStringLiteral("u.pas"), QStringLiteral("-o"), QStringLiteral("v.pas"), kTank}, "-o cannot go with it"},
    FailureCase{"UnknownTarget", {QStringLiteral("--target"), QStringLiteral("kylix"), kTank}, "--target needs one of delphi, lazarus, not \"kylix\""},
    FailureCase{"TargetNamedAsInSettings", {QStringLiteral("--target"), QStringLiteral("Delphi 2.0"), kTank}, "--target needs one of delphi, lazarus"},
    FailureCase{"PackageWithOutput", {QStringLiteral("--package"), QStringLiteral("p"), QStringLiteral("-o"), QStringLiteral("v.pas"), kTank}, "-o and --update cannot go with it"},
    FailureCase{"PackageForDelphi", {QStringLiteral("--package"), QStringLiteral("p"), QStringLiteral("--target"), QStringLiteral("delphi"), kTank}, "--target delphi cannot go with it"},
    FailureCase{"TestDriveWithCheck", {QStringLiteral("--test-drive"), QStringLiteral("--check"), kTank}, "--check cannot go with it"},
    FailureCase{"TestDriveForDelphi", {QStringLiteral("--test-drive"), QStringLiteral("--target"), QStringLiteral("delphi"), kTank}, "--test-drive runs the unit for Lazarus; --target delphi cannot go with it"},
    FailureCase{"PackageIntoAFile", {QStringLiteral("--package"), testDataPath("tank.pas"), kTank}, "Unable to make the folder"},
    FailureCase{"PackageIntoAnUnwritableFolder", {QStringLiteral("--package"), QStringLiteral("/proc/uf-package"), kTank}, "Unable to make the folder /proc/uf-package"}),
    RowName());

// Output that the system refuses part-way: a full device, and a file-size
// limit that cuts a file short (the old file stays, and the message says the
// file was cut short).
struct WriteFailureCase {
    const char *name;
    bool toStandardOutput;       // else to the file named by target
    const char *target;          // in the test's folder unless absolute
    void (*childSetUp)();        // runs in the command's process before it starts
    const char *message;
};

UF_ROW_NAME(WriteFailureCase)

void limitFileSize()
{
    ::signal(SIGXFSZ, SIG_IGN);   // a write past the limit then fails instead of ending the process
    const rlimit limit{1024, 1024};
    ::setrlimit(RLIMIT_FSIZE, &limit);
}

class BuildCommandWriteFailure : public testing::TestWithParam<WriteFailureCase> {};

TEST_P(BuildCommandWriteFailure, ExitsWithTwoAndKeepsTheOldFile)
{
    const WriteFailureCase &row = GetParam();
    QTemporaryDir dir;
    const QString target = QDir::isAbsolutePath(QLatin1String(row.target))
                               ? QString::fromLatin1(row.target)
                               : dir.filePath(QLatin1String(row.target));
    const bool plainFile = QFileInfo(target).path() == dir.path();
    if (plainFile)
        writeBytes(target, "old");
    const CommandResult run = runCommand(
        row.toStandardOutput ? QStringList{kGauge} : QStringList{QStringLiteral("-o"), target, kGauge},
        [&](QProcess &process) {
            if (row.toStandardOutput)
                process.setStandardOutputFile(target);
            if (row.childSetUp)
                process.setChildProcessModifier(row.childSetUp);
        });
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.err.contains(QString::fromLatin1(row.message).replace(u"%1"_s, target).toLocal8Bit()))
        << run.err.toStdString();
    if (plainFile) {
        EXPECT_EQ(readBytes(target), QByteArray("old"));
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QFileInfo(target).fileName()});
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, BuildCommandWriteFailure, testing::Values(
    WriteFailureCase{"OutputFileOnAFullDevice", false, "/dev/full", nullptr, "Unable to write to %1"},
    WriteFailureCase{"StandardOutputOnAFullDevice", true, "/dev/full", nullptr,
                     "unitforge-build: unable to write to standard output"},
    WriteFailureCase{"OutputFileOverTheSizeLimit", false, "Gauge.pas", limitFileSize,
                     "Unable to write to %1: the file was cut short after 1024 of "}),
    RowName());

TEST(BuildCommand, WarnsWhenItReadsAFileOnlyInPart)
{
    QTemporaryDir dir;
    const QString spec = dir.filePath(QStringLiteral("long.spc"));
    writeBytes(spec, "[Component]\nClassname=TX\nEventCount=2000000000\n[Eventtypes]\n5000000=T\n");
    const CommandResult run = runInProcess({spec});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err.trimmed(), QByteArray("The file names more than 1000000 events or methods; "
                                            "only the first 1000000 were read."));
}

TEST(BuildCommand, HelpPrintsTheUsage)
{
    const CommandResult run = runCommand({QStringLiteral("--help")});
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.out.startsWith("Usage: unitforge-build [options] SPEC.spc"));
    // --check exits with 1, not 3, for a file that is no specification.
    EXPECT_TRUE(run.out.simplified().contains(
        "1 build refused, SPEC.spc not a specification file (with --check too)"))
        << run.out.toStdString();
    for (const StyleOption &option : kStyleOptions)
        EXPECT_TRUE(run.out.contains(option.option)) << option.option;
    for (const QByteArray &line : lines(run.out)) {
        if (!line.startsWith("  /"))   // the settings file's name
            EXPECT_LE(line.size(), 82) << line.toStdString();
    }
}

TEST(BuildCommand, VersionNeedsNoSpecificationAndBuildsNothing)
{
    const CommandResult run = runCommand({QStringLiteral("--version"), kTank});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, QByteArray("unitforge-build " UF_VERSION "\n"));
    EXPECT_TRUE(run.err.isEmpty());
}

struct StyleCase {
    const char *name;
    const char *settings;
    Style expected;
};

UF_ROW_NAME(StyleCase)

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
    EXPECT_EQ(style.target, expected.target);
}

INSTANTIATE_TEST_SUITE_P(Files, StyleSettings, testing::Values(
    StyleCase{"EmptyFile", "", Style{2, 2, 80, QStringLiteral("="), false}},
    StyleCase{"LazarusTarget", "[Settings]\nTarget=lazarus\n", Style{2, 2, 80, QStringLiteral("="), false, Target::Lazarus}},
    StyleCase{"UnknownTargetKeepsDelphi", "[Settings]\nTarget=Kylix\n", Style{2, 2, 80, QStringLiteral("="), false, Target::Delphi2}},
    StyleCase{"OutOfRange", "[Settings]\nindent=50\nlinebreak=-3\nnumchars=121\nlinechar=\ncommentsbefore=2\n",
              Style{20, 0, 120, QString(), true}},
    StyleCase{"LetterCaseAndOddNumbers", "[SETTINGS]\nIndent=0x3\nLineBreak=x\nNumChars=\nLINECHAR=~*\nCommentsBefore=no\n",
              Style{3, 2, 80, QStringLiteral("~*"), false}}), RowName());

namespace {

// A property of a floating-point type with a default: one error finding.
const QByteArray kRatioSpec =
    "[Component]\r\nClassname=TGauge\r\nFilename=Gauge.pas\r\nPropertyCount=1\r\n"
    "[Properties]\r\n0=Ratio\r\n[Types]\r\n0=double\r\n[DefaultValues]\r\n0=1.5\r\n"
    "[Sections]\r\n0=published\r\n[Variables]\r\n0=FRatio\r\n"
    "[ReadWrite]\r\n0=read FRatio write FRatio\r\n[RMethods]\r\n0=*\r\n[WMethods]\r\n0=*\r\n"
    "[Storage]\r\n0=*\r\n[ArrayProperties]\r\n0=*\r\n";

} // namespace

TEST(CheckCommand, PrintsEachFindingWritesNoUnitAndExitsWithThree)
{
    QTemporaryDir dir;
    const QString spec = dir.filePath(QStringLiteral("ratio.spc"));
    const QString target = dir.filePath(QStringLiteral("Gauge.pas"));
    writeBytes(spec, kRatioSpec);
    const CommandResult run = runCommand({QStringLiteral("--check"), QStringLiteral("-o"), target, spec});
    EXPECT_EQ(run.status, 3);
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_EQ(run.err, spec.toLocal8Bit() + ": error: property 'Ratio': a floating-point property "
                       "(Double) cannot have a default; leave the default empty\n");
    EXPECT_FALSE(QFileInfo::exists(target));
}

TEST(CheckCommand, ExitsWithZeroAndSaysNothingWithoutFindings)
{
    const CommandResult run = runCommand({QStringLiteral("--check"), kTank});
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
}

TEST(CheckCommand, WarningsFollowTheUnchangedUnit)
{
    const CommandResult plain = runInProcess({kGauge});
    const CommandResult warned = runInProcess({QStringLiteral("--warnings"), kGauge});
    EXPECT_EQ(warned.status, 0);
    EXPECT_EQ(warned.out, plain.out);
    EXPECT_TRUE(plain.err.isEmpty());
    EXPECT_EQ(warned.err, kGauge.toLocal8Bit() + ": warning: property 'Caption': string properties "
                          "take no default clause, so the default is not written; the constructor "
                          "still sets the field to 'Gauge'\n");
    // Findings never turn a build into a failure.
    QTemporaryDir dir;
    const QString spec = dir.filePath(QStringLiteral("ratio.spc"));
    writeBytes(spec, kRatioSpec);
    const CommandResult faulty = runInProcess({QStringLiteral("--warnings"), spec});
    EXPECT_EQ(faulty.status, 0);
    EXPECT_TRUE(faulty.out.startsWith("unit Gauge;\r\n"));
    EXPECT_TRUE(faulty.err.startsWith(spec.toLocal8Bit() + ": error: property 'Ratio'"));
}
