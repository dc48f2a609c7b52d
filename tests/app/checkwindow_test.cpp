// The check of the specification in the window: the findings below the Output
// text, the way from a finding to its entry, and what the status line says.
#include "builderfixture.h"
#include "rowname.h"
#include "model/specbuilders.h"

#include "app/findingslist.h"
#include "app/outputpage.h"
#include "app/stylepage.h"
#include "editor/classpage.h"
#include "model/standardmessages.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>

using namespace Qt::StringLiterals;
using Answer = UserPrompts::Answer;
using Kind = Finding::Kind;

namespace {

EventInput event(const QString &name, const QString &type)
{
    EventInput input;
    input.name = name;
    input.type = type;
    return input;
}

void selectStandardMessage(SpecDocument &document, const QString &name)
{
    document.setStandardMessageSelected(int(standardMessageNames().indexOf(name)), true);
}

} // namespace

class CheckInWindow : public BuilderTest
{
protected:
    void SetUp() override
    {
        BuilderTest::SetUp();
        builder->classPage->clname->setText(u"TGauge"_s);
    }

    FindingsList *list() { return builder->outputPage()->findingsList; }
    QString status() { return find<QLabel>("Panel1")->text(); }
    int page() { return builder->PageControl1->currentIndex(); }

    bool holdsFocus(QWidget *control)
    {
        QWidget *focused = builder->focusWidget();
        return focused && (focused == control || control->isAncestorOf(focused));
    }

    // The first line about the entry ("property 'Ratio'"), double-clicked.
    void doubleClickFinding(const QString &entry)
    {
        for (int line = 0; line < list()->topLevelItemCount(); ++line) {
            QTreeWidgetItem *item = list()->topLevelItem(line);
            if (item->text(FindingsList::EntryColumn) != entry)
                continue;
            list()->scrollToItem(item);
            // As the platform delivers it: a click, then the second press as a double-click.
            const QPoint centre = list()->visualItemRect(item).center();
            QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, centre);
            QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, centre);
            return;
        }
        ADD_FAILURE() << "no finding about " << entry.toStdString();
    }
};

// ---- From a finding to its entry ---------------------------------------------

struct EntryRow {
    const char *name;
    void (*setUp)(TBuilder &window, SpecDocument &document);
    const char *entry;  // the finding double-clicked, as the list shows its entry
    int page;           // the page shown afterwards
    const char *control;
    int row;            // the list's row that is selected; -1: a field, its text selected
};

UF_ROW_NAME(EntryRow)

class FindingEntry : public CheckInWindow, public ::testing::WithParamInterface<EntryRow>
{
};

TEST_P(FindingEntry, DoubleClickShowsThePageAndSelectsTheEntryWithoutChangingIt)
{
    const EntryRow &row = GetParam();
    row.setUp(*builder, builder->document());
    QSignalSpy changes(&builder->document(), &SpecDocument::changed);

    action("CheckSpecification1")->trigger();
    ASSERT_TRUE(list()->isVisible());
    doubleClickFinding(QString::fromLatin1(row.entry));

    EXPECT_EQ(page(), row.page);
    QWidget *control = find<QWidget>(row.control);
    ASSERT_NE(control, nullptr);
    EXPECT_TRUE(holdsFocus(control)) << "the focus is on "
        << (builder->focusWidget() ? builder->focusWidget()->objectName().toStdString() : "nothing");
    if (auto *listBox = qobject_cast<QListWidget *>(control)) {
        EXPECT_EQ(listBox->currentRow(), row.row);
        ASSERT_NE(listBox->item(row.row), nullptr);
        EXPECT_TRUE(listBox->item(row.row)->isSelected());
    } else {
        auto *box = qobject_cast<QComboBox *>(control);
        auto *field = box ? box->lineEdit() : qobject_cast<QLineEdit *>(control);
        ASSERT_NE(field, nullptr);
        EXPECT_FALSE(field->text().isEmpty());
        EXPECT_EQ(field->selectedText(), field->text());
    }
    EXPECT_EQ(changes.count(), 0) << "the specification changed";
}

INSTANTIATE_TEST_SUITE_P(
    CheckInWindow, FindingEntry,
    ::testing::Values(
        EntryRow{"UnitName", [](TBuilder &, SpecDocument &d) { d.setFilename(u"type.pas"_s); },
                 "unit 'type'", TBuilder::ClassPageIndex, "unitname", -1},
        EntryRow{"ClassName", [](TBuilder &, SpecDocument &d) { d.setClassname(u"Object"_s); },
                 "class 'Object'", TBuilder::ClassPageIndex, "clname", -1},
        EntryRow{"Ancestor", [](TBuilder &, SpecDocument &d) { d.setAncestor(u"TStringList"_s); },
                 "ancestor 'TStringList'", TBuilder::ClassPageIndex, "ancestorbox", -1},
        EntryRow{"PalettePage", [](TBuilder &, SpecDocument &d) { d.setPalettepage(u"Tom's"_s); },
                 "palette page 'Tom's'", TBuilder::ClassPageIndex, "palpage", -1},
        EntryRow{"SeparatorCharacter",
                 [](TBuilder &w, SpecDocument &) {
                     w.stylePage()->numchars->setValue(10);
                     w.stylePage()->charcombo->setEditText(u"}"_s);
                 },
                 "style '}'", TBuilder::StylePageIndex, "charcombo", -1},
        // Events share the property lists but not ListBox1: the row is found by name.
        EntryRow{"PropertyAfterAnEvent",
                 [](TBuilder &, SpecDocument &d) {
                     d.addEventHandler(event(u"OnGo"_s, u"TNotifyEvent"_s));
                     d.addProperty(property(u"Level"_s, u"integer"_s));
                     d.addProperty(property(u"Ratio"_s, u"Double"_s, u"1.5"_s));
                 },
                 "property 'Ratio'", TBuilder::PropertiesPageIndex, "ListBox1", 1},
        EntryRow{"SecondOfTwoPropertiesOfOneName",
                 [](TBuilder &, SpecDocument &d) {
                     d.addProperty(property(u"Level"_s, u"integer"_s));
                     d.addProperty(property(u"Count"_s, u"integer"_s));
                     d.addProperty(property(u"level"_s, u"integer"_s));
                 },
                 "property 'level'", TBuilder::PropertiesPageIndex, "ListBox1", 2},
        EntryRow{"Event",
                 [](TBuilder &, SpecDocument &d) {
                     d.addProperty(property(u"Level"_s, u"integer"_s));
                     d.addEventHandler(event(u"OnGo"_s, u"TNotifyEvent"_s));
                     d.addEventHandler(event(u"OnLevel"_s, u"integer"_s));
                 },
                 "event 'OnLevel'", TBuilder::EventHandlersPageIndex, "ListBox3", 1},
        EntryRow{"Method",
                 [](TBuilder &, SpecDocument &d) {
                     d.addMethod(method(u"Procedure"_s, u"Move"_s));
                     d.addMethod(method(u"Function"_s, u"Total"_s));
                 },
                 "method 'Total'", TBuilder::MethodsPageIndex, "ListBox2", 1},
        EntryRow{"UserMessage",
                 [](TBuilder &, SpecDocument &d) {
                     d.addUserMessage(u"WM_GO"_s, 7);
                     d.addUserMessage(u"WM_STOP"_s, 7);
                 },
                 "message 'WM_STOP'", TBuilder::MessageHandlersPageIndex, "userlist", 1},
        // Its selection is the specification's: the finding moves only the current line.
        EntryRow{"StandardMessage",
                 [](TBuilder &, SpecDocument &d) {
                     selectStandardMessage(d, u"WM_USER"_s);
                     selectStandardMessage(d, u"DM_GETDEFID"_s);
                 },
                 "message 'WM_USER'", TBuilder::MessageHandlersPageIndex, "winlist",
                 223}),
    [](const auto &info) { return std::string(info.param.name); });

// ---- The status line and the list -------------------------------------------

struct StatusRow {
    const char *name;
    void (*setUp)(SpecDocument &document);
    const char *command;
    const char *status;      // after the unit's file name for Build
    const char *severities;  // the list's lines, as their first column shows them
    int page;
};

UF_ROW_NAME(StatusRow)

class CheckStatus : public CheckInWindow, public ::testing::WithParamInterface<StatusRow>
{
};

TEST_P(CheckStatus, SaysHowManyFindingsAndShowsThemInTheList)
{
    const StatusRow &row = GetParam();
    row.setUp(builder->document());
    builder->outputPage()->setLines({u"unit earlier;"_s});
    // What an earlier check showed goes.
    list()->setFindings({Finding{Kind::Class, u"TOld"_s, -1, u"old"_s, Finding::Severity::Error}});
    builder->showPage(TBuilder::MethodsPageIndex);
    const bool built = row.command == std::string("BuildOutput1");
    // The text is no unit a merge could keep: Build asks before it replaces it.
    if (built)
        prompts.answer(Answer::Yes);

    action(row.command)->trigger();

    const QString unit = QDir(dir.path()).filePath(u"unit1.pas"_s);
    EXPECT_EQ(status(), (built ? unit : QString()) + QString::fromLatin1(row.status));
    QStringList severities;
    for (int line = 0; line < list()->topLevelItemCount(); ++line)
        severities.append(list()->topLevelItem(line)->text(FindingsList::SeverityColumn));
    EXPECT_EQ(severities.join(u' '), QString::fromLatin1(row.severities));
    EXPECT_EQ(list()->isVisible(), !severities.isEmpty());
    EXPECT_EQ(page(), row.page);
    if (!built)
        EXPECT_EQ(builder->outputPage()->lines(), QStringList({u"unit earlier;"_s, QString()}));
}

INSTANTIATE_TEST_SUITE_P(
    CheckInWindow, CheckStatus,
    ::testing::Values(
        StatusRow{"BuildWithoutFindings", [](SpecDocument &) {}, "BuildOutput1", " built", "",
                  TBuilder::OutputPageIndex},
        StatusRow{"BuildWithOneErrorAndTwoWarnings",
                  [](SpecDocument &d) {
                      d.addProperty(property(u"Ratio"_s, u"Double"_s, u"1.5"_s));
                      d.addProperty(property(u"Title"_s, u"String"_s, u"abc"_s));
                      d.addEventHandler(event(u"OnLevel"_s, u"integer"_s));
                  },
                  "BuildOutput1", " built (1 error, 2 warnings)",
                  "Error Warning Warning", TBuilder::OutputPageIndex},
        StatusRow{"BuildWithOneWarning",
                  [](SpecDocument &d) { d.addProperty(property(u"Title"_s, u"String"_s, u"abc"_s)); },
                  "BuildOutput1", " built (1 warning)", "Warning", TBuilder::OutputPageIndex},
        StatusRow{"CheckWithoutFindingsStaysOnThePage", [](SpecDocument &) {}, "CheckSpecification1",
                  "Specification checked: no findings", "", TBuilder::MethodsPageIndex},
        StatusRow{"CheckWithTwoErrors",
                  [](SpecDocument &d) {
                      d.addMethod(method(u"Function"_s, u"Total"_s));
                      d.addUserMessage(u"WM-GO"_s, 3);
                  },
                  "CheckSpecification1", "Specification checked: 2 errors", "Error Error",
                  TBuilder::OutputPageIndex}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(CheckInWindow, NewTakesTheFindingsAwayWithTheUnit)
{
    builder->document().addProperty(property(u"Ratio"_s, u"Double"_s, u"1.5"_s));
    action("BuildOutput1")->trigger();
    ASSERT_TRUE(list()->isVisible());
    prompts.answer(Answer::No).answer(Answer::No);
    action("New1")->trigger();
    EXPECT_FALSE(list()->isVisible());
    EXPECT_EQ(list()->topLevelItemCount(), 0);
}

// For a person to look at: screenshots/output-findings-*.png in the build tree.
TEST_F(CheckInWindow, RenderTheOutputPageWithFindings)
{
    prompts.answer(UserPrompts::Answer::No).openFile(QStringLiteral(UF_TEST_DATA_DIR "/gauge.spc"));
    action("Openspcfile1")->trigger();
    SpecDocument &document = builder->document();
    document.addProperty(property(u"Ratio"_s, u"Double"_s, u"1.5"_s));
    document.addProperty(property(u"Title"_s, u"String"_s, u"abc"_s));
    document.addMethod(method(u"Function"_s, u"Total"_s));
    document.addUserMessage(u"WM_GO"_s, 7);
    document.addUserMessage(u"WM_STOP"_s, 7);
    action("BuildOutput1")->trigger();
    ASSERT_GE(list()->topLevelItemCount(), 5);

    QDir().mkpath(QStringLiteral(UF_SCREENSHOT_DIR));
    for (const QSize size : {QSize(552, 408), QSize(860, 600)}) {
        builder->resize(size);
        QApplication::processEvents();
        const QString name = u"%1/output-findings-%2x%3.png"_s.arg(QStringLiteral(UF_SCREENSHOT_DIR))
                                 .arg(size.width()).arg(size.height());
        EXPECT_TRUE(builder->grab().save(name));
        // The text keeps most of the page; the list shows its first four lines whole.
        EXPECT_GT(builder->outputPage()->Memo1->height(), list()->height()) << size.width();
        EXPECT_GE(list()->viewport()->height(),
                  4 * list()->visualItemRect(list()->topLevelItem(0)).height()) << size.width();
        const QRect inWindow(list()->mapTo(builder.get(), QPoint(0, 0)), list()->size());
        EXPECT_TRUE(builder->rect().contains(inWindow)) << size.width();
    }
}
