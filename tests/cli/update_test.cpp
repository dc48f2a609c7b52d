// SPDX-License-Identifier: MIT
// unitforge-build --update: a unit built, edited and brought up to date.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <signal.h>
#include <sys/resource.h>

#include "commandrun.h"
#include "merge/unitfixtures.h"
#include "rowname.h"
#include "specfile/filebytes.h"
#include "specfile/specfile.h"

namespace {

const QString kWrittenFlash = QStringLiteral(
    "\r\nvar\r\n  I: integer;\r\nbegin\r\n  for I := 1 to Times do Invalidate; // 'end;\r\nend;");

class UpdateCommand : public testing::Test
{
protected:
    QString spec(const ComponentSpec &specification)
    {
        const QString path = m_dir.filePath(QStringLiteral("gauge.spc"));
        QString error;
        EXPECT_TRUE(saveSpecification(specification, path, &error)) << error.toStdString();
        return path;
    }
    QByteArray build(const ComponentSpec &specification, const QStringList &options = {})
    {
        const CommandResult run = runInProcess(options + QStringList{spec(specification)});
        EXPECT_EQ(run.status, 0) << run.err.toStdString();
        return run.out;
    }
    // The unit of specification with text edits applied, saved as the unit file.
    void writeEditedUnit(const ComponentSpec &specification, const QString &flashBody)
    {
        QString text = decodeText(build(specification));
        text = withBody(text, QStringLiteral("TGauge.Flash"), flashBody);
        text.replace(QStringLiteral("  inherited Create(AOwner);\r\n"),
                     QStringLiteral("  inherited Create(AOwner);\r\n  Width := 100;\r\n"));
        writeBytes(unit(), encodeText(text));
    }
    CommandResult update(const ComponentSpec &specification, const QStringList &options = {})
    {
        return runInProcess(QStringList{QStringLiteral("--update"), unit()} + options
                            + QStringList{spec(specification)});
    }
    QString unit() const { return m_dir.filePath(QStringLiteral("Gauge.pas")); }

    QTemporaryDir m_dir;
};

ComponentSpec withLevel()
{
    ComponentSpec specification = gaugeSpec();
    PropertyInput level = propertyInput(QStringLiteral("Level"), QStringLiteral("integer"), QStringLiteral("7"));
    level.writeMethod = QStringLiteral("SetLevel");
    specification.addProperty(level);
    return specification;
}

TEST_F(UpdateCommand, KeepsWrittenCodeAndBringsInTheNewProperty)
{
    writeEditedUnit(gaugeSpec(), kWrittenFlash);
    const CommandResult run = update(withLevel());
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.isEmpty());
    EXPECT_EQ(run.out.toStdString(), "kept: TGauge.Create (1 own line)\n"
                                     "kept: TGauge.Flash (written body, 6 lines)\n"
                                     + unit().toStdString() + " updated\n");

    const QString after = decodeText(readBytes(unit()));
    EXPECT_EQ(bodyOf(after, QStringLiteral("TGauge.Flash")), kWrittenFlash);
    EXPECT_EQ(bodyOf(after, QStringLiteral("TGauge.SetLevel")), QStringLiteral("\r\nbegin\r\n\r\nend;"));
    EXPECT_EQ(bodyOf(after, QStringLiteral("TGauge.Create")).toStdString(),
              "\r\nbegin\r\n  inherited Create(AOwner);\r\n  Width := 100;\r\n     FValue := 0;\r\n"
              "     FCaption := 'Gauge';\r\n     FLevel := 7;\r\nend;");
    EXPECT_TRUE(after.contains(QStringLiteral("    Property Level : integer read FLevel write SetLevel default 7;\r\n")));
}

TEST_F(UpdateCommand, UnitForLazarusKeepsWrittenCodeAndItsDirectives)
{
    const QStringList lazarus{QStringLiteral("--target"), QStringLiteral("lazarus")};
    QString text = decodeText(build(gaugeSpec(), lazarus));
    ASSERT_TRUE(text.contains(QStringLiteral("{$I gauge_icon.lrs}")));
    writeBytes(unit(), encodeText(withBody(text, QStringLiteral("TGauge.Flash"), kWrittenFlash)));
    const CommandResult run = update(withLevel(), lazarus);
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    const QString after = decodeText(readBytes(unit()));
    EXPECT_EQ(bodyOf(after, QStringLiteral("TGauge.Flash")), kWrittenFlash);
    EXPECT_TRUE(after.startsWith(QStringLiteral("unit Gauge;\r\n\r\n{$mode delphi}\r\n")));
    EXPECT_EQ(after.count(QStringLiteral("{$I gauge_icon.lrs}")), 1);
    EXPECT_TRUE(after.contains(QStringLiteral("    Property Level : integer read FLevel write SetLevel default 7;\r\n")));
}

TEST_F(UpdateCommand, RefusesToLoseWrittenCodeUnlessToldToDiscardIt)
{
    writeEditedUnit(gaugeSpec(), QStringLiteral("\r\nbegin\r\n  Beep;\r\nend;"));
    const QByteArray before = readBytes(unit());
    ComponentSpec withoutFlash = gaugeSpec();
    withoutFlash.removeMethod(0);

    const CommandResult refused = update(withoutFlash);
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(readBytes(unit()), before);
    EXPECT_EQ(refused.out.toStdString(), "would discard: TGauge.Flash (4 lines)\n");
    EXPECT_EQ(refused.err.toStdString(),
              "unitforge-build: " + unit().toStdString()
                  + " not updated: the update would discard TGauge.Flash (4 lines). "
                    "Give --discard to update it anyway.\n");

    const CommandResult discarded = update(withoutFlash, {QStringLiteral("--discard")});
    ASSERT_EQ(discarded.status, 0) << discarded.err.toStdString();
    EXPECT_TRUE(discarded.out.contains("\ndiscarded: TGauge.Flash (4 lines)\n"));
    const QString after = decodeText(readBytes(unit()));
    EXPECT_FALSE(after.contains(QStringLiteral("Flash")));
    EXPECT_TRUE(after.contains(QStringLiteral("  Width := 100;\r\n")));
}

TEST_F(UpdateCommand, WithNothingWrittenTheFileIsTheBuildWithTheOptionsGiven)
{
    writeBytes(unit(), build(gaugeSpec()));
    const QStringList indent{QStringLiteral("--indent"), QStringLiteral("4")};
    const CommandResult run = update(withLevel(), indent);
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out.toStdString(), unit().toStdString() + " updated\n");
    EXPECT_EQ(readBytes(unit()), build(withLevel(), indent));
}

TEST_F(UpdateCommand, KeepsTheEncodingAndLineEndsOfTheFile)
{
    const QString flash = QStringLiteral("\nbegin\n  Caption := 'Grüße';\nend;");
    QString text = decodeText(build(gaugeSpec())).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    writeBytes(unit(), "\xEF\xBB\xBF" + withBody(text, QStringLiteral("TGauge.Flash"), flash).toUtf8());

    ASSERT_EQ(update(withLevel()).status, 0);
    const QString expected = withBody(
        decodeText(build(withLevel())).replace(QStringLiteral("\r\n"), QStringLiteral("\n")),
        QStringLiteral("TGauge.Flash"), flash);
    EXPECT_EQ(readBytes(unit()), "\xEF\xBB\xBF" + expected.toUtf8());
}

TEST_F(UpdateCommand, UnitThatDoesNotReadIsLeftAsItWas)
{
    writeBytes(unit(), "unit Broken;\r\ninterface\r\n");
    const CommandResult run = update(gaugeSpec());
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(readBytes(unit()), QByteArray("unit Broken;\r\ninterface\r\n"));
    EXPECT_EQ(run.err.toStdString(), "unitforge-build: " + unit().toStdString()
                                         + " not updated: the existing unit cannot be read: "
                                           "no implementation section (line 3)\n");
}

// A device is never read: /dev/zero would not end.
TEST_F(UpdateCommand, RefusesAUnitThatIsNoRegularFile)
{
    const CommandResult run = runInProcess(
        {QStringLiteral("--update"), QStringLiteral("/dev/zero"), spec(gaugeSpec())});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err.toStdString(),
              "unitforge-build: cannot read the unit /dev/zero: it is not a regular file\n");
}

// Each file keeps its own line end; the lines the update brings get the one
// most of the file's lines have.
struct LineEndCase {
    const char *name;
    const char *lineBreak;      // of the file, and of the lines the update adds
    const char *writtenBody;    // the body written into TGauge.Flash, line ends as stored
};
UF_ROW_NAME(LineEndCase)

class UpdateLineEnds : public UpdateCommand, public testing::WithParamInterface<LineEndCase> {};

TEST_P(UpdateLineEnds, AreKeptAndGivenToNewLines)
{
    const LineEndCase &row = GetParam();
    const QString lineBreak = QString::fromLatin1(row.lineBreak);
    const QString body = QString::fromLatin1(row.writtenBody);
    const auto inFileLineEnds = [&](const ComponentSpec &specification) {
        const QString built = decodeText(build(specification)).replace(QStringLiteral("\r\n"), lineBreak);
        return withBody(built, QStringLiteral("TGauge.Flash"), body);
    };
    writeBytes(unit(), inFileLineEnds(gaugeSpec()).toLatin1());
    const CommandResult run = update(withLevel());
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(readBytes(unit()), inFileLineEnds(withLevel()).toLatin1());
}

INSTANTIATE_TEST_SUITE_P(Cases, UpdateLineEnds, testing::Values(
    LineEndCase{"CarriageReturnOnly", "\r", "\rbegin\r  Beep;\rend;"},
    LineEndCase{"LineFeedWithOneCrLfLine", "\n", "\nbegin\r\n  Beep;\nend;"},
    LineEndCase{"CrLfWithOneLineFeedLine", "\r\n", "\r\nbegin\n  Beep;\r\nend;"}),
    RowName());

// A unit in Windows-1252 with text in it that the code page has; the new
// build brings a character it has not.
TEST_F(UpdateCommand, RefusesToTurnAWindows1252UnitIntoUtf8)
{
    ComponentSpec arrow = gaugeSpec();
    arrow.addProperty(propertyInput(QStringLiteral("Needle"), QStringLiteral("string"), QStringLiteral("A \u2192 B")));
    writeEditedUnit(gaugeSpec(), QStringLiteral("\r\nbegin\r\n  Caption := 'Gr\u00fc\u00dfe';\r\nend;"));
    const QByteArray before = readBytes(unit());
    ASSERT_TRUE(before.contains("Gr\xFC\xDF" "e"));

    const CommandResult run = update(arrow);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(readBytes(unit()), before);
    EXPECT_TRUE(run.out.isEmpty()) << run.out.toStdString();
    QString merged = withBody(decodeText(build(arrow)), QStringLiteral("TGauge.Flash"),
                              QStringLiteral("\r\nbegin\r\n  Caption := 'Gr\u00fc\u00dfe';\r\nend;"));
    merged.replace(QStringLiteral("  inherited Create(AOwner);\r\n"),
                   QStringLiteral("  inherited Create(AOwner);\r\n  Width := 100;\r\n"));
    const int line = int(merged.first(merged.indexOf(QChar(0x2192))).count(u'\n')) + 1;
    EXPECT_EQ(run.err.toStdString(),
              "unitforge-build: " + unit().toStdString() + " not updated: \"\u2192\" (U+2192) on line "
                  + std::to_string(line) + " cannot be stored in Windows-1252, the unit's encoding\n");
}

// Neither a UTF-8 unit nor one of plain ASCII has Windows-1252 text to keep.
TEST_F(UpdateCommand, AUtf8OrAsciiUnitTakesAnyCharacter)
{
    ComponentSpec arrow = gaugeSpec();
    arrow.addProperty(propertyInput(QStringLiteral("Needle"), QStringLiteral("string"), QStringLiteral("A \u2192 B")));
    for (const QString &written : {QStringLiteral("'Gr\u00fc\u00dfe'"), QStringLiteral("'plain'")}) {
        writeBytes(unit(), withBody(decodeText(build(gaugeSpec())), QStringLiteral("TGauge.Flash"),
                                    QStringLiteral("\r\nbegin\r\n  Caption := ") + written + QStringLiteral(";\r\nend;"))
                               .toUtf8());
        const CommandResult run = update(arrow);
        ASSERT_EQ(run.status, 0) << run.err.toStdString();
        const QByteArray after = readBytes(unit());
        EXPECT_TRUE(after.contains(written.toUtf8())) << written.toStdString();
        EXPECT_TRUE(after.contains("A \xE2\x86\x92 B"));
    }
}

TEST_F(UpdateCommand, SaysThatAUtf16UnitIsNotRead)
{
    const QString text = decodeText(build(gaugeSpec()));
    QByteArray utf16("\xFF\xFE");
    for (const QChar c : text)
        utf16 += char(c.unicode() & 0xFF) + QByteArray(1, char(c.unicode() >> 8));
    for (const QByteArray &bytes : {utf16, utf16.mid(2)}) {
        writeBytes(unit(), bytes);
        const CommandResult run = update(gaugeSpec());
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.err.toStdString(), "unitforge-build: cannot read the unit " + unit().toStdString()
                                             + ": it is UTF-16 text, which is not read; save it as "
                                               "UTF-8 or Windows-1252\n");
        EXPECT_EQ(readBytes(unit()), bytes);
    }
}

// What was kept is told once the file holds it, not before a write that fails.
TEST_F(UpdateCommand, TellsWhatWasKeptOnlyAfterTheWrite)
{
    writeEditedUnit(gaugeSpec(), kWrittenFlash);
    const QByteArray before = readBytes(unit());
    ASSERT_GT(before.size(), 1024);
    const CommandResult run = runCommand(
        QStringList{QStringLiteral("--update"), unit(), spec(withLevel())}, [](QProcess &process) {
            process.setChildProcessModifier([] {
                ::signal(SIGXFSZ, SIG_IGN);
                const rlimit limit{1024, 1024};
                ::setrlimit(RLIMIT_FSIZE, &limit);
            });
        });
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.out.isEmpty()) << run.out.toStdString();
    EXPECT_TRUE(run.err.startsWith("Unable to write to ")) << run.err.toStdString();
    EXPECT_EQ(readBytes(unit()), before);
}

} // namespace
