// SPDX-License-Identifier: MIT
// Build in the window, and Open and Save specification through the dialogs.
#include "builderfixture.h"

#include "app/outputpage.h"
#include "app/stylepage.h"
#include "editor/classpage.h"
#include "specfile/profilefile.h"
#include "specfile/textcodec.h"
#include "rowname.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>

using Answer = UserPrompts::Answer;
using Kind = UserPrompts::Kind;

class BuildInWindow : public BuilderTest
{
protected:
    QString status() { return find<QLabel>("Panel1")->text(); }
    QStringList output() { return builder->outputPage()->lines(); }
    int page() { return find<QTabWidget>("PageControl1")->currentIndex(); }
};

TEST_F(BuildInWindow, WithoutAClassNameRefusesAndReturnsToTheClassName)
{
    builder->classPage->unitname->setText(QStringLiteral("C:\\Work\\BtnPlus.pas"));
    builder->showPage(TBuilder::StylePageIndex);
    prompts.answer(Answer::Ok);
    QTest::mouseClick(find<QWidget>("btnBuild"), Qt::LeftButton);
    ASSERT_EQ(prompts.log().size(), 1);
    EXPECT_EQ(prompts.log()[0].kind, Kind::Error);
    EXPECT_EQ(prompts.log()[0].text, "You need to enter the class name");
    EXPECT_EQ(page(), TBuilder::ClassPageIndex);
    EXPECT_EQ(builder->focusWidget(), builder->classPage->clname);
    EXPECT_EQ(builder->outputPage()->Panel5->text(), "c:\\work\\btnplus.pas");
    EXPECT_EQ(status(), "");
    EXPECT_FALSE(find<QWidget>("BitBtn3")->isEnabled());
    EXPECT_FALSE(action("SelectAll1")->isEnabled());
}

TEST_F(BuildInWindow, WithAClassNameWritesTheUnitAndShowsIt)
{
    QTest::keyClicks(builder->classPage->clname, QStringLiteral("TGauge"));
    QTest::mouseClick(find<QWidget>("btnBuild"), Qt::LeftButton);
    EXPECT_TRUE(prompts.log().isEmpty());
    const QString unitName = dir.path() + QStringLiteral("/unit1.pas");
    EXPECT_EQ(status(), unitName + " built");
    EXPECT_EQ(builder->outputPage()->Panel5->text(), unitName.toLower());
    EXPECT_EQ(page(), TBuilder::OutputPageIndex);
    EXPECT_TRUE(find<QWidget>("BitBtn3")->isEnabled());
    EXPECT_TRUE(action("SelectAll1")->isEnabled());
    const QStringList lines = output();
    ASSERT_GT(lines.size(), 10);
    EXPECT_EQ(lines.first(), "unit unit1;");
    EXPECT_TRUE(lines.contains("  TGauge = class(TComponent)"));
    // The last line ends with a line break: an empty last line follows "end.".
    EXPECT_EQ(lines.last(), "");
    EXPECT_EQ(lines.at(lines.size() - 2), "end.");
}

TEST_F(BuildInWindow, UsesTheStyleShownAtThatMoment)
{
    builder->classPage->clname->setText(QStringLiteral("TGauge"));
    builder->stylePage()->indent->setValue(4);
    builder->stylePage()->charcombo->setEditText(QStringLiteral("-"));
    builder->stylePage()->numchars->setValue(10);
    action("BuildOutput1")->trigger();
    EXPECT_TRUE(output().contains("    TGauge = class(TComponent)"));
    EXPECT_TRUE(output().contains("{----------}"));
    builder->stylePage()->indent->setValue(1);
    action("BuildOutput1")->trigger();
    EXPECT_TRUE(output().contains(" TGauge = class(TComponent)"));
}

TEST_F(BuildInWindow, LazarusTargetOnTheStylePageBuildsForTheLcl)
{
    builder->classPage->clname->setText(QStringLiteral("TGauge"));
    auto *targetcombo = builder->stylePage()->findChild<QComboBox *>(QStringLiteral("targetcombo"));
    ASSERT_NE(targetcombo, nullptr);
    targetcombo->setCurrentText(QStringLiteral("Lazarus"));
    EXPECT_EQ(builder->stylePage()->style().target, Target::Lazarus);
    action("BuildOutput1")->trigger();
    EXPECT_TRUE(output().contains("{$mode delphi}"));
    EXPECT_TRUE(output().contains("  {$I unit1_icon.lrs}"));
    targetcombo->setCurrentText(QStringLiteral("Delphi 2.0"));
    action("BuildOutput1")->trigger();
    EXPECT_FALSE(output().contains("{$mode delphi}"));
}

TEST_F(BuildInWindow, SaveLazarusPackageWritesTheFolderAndKeepsTheOutput)
{
    builder->classPage->clname->setText(QStringLiteral("TGauge"));
    action("BuildOutput1")->trigger();
    const QStringList delphiUnit = output();
    const QString folder = dir.path() + QStringLiteral("/pkg");
    QDir().mkpath(folder);
    prompts.saveFile(folder + QStringLiteral("/unit1package.lpk")).answer(Answer::No);
    action("SaveLazarusPackage1")->trigger();
    EXPECT_TRUE(prompts.exhausted());
    ASSERT_EQ(prompts.log().size(), 2);
    EXPECT_EQ(prompts.log()[0].request.proposedName, "unit1package.lpk");
    EXPECT_EQ(QDir(folder).entryList(QDir::Files),
              (QStringList{"unit1.pas", "unit1_icon.lrs", "unit1package.lpk"}));
    QFile unit(folder + QStringLiteral("/unit1.pas"));
    ASSERT_TRUE(unit.open(QIODevice::ReadOnly));
    EXPECT_TRUE(unit.readAll().contains("{$mode delphi}")) << "the package's unit is built for Lazarus";
    EXPECT_EQ(output(), delphiUnit) << "the Output page keeps the unit it showed";
    EXPECT_EQ(status(), "Lazarus package written to " + folder);
}

TEST_F(BuildInWindow, SaveLazarusPackageWithAnImageThatIsNone)
{
    builder->classPage->clname->setText(QStringLiteral("TGauge"));
    const QString folder = dir.path() + QStringLiteral("/pkg");
    const QString notAnImage = dir.path() + QStringLiteral("/notes.png");
    QFile notes(notAnImage);
    ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
    notes.write("plain text");
    notes.close();
    prompts.saveFile(folder + QStringLiteral("/unit1package.lpk")).answer(Answer::Yes)
        .openFile(notAnImage).answer(Answer::Ok);
    action("SaveLazarusPackage1")->trigger();
    EXPECT_TRUE(prompts.exhausted());
    ASSERT_EQ(prompts.messageTexts().size(), 2);
    EXPECT_EQ(prompts.messageTexts().last(),
              notAnImage + " is no image that can be read; the package was not written");
    EXPECT_FALSE(QFileInfo::exists(folder)) << "nothing is written";
}

// An emptied spin box counts as its minimum, whether the build starts from the
// menu (the box keeps the focus) or from the button (the box loses it first).
class EmptiedSpinBox : public BuildInWindow, public ::testing::WithParamInterface<bool>
{
};

TEST_P(EmptiedSpinBox, CountsAsItsMinimum)
{
    builder->classPage->clname->setText(QStringLiteral("TGauge"));
    builder->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(builder.get()));
    builder->showPage(TBuilder::StylePageIndex);
    QSpinBox *indent = builder->stylePage()->indent;
    indent->setFocus();
    indent->selectAll();
    QTest::keyClick(indent, Qt::Key_Backspace);
    ASSERT_EQ(indent->text(), "");
    if (GetParam())
        QTest::mouseClick(find<QWidget>("btnBuild"), Qt::LeftButton);
    else
        action("BuildOutput1")->trigger();
    EXPECT_TRUE(output().contains("TGauge = class(TComponent)"));
    EXPECT_EQ(builder->stylePage()->style().indent, 0);
}

INSTANTIATE_TEST_SUITE_P(BuildInWindow, EmptiedSpinBox, ::testing::Values(false, true),
                         [](const auto &info) { return info.param ? "FromTheButton" : "FromTheMenu"; });

TEST_F(BuildInWindow, SelectAllSelectsTheWholeUnit)
{
    builder->classPage->clname->setText(QStringLiteral("TGauge"));
    action("BuildOutput1")->trigger();
    action("SelectAll1")->trigger();
    const QPlainTextEdit *memo = builder->outputPage()->Memo1;
    EXPECT_EQ(memo->textCursor().selectedText().size(), memo->toPlainText().size());
}

TEST_F(BuildInWindow, UsesTheAncestorAndPalettePageAsTyped)
{
    builder->classPage->clname->setText(QStringLiteral("TDial"));
    builder->classPage->ancestorbox->setEditText(QStringLiteral("TMyBase"));
    builder->classPage->palpage->setEditText(QStringLiteral("Extras"));
    action("BuildOutput1")->trigger();
    EXPECT_TRUE(output().contains("  TDial = class(TMyBase)"));
    EXPECT_TRUE(output().join(u'\n').contains("'Extras'"));
}

// ---- Save and Open specification --------------------------------------------------

using SpecFiles = BuildInWindow;

TEST_F(SpecFiles, SaveProposesTheUnitsNameBesideIt)
{
    builder->classPage->clname->setText(QStringLiteral("TGauge"));
    builder->classPage->palpage->setEditText(QStringLiteral("Samples"));
    prompts.saveFile(path("saved.spc"));
    action("Savespcfile1")->trigger();
    ASSERT_EQ(prompts.log().size(), 1);
    const UserPrompts::FileRequest &request = prompts.log()[0].request;
    EXPECT_EQ(request.filter, "Component Specifications (*.spc)");
    EXPECT_EQ(request.defaultSuffix, "spc");
    EXPECT_TRUE(request.confirmOverwrite);
    EXPECT_EQ(request.directory, dir.path() + "/");
    EXPECT_EQ(request.proposedName, "unit1.spc");

    const ProfileFile saved(path("saved.spc"));
    EXPECT_EQ(saved.readString("Component", "Classname"), "TGauge");
    EXPECT_EQ(saved.readString("Component", "Name"), "unit1");
    EXPECT_EQ(saved.readString("Component", "Palettepage"), "Samples");
    EXPECT_EQ(saved.readString("Component", "Ancestor"), "TComponent");
    EXPECT_TRUE(builder->currentSpecificationFile().isEmpty());
}

TEST_F(SpecFiles, OpenReadsTheFileIntoThePages)
{
    const QString gauge = QStringLiteral(UF_TEST_DATA_DIR "/gauge.spc");
    builder->outputPage()->Memo1->setPlainText(QStringLiteral("one line"));
    prompts.openFile(gauge);
    QTest::mouseClick(find<QWidget>("BitBtn5"), Qt::LeftButton);
    EXPECT_EQ(prompts.log()[0].request.filter, "Component Specifications (*.spc)");
    EXPECT_EQ(builder->currentSpecificationFile(), QFileInfo(gauge).absoluteFilePath());
    EXPECT_EQ(builder->classPage->clname->text(), "TGauge");
    EXPECT_EQ(builder->classPage->unitname->text(), "C:\\Units\\Gauge.pas");
    EXPECT_EQ(builder->classPage->palpage->currentText(), "Samples");
    EXPECT_EQ(builder->classPage->ancestorbox->currentText(), "TCustomControl");
    EXPECT_FALSE(builder->spec().Properties.isEmpty());
    EXPECT_TRUE(builder->spec().StandardProperties.contains("HelpContext"));
    EXPECT_EQ(page(), TBuilder::PropertiesPageIndex);
    EXPECT_EQ(builder->outputPage()->Memo1->toPlainText(), "");
}

TEST_F(SpecFiles, SaveProposesTheCurrentFileAfterOpen)
{
    const QString copy = path("gauge.spc");
    ASSERT_TRUE(QFile::copy(QStringLiteral(UF_TEST_DATA_DIR "/gauge.spc"), copy));
    prompts.openFile(copy).saveFile(QString());
    action("Openspcfile1")->trigger();
    action("Savespcfile1")->trigger();
    EXPECT_EQ(prompts.log()[1].request.directory, dir.path() + "/");
    EXPECT_EQ(prompts.log()[1].request.proposedName, "gauge.spc");
}

TEST_F(SpecFiles, OpenFindsTheAncestorWithoutRegardToCase)
{
    QFile file(path("lower.spc"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Component]\r\nClassname=TKnob\r\nAncestor=ttimer\r\n");
    file.close();
    prompts.openFile(path("lower.spc"));
    action("Openspcfile1")->trigger();
    EXPECT_EQ(builder->classPage->ancestorbox->currentText(), "TTimer");
    EXPECT_EQ(builder->spec().StandardEvents, QStringList({"OnTimer"}));
}

// The window must build what the command builds from the same file.
TEST_F(SpecFiles, OpenShowsACustomAncestorAndBuildsWithIt)
{
    QFile file(path("odd.spc"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Component]\r\nClassname=TKnob\r\nAncestor=TNoSuchClass\r\n");
    file.close();
    builder->classPage->ancestorbox->setCurrentIndex(builder->classPage->ancestorbox->findText("TTimer"));
    prompts.answer(Answer::No).openFile(path("odd.spc"));
    action("Openspcfile1")->trigger();
    EXPECT_EQ(builder->classPage->ancestorbox->currentText(), "TNoSuchClass");
    EXPECT_EQ(builder->classPage->ancestorbox->currentIndex(), -1);
    EXPECT_TRUE(builder->spec().StandardProperties.isEmpty()) << "emptied by the reset";
    action("BuildOutput1")->trigger();
    EXPECT_TRUE(builder->outputPage()->Memo1->toPlainText().contains("  TKnob = class(TNoSuchClass)\n"));
}

TEST_F(SpecFiles, CancelledOpenChangesNothing)
{
    builder->outputPage()->Memo1->setPlainText(QStringLiteral("kept"));
    builder->showPage(TBuilder::StylePageIndex);
    prompts.openFile(QString());
    action("Openspcfile1")->trigger();
    EXPECT_EQ(page(), TBuilder::StylePageIndex);
    EXPECT_EQ(builder->outputPage()->Memo1->toPlainText(), "kept");
    EXPECT_TRUE(builder->currentSpecificationFile().isEmpty());
}

// A file without a "Component" section is refused before anything changes.
TEST_F(SpecFiles, OpenRefusesAFileThatIsNoSpecification)
{
    builder->classPage->clname->setText(QStringLiteral("TGauge"));
    builder->outputPage()->Memo1->setPlainText(QStringLiteral("kept"));
    QFile file(path("cert.spc"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("-----BEGIN PKCS7-----\r\n[Other]\r\nx=1\r\n");
    file.close();
    prompts.answer(Answer::No).openFile(path("cert.spc")).answer(Answer::Ok);
    action("Openspcfile1")->trigger();
    EXPECT_EQ(prompts.messageTexts(),
              QStringList({"Do you want to save the current component specifications ?",
                           "cert.spc is not a component specification file."}));
    EXPECT_EQ(prompts.log().last().kind, UserPrompts::Kind::Error);
    EXPECT_EQ(builder->classPage->clname->text(), "TGauge");
    EXPECT_EQ(builder->outputPage()->Memo1->toPlainText(), "kept");
    EXPECT_TRUE(builder->currentSpecificationFile().isEmpty());
}

TEST_F(SpecFiles, OpenAsksBothSaveQuestionsFirst)
{
    PropertyInput input;
    input.name = QStringLiteral("Value");
    input.type = QStringLiteral("integer");
    builder->document().addProperty(input);
    builder->outputPage()->Memo1->setPlainText(QStringLiteral("a\nb"));
    prompts.answer(Answer::No).answer(Answer::Cancel);
    action("Openspcfile1")->trigger();
    EXPECT_EQ(prompts.messageTexts(),
              QStringList({"Do you want to save the current component specifications ?",
                           "Do you want to save the source (*.pas) file ?"}));
    EXPECT_EQ(builder->spec().Properties.size(), 1);
    EXPECT_EQ(builder->outputPage()->Memo1->toPlainText(), "a\nb");
}

TEST_F(SpecFiles, OpenGoesNoFurtherWhenItsSaveFails)
{
    PropertyInput input;
    input.name = QStringLiteral("Value");
    input.type = QStringLiteral("integer");
    builder->document().addProperty(input);
    prompts.answer(Answer::Yes).saveFile(path("no-such-folder/x.spc")).answer(Answer::Ok);
    action("Openspcfile1")->trigger();
    EXPECT_EQ(builder->spec().Properties.size(), 1);
    EXPECT_EQ(prompts.log().last().kind, Kind::Error);
}

// ---- the window's build equals the headless command's ---------------------------

struct SameUnitRow {
    const char *name;
    const char *example;
    int indent;
    const char *separator;
};
UF_ROW_NAME(SameUnitRow)

class SameUnitAsCommand : public BuildInWindow, public ::testing::WithParamInterface<SameUnitRow>
{
};

TEST_P(SameUnitAsCommand, OpenedAndBuiltInTheWindow)
{
    const SameUnitRow row = GetParam();
    const QString spec = QStringLiteral(UF_TEST_DATA_DIR "/") + QLatin1String(row.example);

    QProcess command;
    command.start(QStringLiteral(UF_BUILD_COMMAND),
                  {QStringLiteral("--default-style"), QStringLiteral("--indent"), QString::number(row.indent),
                   QStringLiteral("--separator-char"), QLatin1String(row.separator), spec});
    ASSERT_TRUE(command.waitForFinished(30000));
    ASSERT_EQ(command.exitCode(), 0) << command.readAllStandardError().toStdString();
    const QStringList expected = decodeText(command.readAllStandardOutput()).split(QStringLiteral("\r\n"));

    prompts.openFile(spec);
    action("Openspcfile1")->trigger();
    builder->stylePage()->indent->setValue(row.indent);
    builder->stylePage()->charcombo->setEditText(QLatin1String(row.separator));
    action("BuildOutput1")->trigger();
    // The lines of the file the window's Save would write.
    const QStringList actual = decodeText(sourceFileBytes(output())).split(QStringLiteral("\r\n"));

    for (qsizetype i = 0; i < qMin(expected.size(), actual.size()); ++i)
        ASSERT_EQ(actual[i], expected[i]) << "first difference at line " << i + 1;
    EXPECT_EQ(actual.size(), expected.size());
}

INSTANTIATE_TEST_SUITE_P(BuildInWindow, SameUnitAsCommand,
                         ::testing::Values(SameUnitRow{"GaugeIndent2", "gauge.spc", 2, ""},
                                           SameUnitRow{"GaugeIndent4", "gauge.spc", 4, "="},
                                           SameUnitRow{"TankIndent3", "tank.spc", 3, "*"}), RowName());
