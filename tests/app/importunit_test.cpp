// SPDX-License-Identifier: MIT
// File > Import Unit...: the pages filled from a unit, the unit kept in the
// Output text for the next Build, and the questions around it.
#include "builderfixture.h"

#include "app/outputpage.h"
#include "editor/classpage.h"
#include "merge/unitfile.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>

using namespace Qt::StringLiterals;
using Answer = UserPrompts::Answer;
using Kind = UserPrompts::Kind;

namespace {

QByteArray readFile(const QString &path)
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

const QByteArray kTwoClasses = "unit Two;\r\ninterface\r\ntype\r\n  TA = class(TComponent) end;\r\n"
                               "  TB = class(TComponent) end;\r\nprocedure Register;\r\nimplementation\r\n"
                               "procedure Register;\r\nbegin\r\n  RegisterComponents('P', [TA, TB]);\r\nend;\r\nend.\r\n";

} // namespace

class ImportUnit : public BuilderTest
{
protected:
    void import() { action("ImportUnit1")->trigger(); }
    QString outputText() const { return builder->outputPage()->lines().join(u'\n'); }
    QString status() const { return find<QLabel>("Panel1")->text(); }
    int page() const { return find<QTabWidget>("PageControl1")->currentIndex(); }
};

TEST_F(ImportUnit, FillsThePagesAndTheNextBuildKeepsTheUnitsCode)
{
    const QString unit = path(u"Gauge.pas"_s);
    QByteArray text = readFile(QStringLiteral(UF_TEST_DATA_DIR "/gauge.pas"));
    text.replace("  public\r\n", "  public\r\n    const Limit = 3;\r\n");
    writeFile(unit, text);
    prompts.openFile(unit);
    import();

    ASSERT_EQ(prompts.log().size(), 1);
    EXPECT_EQ(prompts.log()[0].request.title, u"Import Unit"_s);
    const ComponentSpec &spec = builder->document().spec();
    EXPECT_EQ(builder->classPage->clname->text(), u"TGauge"_s);
    EXPECT_EQ(spec.Filename, unit);
    EXPECT_EQ(spec.Ancestor, u"TCustomControl"_s);
    EXPECT_EQ(spec.Palettepage, u"Samples"_s);
    EXPECT_EQ(spec.DefinedProperties, (QStringList{u"Value"_s, u"Caption"_s, u"Marks"_s}));
    EXPECT_EQ(spec.DefinedHandlers, QStringList{u"OnChange"_s});
    EXPECT_EQ(spec.DefinedMethods, (QStringList{u"Ratio"_s, u"Paint"_s}));   // in the order of their bodies
    EXPECT_EQ(spec.selectedStandardMessages(), QStringList{u"WM_PAINT"_s});
    EXPECT_TRUE(builder->document().isModified());
    EXPECT_TRUE(builder->document().currentFile().isEmpty());
    EXPECT_EQ(builder->outputPage()->lines(), QString::fromLatin1(text).split(u"\r\n"_s).mid(0, builder->outputPage()->lines().size()));
    EXPECT_EQ(status(), u"Imported TGauge from Gauge.pas, 1 not imported"_s);
    EXPECT_EQ(page(), TBuilder::OutputPageIndex);

    // The class constant stays in the unit only when the merge may keep a
    // line of the class declaration it does not build: without it, a Build
    // keeps the written bodies.
    writeFile(unit, readFile(QStringLiteral(UF_TEST_DATA_DIR "/gauge.pas")));
    // Neither the imported specification nor the unit shown is saved, as before Open.
    prompts.answer(Answer::No).answer(Answer::No).openFile(unit);
    import();
    EXPECT_EQ(status(), u"Imported TGauge from Gauge.pas"_s);
    EXPECT_EQ(page(), TBuilder::PropertiesPageIndex);

    action("BuildOutput1")->trigger();
    EXPECT_TRUE(outputText().contains(u"Result := Index * Step;"_s)) << outputText().toStdString();
}

TEST_F(ImportUnit, AsksForOneClassAfterAnotherWhenTheUnitRegistersSeveral)
{
    const QString unit = path(u"Two.pas"_s);
    writeFile(unit, kTwoClasses);
    prompts.openFile(unit).answer(Answer::No).answer(Answer::Yes);
    import();
    EXPECT_EQ(prompts.messageTexts(), (QStringList{u"The unit registers several classes. Import TA?"_s,
                                                   u"The unit registers several classes. Import TB?"_s}));
    EXPECT_EQ(prompts.log()[1].kind, Kind::Confirm);
    EXPECT_EQ(builder->document().spec().Classname, u"TB"_s);
}

TEST_F(ImportUnit, WithNoClassRegisteredAsksAmongTheDeclaredOnes)
{
    const QString unit = path(u"Two.pas"_s);
    writeFile(unit, QByteArray(kTwoClasses).replace("RegisterComponents('P', [TA, TB]);", ""));
    prompts.openFile(unit).answer(Answer::Yes);
    import();
    EXPECT_EQ(prompts.messageTexts(), QStringList{u"The unit registers no class. Import TA?"_s});
    EXPECT_EQ(builder->document().spec().Classname, u"TA"_s);
    EXPECT_TRUE(builder->document().spec().Palettepage.isEmpty());
}

TEST_F(ImportUnit, ARefusedUnitChangesNothing)
{
    builder->classPage->clname->setText(u"TKeep"_s);
    builder->document().setClassname(u"TKeep"_s);
    const QString unit = path(u"None.pas"_s);
    writeFile(unit, "unit None;\r\ninterface\r\nimplementation\r\nend.\r\n");
    prompts.answer(Answer::No).openFile(unit).answer(Answer::Ok);   // not saving the class name
    import();
    ASSERT_FALSE(prompts.messageTexts().isEmpty());
    EXPECT_EQ(prompts.messageTexts().last(), u"The unit registers no component class"_s);
    EXPECT_EQ(prompts.log().last().kind, Kind::Error);
    EXPECT_EQ(builder->document().spec().Classname, u"TKeep"_s);
}

TEST_F(ImportUnit, TheTitleNamesNoSpecificationFileAfterwards)
{
    prompts.openFile(QStringLiteral(UF_TEST_DATA_DIR "/gauge.spc"));
    action("Openspcfile1")->trigger();
    ASSERT_TRUE(builder->windowTitle().startsWith(u"gauge.spc"_s)) << builder->windowTitle().toStdString();
    const QString unit = path(u"Gauge.pas"_s);
    writeFile(unit, readFile(QStringLiteral(UF_TEST_DATA_DIR "/gauge.pas")));
    prompts.answer(Answer::No).openFile(unit);   // not saving the specification
    import();
    EXPECT_EQ(builder->windowTitle(), u"Unitforge"_s);
    EXPECT_TRUE(builder->windowFilePath().isEmpty());
}

// A Free Pascal unit file: the unit name field is the file, the unit line
// the identifier without ".pp", and Save writes back into that file.
TEST_F(ImportUnit, APpUnitBuildsUnderItsIdentifierAndSavesIntoItsFile)
{
    const QString unit = path(u"Gauge.pp"_s);
    const QByteArray text = readFile(QStringLiteral(UF_TEST_DATA_DIR "/gauge.pas"));
    writeFile(unit, text);
    prompts.openFile(unit);
    import();
    EXPECT_EQ(builder->document().spec().Filename, unit);
    action("BuildOutput1")->trigger();
    ASSERT_FALSE(builder->outputPage()->lines().isEmpty());
    EXPECT_EQ(builder->outputPage()->lines().first(), u"unit Gauge;"_s);
    EXPECT_TRUE(outputText().contains(u"Result := Index * Step;"_s));
    prompts.answer(Answer::Yes);   // Overwrite existing file ... ?
    action("SavetoFile1")->trigger();
    EXPECT_EQ(prompts.messageTexts().last(), u"Overwrite existing file "_s + unit + u" ?"_s);
    EXPECT_EQ(readFile(unit), text);
    EXPECT_FALSE(QFile::exists(unit + u".pas"_s));
}

TEST_F(ImportUnit, AFileLargerThanAnyUnitIsRefusedUnread)
{
    const QString unit = path(u"Huge.pas"_s);
    {
        QFile file(unit);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("unit Huge;\r\n");
        ASSERT_TRUE(file.resize(kMaxUnitFileSize + 1));   // sparse: no disk space taken
    }
    builder->document().setClassname(u"TKeep"_s);
    prompts.answer(Answer::No).openFile(unit).answer(Answer::Ok);   // not saving the class name
    import();
    ASSERT_FALSE(prompts.messageTexts().isEmpty());
    EXPECT_EQ(prompts.messageTexts().last(), u"Unable to read "_s + unit + u": it is larger than 64 MB, more than any unit; it is not read"_s);
    EXPECT_EQ(builder->document().spec().Classname, u"TKeep"_s);
}
