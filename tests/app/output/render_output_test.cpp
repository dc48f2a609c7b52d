// Renders the Output page with a built unit, its pick lists and the find and
// replace dialogs into PNG files under screenshots/ in the build tree, for a
// person to look at.
#include "outputfixture.h"

#include <QLineEdit>
#include <QPixmap>
#include <QTabWidget>
#include <QToolButton>

#include "app/finddialog.h"
#include "app/picklist.h"
#include "app/replacedialog.h"

namespace {

void saveShot(QWidget *widget, const char *name)
{
    QApplication::processEvents();
    QDir().mkpath(QStringLiteral(UF_SCREENSHOT_DIR));
    const QPixmap shot = widget->grab();
    ASSERT_FALSE(shot.isNull()) << name;
    EXPECT_TRUE(shot.save(QStringLiteral(UF_SCREENSHOT_DIR "/%1.png").arg(QLatin1String(name)))) << name;
}

using RenderOutput = OutputPageTest;

TEST_F(RenderOutput, BuiltUnitPickListsAndDialogs)
{
    prompts.openFile(QStringLiteral(UF_TEST_DATA_DIR "/gauge.spc"));
    action("Openspcfile1")->trigger();
    builder->show();
    builder->btnBuild->click();
    ASSERT_EQ(builder->PageControl1->currentWidget(), page);
    selectText(0, 4);
    moveMouseOverText();
    saveShot(builder.get(), "output-built");

    page->sizepanelClick();
    saveShot(builder.get(), "output-sizelist");
    page->fontpanelClick();
    saveShot(builder.get(), "output-fontlist");
    page->fontlistbox->hide();

    page->btnfind->click();
    page->FindDialog1->findChild<QLineEdit *>("findedit")->setText(QStringLiteral("Value"));
    saveShot(page->FindDialog1, "find-dialog");
    page->FindDialog1->close();

    page->btnreplace->click();
    page->ReplaceDialog1->findChild<QLineEdit *>("findedit")->setText(QStringLiteral("Value"));
    page->ReplaceDialog1->findChild<QLineEdit *>("replaceedit")->setText(QStringLiteral("Position"));
    saveShot(page->ReplaceDialog1, "replace-dialog");
    page->ReplaceDialog1->close();

    action("Wordwrap1")->trigger();
    saveShot(builder.get(), "output-wordwrap");
}

} // namespace
