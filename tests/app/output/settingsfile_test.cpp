// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "app/settingsfile.h"
#include "scriptedprompts.h"

namespace {

class SettingsFileTest : public testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }
    QString path(const QString &name = QStringLiteral("uforge.ini")) const
    {
        return m_dir.filePath(name);
    }
    void writeFile(const QByteArray &bytes)
    {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QString fileText()
    {
        QFile file(path());
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }
    Settings readBack(const QByteArray &bytes)
    {
        writeFile(bytes);
        SettingsFile settings({path()});
        return settings.read(prompts).value_or(Settings{});
    }
    // The keys of the file in their order.
    QStringList keys()
    {
        QStringList result;
        for (const QString &line : fileText().split(QStringLiteral("\r\n"))) {
            if (line.contains(QLatin1Char('=')))
                result.append(line.section(QLatin1Char('='), 0, 0));
        }
        return result;
    }

    QTemporaryDir m_dir;
    ScriptedPrompts prompts;
};

TEST_F(SettingsFileTest, FirstRunCreatesTheFileWithCreateDateAndGivesTheDefaults)
{
    SettingsFile file({path()});
    const std::optional<Settings> settings = file.read(prompts);
    ASSERT_TRUE(settings);
    EXPECT_TRUE(prompts.log().isEmpty());
    EXPECT_EQ(keys(), QStringList{"CreateDate"});
    EXPECT_EQ(settings->style.separatorChar, QStringLiteral("="));
    EXPECT_EQ(settings->style.separatorLength, 80);
    EXPECT_EQ(settings->style.indent, 2);
    EXPECT_EQ(settings->style.blankLines, 2);
    EXPECT_FALSE(settings->style.commentsBefore);
    EXPECT_EQ(settings->look.fontName, QStringLiteral("Courier"));
    EXPECT_FALSE(settings->look.background.has_value()) << "absent: the default white";
    EXPECT_FALSE(settings->matchFont);
    EXPECT_TRUE(settings->syntaxColors) << "coloured unless turned off";
    EXPECT_TRUE(settings->recentFiles.isEmpty());
}

TEST_F(SettingsFileTest, WritesEveryKeyInOrderAndReadsThemBack)
{
    Settings written;
    written.style = {4, 1, 60, QStringLiteral("-"), true, Target::Lazarus, true};
    written.look = {255u, 0x00FF00u, 12, -16, true, true, QStringLiteral("Courier New")};
    written.matchFont = true;
    written.syntaxColors = false;
    written.recentFiles = {QStringLiteral("/specs/b.spc"), QStringLiteral("/specs/a.spc")};
    {
        SettingsFile file({path()});
        ASSERT_TRUE(file.read(prompts));
        EXPECT_TRUE(file.write(written, prompts));
    }
    EXPECT_EQ(keys(), (QStringList{"CreateDate", "linebreak", "commentsbefore", "indent", "bcolor",
                                   "bfontname", "bfontcolor", "bfontsize", "bfontheight", "numchars",
                                   "linechar", "Matchfont", "bfontbold", "bfontitalic",
                                   "SyntaxColors", "Target", "workingbodies", "File1", "File2"}))
        << "the keys of its own after the others, the recent files in a section of their own";
    EXPECT_TRUE(fileText().contains(QStringLiteral("bcolor=255\r\n")));
    EXPECT_TRUE(fileText().contains(QStringLiteral("Target=Lazarus\r\n")));

    SettingsFile again({path()});
    const std::optional<Settings> read = again.read(prompts);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->style.indent, 4);
    EXPECT_EQ(read->style.blankLines, 1);
    EXPECT_EQ(read->style.separatorLength, 60);
    EXPECT_EQ(read->style.separatorChar, QStringLiteral("-"));
    EXPECT_TRUE(read->style.commentsBefore);
    EXPECT_EQ(read->style.target, Target::Lazarus);
    EXPECT_TRUE(read->style.workingBodies);
    EXPECT_EQ(read->look.background, std::optional<quint32>(255u));
    EXPECT_EQ(read->look.fontColor, std::optional<quint32>(0x00FF00u));
    EXPECT_EQ(read->look.fontSize, 12);
    EXPECT_EQ(read->look.fontHeight, -16);
    EXPECT_TRUE(read->look.bold);
    EXPECT_TRUE(read->look.italic);
    EXPECT_EQ(read->look.fontName, QStringLiteral("Courier New"));
    EXPECT_TRUE(read->matchFont);
    EXPECT_FALSE(read->syntaxColors);
    EXPECT_EQ(read->recentFiles, written.recentFiles);
    EXPECT_TRUE(prompts.log().isEmpty());
}

TEST_F(SettingsFileTest, ReadsHexadecimalAndOtherLetterCaseAndDefaultsBadValues)
{
    const Settings s = readBack("[SETTINGS]\r\nBCOLOR=0xFF\r\nbfontcolor=$FF00\r\nnumchars=lots\r\n"
                                "LineChar=**\r\nbfontbold=7\r\nINDENT=  3  \r\n");
    EXPECT_EQ(s.look.background, std::optional<quint32>(0xFFu));
    EXPECT_EQ(s.look.fontColor, std::optional<quint32>(0xFF00u));
    EXPECT_EQ(s.style.separatorLength, 80);
    EXPECT_EQ(s.style.separatorChar, QStringLiteral("**"));
    EXPECT_TRUE(s.look.bold);
    EXPECT_EQ(s.style.indent, 3);
}

TEST_F(SettingsFileTest, BringsValuesIntoTheirRanges)
{
    const Settings s = readBack("[Settings]\r\nindent=50\r\nlinebreak=-3\r\nnumchars=500\r\n");
    EXPECT_EQ(s.style.indent, 20);
    EXPECT_EQ(s.style.blankLines, 0);
    EXPECT_EQ(s.style.separatorLength, 120);
}

TEST_F(SettingsFileTest, OnlyMatchfontOneTicksMatchFont)
{
    EXPECT_FALSE(readBack("[settings]\r\nmatchfont=2\r\n").matchFont);
    EXPECT_TRUE(readBack("[settings]\r\nMATCHFONT=1\r\n").matchFont);
}

TEST_F(SettingsFileTest, KeepsOtherContentOfTheFile)
{
    writeFile("; mine\r\n[Other]\r\nkey=value\r\n[Settings]\r\nindent=3\r\n");
    SettingsFile file({path()});
    std::optional<Settings> settings = file.read(prompts);
    ASSERT_TRUE(settings);
    ASSERT_TRUE(file.write(*settings, prompts));
    const QString text = fileText();
    EXPECT_TRUE(text.startsWith(QStringLiteral("; mine\r\n[Other]\r\nkey=value\r\n[Settings]\r\nindent=3\r\n")))
        << text.toStdString();
}

TEST_F(SettingsFileTest, FallsBackToTheNextLocation)
{
    writeFile("not a directory");
    const QString second = path("config/Unitforge/uforge.ini");
    SettingsFile file({path() + QStringLiteral("/uforge.ini"), second});
    ASSERT_TRUE(file.read(prompts));
    EXPECT_EQ(file.path(), second);
    EXPECT_TRUE(QFile::exists(second));
}

TEST_F(SettingsFileTest, NoLocationShowsIniFileErrorAndWritesNothing)
{
    writeFile("not a directory");
    SettingsFile file({path() + QStringLiteral("/uforge.ini")});
    prompts.answer(UserPrompts::Answer::Ok);
    EXPECT_FALSE(file.read(prompts));
    ASSERT_EQ(prompts.log().size(), 1);
    EXPECT_EQ(prompts.log()[0].kind, UserPrompts::Kind::Warning);
    EXPECT_EQ(prompts.log()[0].text, QStringLiteral("Ini file error"));
    EXPECT_TRUE(file.write(Settings{}, prompts));
    EXPECT_EQ(prompts.log().size(), 1);
}

TEST_F(SettingsFileTest, RefusedWriteShowsUnableToWrite)
{
    const QString dir = path("gone");
    const QString ini = dir + QStringLiteral("/uforge.ini");
    SettingsFile file({ini});
    ASSERT_TRUE(file.read(prompts));
    ASSERT_TRUE(QDir(dir).removeRecursively());
    QFile blocker(dir);
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    prompts.answer(UserPrompts::Answer::Ok);
    EXPECT_FALSE(file.write(Settings{}, prompts));
    ASSERT_EQ(prompts.log().size(), 1);
    EXPECT_EQ(prompts.log()[0].kind, UserPrompts::Kind::Error);
    // The file's name, and the system's reason after it.
    const QString prefix = QStringLiteral("Unable to write to ") + QFileInfo(ini).absoluteFilePath()
        + QStringLiteral(": ");
    EXPECT_TRUE(prompts.log()[0].text.startsWith(prefix)) << prompts.log()[0].text.toStdString();
    EXPECT_GT(prompts.log()[0].text.size(), prefix.size()) << "no reason given";
}

TEST(OutputLookTest, AppliesOnlyWhatIsSetAndTheHeightAfterTheSize)
{
    QFont font(QStringLiteral("Courier New"));
    font.setPixelSize(13);
    QColor fontColor = Qt::black;
    QColor background = Qt::black;
    applyLook(OutputLook{}, font, fontColor, background);
    EXPECT_EQ(background, QColor(Qt::white));
    EXPECT_EQ(fontColor, QColor(Qt::black));
    EXPECT_EQ(font.family(), QStringLiteral("Courier New"));
    EXPECT_EQ(font.pixelSize(), 13);

    OutputLook look;
    look.background = 255u;
    look.fontColor = 0xFF0000u;
    look.fontSize = 12;
    look.fontHeight = -20;
    look.bold = true;
    look.fontName = QStringLiteral("Courier");
    applyLook(look, font, fontColor, background);
    EXPECT_EQ(background, QColor(Qt::red));
    EXPECT_EQ(fontColor, QColor(Qt::blue));
    EXPECT_EQ(font.pixelSize(), 20);
    EXPECT_TRUE(font.bold());
    EXPECT_FALSE(font.italic());
    EXPECT_EQ(font.family(), QStringLiteral("Courier"));

    look = OutputLook{};
    look.fontSize = 12;
    applyLook(look, font, fontColor, background);
    EXPECT_EQ(font.pointSize(), 12);
    EXPECT_TRUE(font.bold());   // styles are only ever added

    look.fontSize = 1000000;
    look.background = 0x80000005u;   // a system colour
    applyLook(look, font, fontColor, background);
    EXPECT_LE(font.pointSize(), 1000);
    EXPECT_EQ(background, QColor(Qt::white));
}

// Black is 0: it must come back black, while an absent or unreadable key is white.
TEST_F(SettingsFileTest, StoredZeroIsBlackAndOnlyAnAbsentKeyIsWhite)
{
    QFont font;
    QColor fontColor = Qt::red;
    QColor background;
    applyLook(readBack("[Settings]\r\nbColor=0\r\nbFontcolor=0\r\n").look, font, fontColor, background);
    EXPECT_EQ(background, QColor(Qt::black));
    EXPECT_EQ(fontColor, QColor(Qt::black));
    applyLook(readBack("[Settings]\r\nbColor=grey\r\n").look, font, fontColor, background);
    EXPECT_EQ(background, QColor(Qt::white));
}

TEST(OutputLookTest, StoresSizeAndCharacterHeight)
{
    QFont font(QStringLiteral("Courier New"));
    font.setPixelSize(13);
    const OutputLook look = lookOf(font, Qt::black, Qt::white, 96);
    EXPECT_EQ(look.fontSize, 10);
    EXPECT_EQ(look.fontHeight, -13);
    EXPECT_EQ(look.background, std::optional<quint32>(16777215u));
    EXPECT_EQ(look.fontColor, std::optional<quint32>(0u));
    EXPECT_EQ(look.fontName, QStringLiteral("Courier New"));

    font.setPointSize(12);
    const OutputLook points = lookOf(font, QColor(0, 0, 255), Qt::white, 96);
    EXPECT_EQ(points.fontSize, 12);
    EXPECT_EQ(points.fontHeight, -16);
    EXPECT_EQ(points.fontColor, std::optional<quint32>(0xFF0000u));
}

} // namespace
