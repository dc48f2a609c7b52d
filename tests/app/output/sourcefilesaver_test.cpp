#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <csignal>
#include <sys/resource.h>

#include "app/sourcefilesaver.h"
#include "scriptedprompts.h"
#include "../../rowname.h"

namespace {

using Outcome = SourceSaveResult::Outcome;

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

TEST(SourceFileName, AppendsPasOnlyWithoutExtension)
{
    EXPECT_EQ(sourceFileName(QStringLiteral("C:\\work\\mybutton")), QStringLiteral("C:\\work\\mybutton.pas"));
    EXPECT_EQ(sourceFileName(QStringLiteral("mybutton.inc")), QStringLiteral("mybutton.inc"));
    EXPECT_EQ(sourceFileName(QStringLiteral("my.dir\\unit")), QStringLiteral("my.dir\\unit.pas"));
    EXPECT_EQ(sourceFileName(QStringLiteral("/tmp/my.dir/unit")), QStringLiteral("/tmp/my.dir/unit.pas"));
    EXPECT_EQ(sourceFileName(QStringLiteral("C:unit")), QStringLiteral("C:unit.pas"));
}

class SaveSourceFile : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_oldCurrent = QDir::currentPath();
        QDir::setCurrent(m_dir.path());
    }
    void TearDown() override { QDir::setCurrent(m_oldCurrent); }
    QString path(const QString &name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
    QString m_oldCurrent;
    ScriptedPrompts prompts;
};

TEST_F(SaveSourceFile, WritesEveryLineWithCrLfTheLastEmptyLineIncluded)
{
    const SourceSaveResult result = saveSourceFile(
        path("unit"), {"unit unit1;", "", "end.", ""}, prompts, QString());
    EXPECT_EQ(result.outcome, Outcome::Saved);
    EXPECT_EQ(result.fileName, path("unit.pas"));
    EXPECT_EQ(readAll(path("unit.pas")), QByteArray("unit unit1;\r\n\r\nend.\r\n\r\n"));
    EXPECT_TRUE(prompts.log().isEmpty());
}

TEST_F(SaveSourceFile, EmptyUnitNameBecomesUnit1InTheCurrentDirectory)
{
    const SourceSaveResult result = saveSourceFile(QString(), {"end.", ""}, prompts, QString());
    EXPECT_EQ(result.outcome, Outcome::Saved);
    EXPECT_EQ(result.unitName, QStringLiteral("unit1.pas"));
    EXPECT_EQ(readAll(path("unit1.pas")), QByteArray("end.\r\n\r\n"));
}

TEST_F(SaveSourceFile, LongLineIsSavedWhole)
{
    const QString line(5000, QLatin1Char('x'));
    ASSERT_EQ(saveSourceFile(path("long.pas"), {line, ""}, prompts, QString()).outcome, Outcome::Saved);
    EXPECT_EQ(readAll(path("long.pas")), line.toLatin1() + "\r\n\r\n");
}

TEST_F(SaveSourceFile, OverwriteAnsweredNoWritesNothing)
{
    writeFile(path("old.pas"), "old");
    prompts.answer(UserPrompts::Answer::No);
    const SourceSaveResult result = saveSourceFile(path("old.pas"), {"new", ""}, prompts, QString());
    EXPECT_EQ(result.outcome, Outcome::Declined);
    ASSERT_EQ(prompts.log().size(), 1);
    EXPECT_EQ(prompts.log()[0].kind, UserPrompts::Kind::Confirm);
    EXPECT_EQ(prompts.log()[0].buttons, UserPrompts::Buttons::YesNoDefaultNo);
    EXPECT_EQ(prompts.log()[0].text, "Overwrite existing file " + path("old.pas") + " ?");
    EXPECT_EQ(readAll(path("old.pas")), QByteArray("old"));
}

TEST_F(SaveSourceFile, OverwriteAnsweredYesReplacesTheFile)
{
    writeFile(path("old.pas"), "old");
    prompts.answer(UserPrompts::Answer::Yes);
    EXPECT_EQ(saveSourceFile(path("old"), {"new", ""}, prompts, QString()).outcome, Outcome::Saved);
    EXPECT_EQ(readAll(path("old.pas")), QByteArray("new\r\n\r\n"));
}

TEST_F(SaveSourceFile, EmptyOutputShowsNoOutputToSave)
{
    prompts.answer(UserPrompts::Answer::Ok);
    const SourceSaveResult result = saveSourceFile(path("empty"), {""}, prompts, QString());
    EXPECT_EQ(result.outcome, Outcome::NoOutput);
    ASSERT_EQ(prompts.log().size(), 1);
    EXPECT_EQ(prompts.log()[0].kind, UserPrompts::Kind::Error);
    EXPECT_EQ(prompts.log()[0].text, QStringLiteral("No output to save"));
    EXPECT_FALSE(QFile::exists(path("empty.pas")));
}

TEST_F(SaveSourceFile, MissingDirectoryShowsTheReasonAndWritesNothing)
{
    const QString name = path("missing/unit.pas");
    prompts.answer(UserPrompts::Answer::Ok);
    const SourceSaveResult result = saveSourceFile(name, {"x", ""}, prompts, QString());
    EXPECT_EQ(result.outcome, Outcome::Failed);
    ASSERT_EQ(prompts.log().size(), 1);
    EXPECT_EQ(prompts.log()[0].kind, UserPrompts::Kind::Error);
    EXPECT_TRUE(prompts.log()[0].text.startsWith("Cannot create file " + name + ": "))
        << prompts.log()[0].text.toStdString();
    EXPECT_GT(prompts.log()[0].text.size(), QString("Cannot create file " + name + ": ").size());
}

TEST_F(SaveSourceFile, UnwritableTargetKeepsTheOldFile)
{
    QDir().mkdir(path("ro"));
    const QString name = path("ro/unit.pas");
    writeFile(name, "old");
    QFile::setPermissions(path("ro"), QFile::ReadOwner | QFile::ExeOwner);
    prompts.answer(UserPrompts::Answer::Yes).answer(UserPrompts::Answer::Ok);
    const SourceSaveResult result = saveSourceFile(name, {"new", ""}, prompts, QString());
    QFile::setPermissions(path("ro"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (result.outcome == Outcome::Saved)
        GTEST_SKIP() << "running with rights that ignore directory permissions";
    EXPECT_EQ(result.outcome, Outcome::Failed);
    EXPECT_EQ(readAll(name), QByteArray("old"));
    EXPECT_EQ(prompts.log().size(), 2);
}

// A file size limit makes the write fail part-way, as a full disk does.
TEST_F(SaveSourceFile, FailedWriteShowsErrorAndKeepsTheOldFile)
{
    const QString name = path("full.pas");
    writeFile(name, "old");
    prompts.answer(UserPrompts::Answer::Yes).answer(UserPrompts::Answer::Ok);
    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 1000;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const SourceSaveResult result = saveSourceFile(name, {QString(5000, QLatin1Char('x')), ""}, prompts, QString());
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(result.outcome, Outcome::Failed);
    ASSERT_EQ(prompts.log().size(), 2);
    EXPECT_EQ(prompts.log()[1].kind, UserPrompts::Kind::Error);
    EXPECT_EQ(prompts.log()[1].text, "Error outputting to file: " + name);
    EXPECT_EQ(readAll(name), QByteArray("old"));
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files), QStringList{"full.pas"});
}

} // namespace

namespace {

struct WindowsNameRow {
    const char *name;
    const char *unitName;
    bool driveC;              // the Wine prefix has a drive C
    const char *chosen;       // answer of the save dialog, when it is asked; "" cancels
    Outcome outcome;
    const char *written;      // relative to the folder; empty: nothing written
};
UF_ROW_NAME(WindowsNameRow)

class WindowsUnitName : public SaveSourceFile, public testing::WithParamInterface<WindowsNameRow>
{
};

// A name typed Windows-style must not become a Linux file named with backslashes.
TEST_P(WindowsUnitName, NamesAFileOfTheWinePrefixOrIsAskedFor)
{
    const WindowsNameRow row = GetParam();
    const QString prefix = path("prefix");
    if (row.driveC)
        ASSERT_TRUE(QDir().mkpath(prefix + "/dosdevices/c:/Units"));
    ASSERT_TRUE(QDir().mkpath(path("sub")));
    if (*row.chosen || !row.driveC && QString::fromLatin1(row.unitName).at(1) == u':')
        prompts.saveFile(*row.chosen ? path(QString::fromLatin1(row.chosen)) : QString());
    const SourceSaveResult result =
        saveSourceFile(QString::fromLatin1(row.unitName), {"end.", ""}, prompts, prefix);
    EXPECT_EQ(result.outcome, row.outcome);
    if (*row.written) {
        EXPECT_EQ(readAll(path(QString::fromLatin1(row.written))), QByteArray("end.\r\n\r\n"));
        EXPECT_FALSE(result.fileName.contains(u'\\'));
    }
    if (!prompts.log().isEmpty())
        EXPECT_EQ(prompts.log().first().request.proposedName, "Tank.pas");
    EXPECT_TRUE(prompts.exhausted());
}

INSTANTIATE_TEST_SUITE_P(
    SaveSourceFile, WindowsUnitName,
    testing::Values(
        WindowsNameRow{"DriveOfThePrefix", "C:\\Units\\Tank.pas", true, "", Outcome::Saved,
                       "prefix/dosdevices/c:/Units/Tank.pas"},
        WindowsNameRow{"DriveLetterInLowerCase", "c:\\Units\\Tank", true, "", Outcome::Saved,
                       "prefix/dosdevices/c:/Units/Tank.pas"},
        WindowsNameRow{"NoSuchDriveAsksForTheFile", "C:\\Units\\Tank.pas", false, "chosen.pas",
                       Outcome::Saved, "chosen.pas"},
        WindowsNameRow{"CancelledDialogWritesNothing", "C:\\Units\\Tank.pas", false, "",
                       Outcome::Cancelled, ""},
        WindowsNameRow{"RelativeNameGetsSlashes", "sub\\Tank.pas", false, "", Outcome::Saved,
                       "sub/Tank.pas"}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
