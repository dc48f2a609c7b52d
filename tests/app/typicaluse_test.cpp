// The typical use of the program, end to end in the window, as a user works:
// describe a component from nothing, build it, save the unit and the
// specification, start anew, open the specification, change a property by
// edit-back, build again. Both units must be exactly what unitforge-build
// writes for the specification saved at that point.
#include "builderfixture.h"

#include "app/outputpage.h"
#include "editor/classpage.h"
#include "editor/eventhandlerspage.h"
#include "editor/propertiespage.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

namespace {

using Answer = UserPrompts::Answer;

QByteArray commandOutput(const QString &spec)
{
    QProcess command;
    command.start(QStringLiteral(UF_BUILD_COMMAND), {QStringLiteral("--default-style"), spec});
    if (!command.waitForFinished(30000) || command.exitCode() != 0)
        return "unitforge-build failed: " + command.readAllStandardError();
    return command.readAllStandardOutput();
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class TypicalUse : public BuilderTest
{
protected:
    void type(const char *field, const QString &text)
    {
        auto *edit = find<QWidget>(field);
        if (auto *combo = qobject_cast<QComboBox *>(edit))
            edit = combo->lineEdit();
        static_cast<QLineEdit *>(edit)->selectAll();
        QTest::keyClicks(edit, text);
    }
    // Names such as Button1 recur (the comment dialog has one): the page is said.
    void click(QWidget *page, const char *button)
    {
        auto *b = page->findChild<QAbstractButton *>(QLatin1String(button));
        ASSERT_TRUE(b) << button;
        QTest::mouseClick(b, Qt::LeftButton);
    }
    void click(const char *button) { click(builder.get(), button); }
    QString unitText() const { return builder->outputPage()->Memo1->toPlainText(); }
};

TEST_F(TypicalUse, DescribeBuildSaveReopenEditAndBuildAgain)
{
    builder->showPage(TBuilder::ClassPageIndex);
    type("clname", QStringLiteral("TGauge"));

    builder->showPage(TBuilder::PropertiesPageIndex);
    type("propname", QStringLiteral("Value"));
    type("typebox", QStringLiteral("integer"));
    type("dval", QStringLiteral("0"));
    click(builder->propertiesPage(), "Button1");

    builder->showPage(TBuilder::EventHandlersPageIndex);
    type("eventname", QStringLiteral("OnChange"));
    click(builder->eventHandlersPage(), "Button5");

    click("btnBuild");
    EXPECT_EQ(find<QTabWidget>("PageControl1")->currentIndex(), TBuilder::OutputPageIndex);
    EXPECT_TRUE(unitText().startsWith(QStringLiteral("unit unit1;\n")));
    EXPECT_TRUE(unitText().endsWith(QStringLiteral("end.\n")));

    click("BitBtn3");   // Save: the unit name field still holds the program's folder and unit1.pas
    const QByteArray firstUnit = fileBytes(path(QStringLiteral("unit1.pas")));
    prompts.saveFile(path(QStringLiteral("gauge.spc")));
    action("Savespcfile1")->trigger();
    EXPECT_EQ(firstUnit, commandOutput(path(QStringLiteral("gauge.spc"))));
    EXPECT_TRUE(firstUnit.contains("    Property Value : integer read FValue write FValue default 0;\r\n"));
    EXPECT_TRUE(firstUnit.contains("    Property OnChange : TNotifyEvent read FOnChange write FOnChange ;\r\n"));

    prompts.answer(Answer::No).answer(Answer::No);   // New: save the specification? the source?
    action("New1")->trigger();
    EXPECT_TRUE(builder->spec().Properties.isEmpty());
    prompts.openFile(path(QStringLiteral("gauge.spc")));
    action("Openspcfile1")->trigger();
    auto *defined = find<QListWidget>("ListBox1");
    ASSERT_EQ(defined->count(), 1);
    EXPECT_EQ(find<QListWidget>("ListBox3")->count(), 1);

    defined->setCurrentRow(0);
    QTest::mouseDClick(defined->viewport(), Qt::LeftButton, {},
                       defined->visualItemRect(defined->item(0)).center());
    EXPECT_EQ(find<QLineEdit>("dval")->text(), QStringLiteral("0"));
    type("dval", QStringLiteral("5"));
    click(builder->propertiesPage(), "Button1");
    builder->classPage->unitname->setText(path(QStringLiteral("second.pas")));
    click("btnBuild");
    EXPECT_TRUE(unitText().contains(QStringLiteral("     FValue := 5;\n")));

    click("BitBtn3");
    prompts.saveFile(path(QStringLiteral("gauge2.spc")));
    action("Savespcfile1")->trigger();
    EXPECT_EQ(fileBytes(path(QStringLiteral("second.pas"))),
              commandOutput(path(QStringLiteral("gauge2.spc"))));
}

} // namespace
