// unitforge-build --update: a unit built, edited and brought up to date.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "commandrun.h"
#include "merge/unitfixtures.h"
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
    EXPECT_EQ(refused.out.toStdString(), "kept: TGauge.Create (1 own line)\n"
                                         "would discard: TGauge.Flash (4 lines)\n");
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

} // namespace
