// Renders every page, menu and dialog of the window into PNG files under
// screenshots/ in the build tree, for a person to look at. The test itself
// checks only that each picture was written and that nothing is cut off.
#include "builderfixture.h"

#include "app/aboutform.h"
#include "app/helpwindow.h"
#include "app/outputpage.h"
#include "app/qtuserprompts.h"
#include "editor/classpage.h"
#include "editor/documentlistbox.h"
#include "editor/memoform.h"
#include "editor/propertiespage.h"
#include "editor/eventhandlerspage.h"
#include "editor/messagehandlerspage.h"
#include "editor/methodspage.h"
#include "editor/selectpathdialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QToolButton>

namespace {

QString shotPath(const QString &name)
{
    QDir().mkpath(QStringLiteral(UF_SCREENSHOT_DIR));
    return QStringLiteral(UF_SCREENSHOT_DIR "/") + name + QStringLiteral(".png");
}

void save(QWidget *w, const QString &name)
{
    QApplication::processEvents();
    const QPixmap shot = w->grab();
    ASSERT_FALSE(shot.isNull()) << name.toStdString();
    EXPECT_TRUE(shot.save(shotPath(name))) << name.toStdString();
}

// Labels and buttons whose text needs more room than they have, and
// controls that reach past the right or bottom edge of their window.
QStringList clipped(QWidget *top)
{
    QStringList found;
    for (QWidget *w : top->findChildren<QWidget *>()) {
        if (!w->isVisible() || w->window() != top)
            continue;
        const QString name = w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                                        : w->objectName();
        // Status panels are allowed a minimum width of one pixel: they cut long texts.
        if (auto *label = qobject_cast<QLabel *>(w); label && !label->text().isEmpty()
            && label->minimumWidth() != 1 && label->sizeHint().width() > label->width())
            found.append(name + QStringLiteral(" (text)"));
        if (auto *button = qobject_cast<QAbstractButton *>(w); button && !button->text().isEmpty()) {
            const int text = button->fontMetrics().horizontalAdvance(QString(button->text()).remove(u'&'));
            const auto *tool = qobject_cast<QToolButton *>(w);
            const bool beside = !button->icon().isNull()
                && !(tool && tool->toolButtonStyle() == Qt::ToolButtonTextUnderIcon);
            if (text + (beside ? button->iconSize().width() + 4 : 0) + 6 > button->width())
                found.append(name + QStringLiteral(" (text)"));
        }
        const QRect inTop(w->mapTo(top, QPoint(0, 0)), w->size());
        if (!top->rect().contains(inTop))
            found.append(name + QStringLiteral(" (outside)"));
    }
    return found;
}

} // namespace

using Render = BuilderTest;

TEST_F(Render, EveryPageAtTheInitialSize)
{
    registry = WineRegistry::fromFile(QStringLiteral(UF_TEST_DATA_DIR "/user.reg"));
    createBuilder();
    const char *names[] = {"class", "properties", "methods", "event-handlers",
                           "message-handlers", "output", "style"};
    builder->classPage->clname->setText(QStringLiteral("TGauge"));
    for (int page = 0; page < TBuilder::PageCount; ++page) {
        builder->showPage(page);
        save(builder.get(), QStringLiteral("page-%1-%2").arg(page).arg(QLatin1String(names[page])));
        EXPECT_EQ(clipped(builder.get()), QStringList()) << names[page];
    }
}

TEST_F(Render, PropertiesPageWithPropertiesAndTheCommentDialog)
{
    PropertiesPage *page = builder->propertiesPage();
    builder->showPage(TBuilder::PropertiesPageIndex);
    const QStringList names{"Value", "Caption", "Items", "Level", "Interval", "Handle"};
    for (const QString &name : names) {
        page->propname->setText(name);
        page->typebox->setEditText(QStringLiteral("integer"));
        page->Button1Click();
    }
    page->ListBox1->setCurrentRow(1);
    page->propname->setText(QStringLiteral("Position"));
    page->dval->setText(QStringLiteral("0"));
    page->ronly->setChecked(true);
    page->readit->setCurrentIndex(PropertiesPage::AccessMethod);
    page->UpdateAccessFields();
    save(builder.get(), QStringLiteral("page-1-properties-defined"));
    EXPECT_EQ(clipped(builder.get()), QStringList());
    builder->resize(820, 560);
    save(builder.get(), QStringLiteral("page-1-properties-large"));
    EXPECT_EQ(clipped(builder.get()), QStringList());

    builder->memoform->setText(QStringLiteral("The position of the needle,\nfrom 0 to Max."));
    builder->memoform->show();
    save(builder->memoform, QStringLiteral("dialog-comment"));
    EXPECT_EQ(clipped(builder->memoform), QStringList());
    builder->memoform->hide();
}

TEST_F(Render, BuiltUnitAndStatusLine)
{
    prompts.openFile(QStringLiteral(UF_TEST_DATA_DIR "/gauge.spc"));
    action("Openspcfile1")->trigger();
    action("BuildOutput1")->trigger();
    save(builder.get(), QStringLiteral("page-5-output-built"));
}

TEST_F(Render, Menus)
{
    for (const char *name : {"File1", "Edit1", "Page1", "Build1", "Help1"}) {
        QMenu *menu = find<QMenu>(name);
        menu->popup(builder->mapToGlobal(QPoint(0, 20)));
        save(menu, QStringLiteral("menu-") + QLatin1String(name));
        menu->hide();
    }
    QMenu *preferences = find<QMenu>("Preferences1");
    preferences->popup(builder->mapToGlobal(QPoint(0, 20)));
    save(preferences, QStringLiteral("menu-Preferences1"));
    preferences->hide();
}

TEST_F(Render, Dialogs)
{
    builder->PathForm->show();
    save(builder->PathForm, QStringLiteral("dialog-select-path"));
    EXPECT_EQ(clipped(builder->PathForm), QStringList());
    builder->PathForm->hide();

    builder->Aboutform->show();
    save(builder->Aboutform, QStringLiteral("dialog-about"));
    EXPECT_EQ(clipped(builder->Aboutform), QStringList());
    builder->Aboutform->hide();

    HelpWindow help;
    help.showContents();
    save(&help, QStringLiteral("help-contents"));
    // Tall enough that each topic can be read whole.
    help.resize(help.width(), 960);
    for (const QString &page : QDir(QStringLiteral(":/help")).entryList({QStringLiteral("4*.html")})) {
        help.showTopic(page.chopped(5).toInt());
        save(&help, QStringLiteral("help-") + page.chopped(5));
    }
    help.close();

    struct Box {
        UserPrompts::Kind kind;
        const char *text;
        UserPrompts::Buttons buttons;
        const char *name;
    };
    const Box boxes[] = {
        {UserPrompts::Kind::Warning,
         "Property 'Count' has been changed.  Do You want to Add it ?\r\r"
         "(Selecting No here will discard the property)",
         UserPrompts::Buttons::YesNo, "box-warning-pending"},
        {UserPrompts::Kind::Confirm, "Do you want to save the source (*.pas) file ?",
         UserPrompts::Buttons::YesNoCancel, "box-confirm-source"},
        {UserPrompts::Kind::Error, "You need to enter the class name", UserPrompts::Buttons::Ok,
         "box-error-classname"},
        {UserPrompts::Kind::Information, "Unitforge is already running.", UserPrompts::Buttons::Ok,
         "box-information-running"},
        {UserPrompts::Kind::Information, "Not found", UserPrompts::Buttons::Ok,
         "box-information-not-found"},
    };
    for (const Box &b : boxes) {
        auto box = QtUserPrompts::makeMessageBox(b.kind, QString::fromLatin1(b.text), b.buttons,
                                                 builder.get());
        box->show();
        save(box.get(), QLatin1String(b.name));
    }
}

// The Methods, Event Handlers and Message Handlers pages holding entries and
// half-typed fields, at the window's first size and at a larger one.
TEST_F(Render, EditorPagesWithEntries)
{
    prompts.openFile(QStringLiteral(UF_TEST_DATA_DIR "/gauge.spc"));
    action("Openspcfile1")->trigger();
    builder->classPage->ancestorbox->setEditText(QStringLiteral("TPanel"));
    builder->classPage->ancestorboxChange();   // an ancestor that publishes events
    auto *page = builder->methodsPage();
    page->Methodname->setText(QStringLiteral("Recalibrate"));
    page->plist->setText(QStringLiteral("Low, High: integer"));
    page->vcheck->setChecked(true);
    builder->eventHandlersPage()->eventname->setText(QStringLiteral("OnOverflow"));
    builder->messageHandlersPage()->messname->setText(QStringLiteral("WM_RESET"));
    builder->messageHandlersPage()->winlist->item(3)->setSelected(true);

    const struct {
        int page;
        const char *name;
    } pages[] = {{TBuilder::MethodsPageIndex, "methods"},
                 {TBuilder::EventHandlersPageIndex, "event-handlers"},
                 {TBuilder::MessageHandlersPageIndex, "message-handlers"}};
    for (const QSize size : {QSize(552, 408), QSize(860, 600)}) {
        builder->resize(size);
        for (const auto &p : pages) {
            builder->showPage(p.page);
            save(builder.get(), QStringLiteral("entries-%1-%2x%3")
                                    .arg(QLatin1String(p.name)).arg(size.width()).arg(size.height()));
            EXPECT_EQ(clipped(builder.get()), QStringList()) << p.name << " at " << size.width();
        }
    }
}
