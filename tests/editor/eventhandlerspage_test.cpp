// The Event Handlers page: its controls, the checks of Add, the entries an
// event adds to the property and event lists, Remove keeping the lists
// aligned, and edit-back.
#include "editor/eventhandlerspage.h"
#include "rowname.h"

#include "editor/documentlistbox.h"
#include "generator/unitgenerator.h"
#include "model/ancestortable.h"
#include "pagetestbed.h"
#include "specfile/specfile.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>

using namespace Qt::StringLiterals;
using Kind = UserPrompts::Kind;
using Answer = UserPrompts::Answer;

namespace {

// An event as the user enters it.
struct EventFields {
    QString name;
    QString type = u"TNotifyEvent"_s;
    QString params;
    bool isProtected = false;
    QString comment;
};

struct EventCheckRow {
    const char *name;
    QString typed;
    QString type;
    QString message;       // empty: refused without a word
    const char *focus;     // the control focused afterwards
    QString shown;         // the name field afterwards
};
UF_ROW_NAME(EventCheckRow)

struct EventEntryRow {
    const char *name;
    EventFields fields;
    QStringList properties;   // the thirteen property lists, as in propertyRow()
    QStringList events;       // Events, EventTypes, EventParams, EProtected
};
UF_ROW_NAME(EventEntryRow)

struct EventPendingRow {
    const char *name;
    Answer answer;
    QStringList defined;
};
UF_ROW_NAME(EventPendingRow)

template <class Row>
    requires requires(const Row &row) { row.name; }
UF_ROW_NAME(Row)

QStringList propertyRow(const ComponentSpec &s, qsizetype i)
{
    return {s.Properties.value(i), s.ArrayProperties.value(i), s.PropertyComments.value(i),
            s.DefaultValues.value(i), s.Initializers.value(i), s.Storage.value(i),
            s.Attributes.value(i), s.Sections.value(i), s.Variables.value(i),
            s.ReadWrite.value(i), s.Types.value(i), s.RMethods.value(i), s.WMethods.value(i)};
}

QStringList eventRow(const ComponentSpec &s, qsizetype e)
{
    return {s.Events.value(e), s.EventTypes.value(e), s.EventParams.value(e), s.EProtected.value(e)};
}

} // namespace

class EventHandlersPageTest : public PageTestBed<EventHandlersPage>
{
protected:
    void enter(const EventFields &f)
    {
        retype(page.eventname, f.name);
        retype(page.eventtype, f.type);
        retype(page.Edit5, f.params);
        if (page.pcheck->isChecked() != f.isProtected)
            click(page.pcheck);
        memoform.setText(f.comment);
    }

    void add(const EventFields &f)
    {
        enter(f);
        click(page.Button5);
    }

    PropertyInput property(const QString &name) const
    {
        PropertyInput p;
        p.name = name;
        p.type = u"integer"_s;
        return p;
    }
};

// ---- controls -------------------------------------------------------------------

class EventHandlersPageControls : public EventHandlersPageTest,
                                  public ::testing::WithParamInterface<ControlRow>
{
};

TEST_P(EventHandlersPageControls, AsTheWindowStarts)
{
    expectControl(&page, GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    EventHandlersPage, EventHandlersPageControls,
    ::testing::Values(
        ControlRow{"eventname", "QLineEdit", u"&Handler Name:"_s, u"enabled, \"\""_s,
                   u"Enter a name for the event handler"_s, 41006},
        ControlRow{"SpeedButton3", "QToolButton", QString(), u"enabled"_s, u"Add a Source code comment"_s},
        ControlRow{"eventtype", "QComboBox", u"&Type:"_s, u"enabled, \"TNotifyEvent\""_s,
                   u"Enter or Select the handler type"_s, 41006, {u"TNotifyEvent"_s, u"TMessageEvent"_s}},
        ControlRow{"Edit5", "QLineEdit", u"Parameter&s:"_s, u"enabled, \"\""_s,
                   u"Enter the paramater list (without parentheses)"_s, 41006},
        ControlRow{"pcheck", "QCheckBox", u"Protecte&d"_s, u"enabled, unchecked"_s,
                   u"Check to make handler protected"_s},
        ControlRow{"ListBox3", "QListWidget", u"Handlers Defined..."_s, u"enabled"_s, u"Handlers Defined"_s},
        ControlRow{"ListBox5", "QListWidget", u"Standard Events..."_s, u"enabled"_s,
                   u"Standard Events for this class"_s},
        ControlRow{"Button5", "QPushButton", u"&Add >>"_s, u"disabled"_s, u"Add to list of defined handlers"_s},
        ControlRow{"Button6", "QPushButton", u"<< R&emove "_s, u"disabled"_s,
                   u"Remove from list of defined handlers"_s, 41018}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(EventHandlersPageTest, StandardEventsFollowTheAncestorAndResetEmptiesTheLists)
{
    document.refillAncestorMembers(ancestorIndex(u"TTimer"_s));
    EXPECT_EQ(itemsOf(page.ListBox5), QStringList({u"OnTimer"_s}));
    add({u"Change"_s});
    retype(page.eventname, u"Typed"_s);
    document.reset();
    EXPECT_TRUE(itemsOf(page.ListBox3).isEmpty());
    EXPECT_TRUE(itemsOf(page.ListBox5).isEmpty());
    EXPECT_TRUE(page.Button6->isEnabled()) << "Reset leaves the button as it is";
    EXPECT_EQ(page.eventname->text(), "Typed");
}

// ---- checks ---------------------------------------------------------------------

class EventChecks : public EventHandlersPageTest, public ::testing::WithParamInterface<EventCheckRow>
{
};

TEST_P(EventChecks, FirstFailingCheckShowsItsMessageAndAddsNothing)
{
    const EventCheckRow row = GetParam();
    add({u"OnOverflow"_s});
    page.Edit5->setFocus();
    page.eventname->setText(row.typed);
    page.eventtype->setEditText(row.type);
    if (!row.message.isEmpty())
        prompts.answer(Answer::Ok);
    page.Button5Click();

    if (row.message.isEmpty()) {
        EXPECT_TRUE(prompts.log().isEmpty());
    } else {
        ASSERT_EQ(prompts.log().size(), 1);
        EXPECT_EQ(prompts.log()[0].kind, Kind::Error);
        EXPECT_EQ(prompts.log()[0].text, row.message);
        EXPECT_EQ(prompts.log()[0].buttons, UserPrompts::Buttons::Ok);
    }
    EXPECT_EQ(page.focusWidget()->objectName(), QLatin1String(row.focus));
    EXPECT_EQ(page.eventname->text(), row.shown);
    EXPECT_EQ(spec.Properties, QStringList({u"OnOverflow"_s}));
    EXPECT_EQ(spec.Events, QStringList({u"OnOverflow"_s}));
}

INSTANTIATE_TEST_SUITE_P(
    EventHandlersPage, EventChecks,
    ::testing::Values(
        EventCheckRow{"EmptyNameSaysNothing", QString(), u"TNotifyEvent"_s, QString(), "Edit5", QString()},
        EventCheckRow{"NameIsNormalisedBeforeItIsCompared", u"overflow"_s, u"TNotifyEvent"_s,
                      u"You already have an event handler named Onoverflow"_s, "eventname", u"Onoverflow"_s},
        EventCheckRow{"DefinedComesBeforeEmptyType", u"ONOVERFLOW"_s, QString(),
                      u"You already have an event handler named ONOVERFLOW"_s, "eventname", u"ONOVERFLOW"_s},
        EventCheckRow{"EmptyType", u"Change"_s, QString(), u"You must specify an event type"_s,
                      "eventtype", u"OnChange"_s}),
    [](const auto &info) { return std::string(info.param.name); });

// ---- entries --------------------------------------------------------------------

class EventEntries : public EventHandlersPageTest, public ::testing::WithParamInterface<EventEntryRow>
{
};

TEST_P(EventEntries, AnEventIsAPropertyAndAnEvent)
{
    const EventEntryRow row = GetParam();
    document.addProperty(property(u"Value"_s));
    add(row.fields);
    EXPECT_EQ(propertyRow(spec, 1), row.properties);
    EXPECT_EQ(eventRow(spec, 0), row.events);
    EXPECT_EQ(itemsOf(page.ListBox3), QStringList({row.properties.first()}));
    EXPECT_EQ(spec.Properties.size(), spec.Attributes.size());

    // Ready for the next event; the type stays.
    EXPECT_EQ(stateOf(page.eventname), "enabled, \"\"");
    EXPECT_EQ(stateOf(page.Edit5), "enabled, \"\"");
    EXPECT_EQ(stateOf(page.pcheck), "enabled, unchecked");
    EXPECT_EQ(page.eventtype->currentText(), row.fields.type);
    EXPECT_TRUE(page.Button6->isEnabled());
    EXPECT_FALSE(page.Button5->isEnabled());
    EXPECT_TRUE(memoform.text().isEmpty());
    EXPECT_EQ(page.focusWidget(), page.eventname);
}

INSTANTIATE_TEST_SUITE_P(
    EventHandlersPage, EventEntries,
    ::testing::Values(
        EventEntryRow{"OnPutInFront", {u"Overflow"_s},
                      {u"OnOverflow"_s, u"*"_s, QString(), u"*"_s, u"*"_s, u"*"_s, u"****"_s,
                       u"published"_s, u"FOnOverflow"_s, u"read FOnOverflow write FOnOverflow"_s,
                       u"TNotifyEvent"_s, u"*"_s, u"*"_s},
                      {u"OnOverflow"_s, u"TNotifyEvent"_s, u"*"_s, u"*"_s}},
        EventEntryRow{"LowerCaseOnKept", {u"onchange"_s, u"TMessageEvent"_s, u"Sender: TObject"_s, true, u"c"_s},
                      {u"onchange"_s, u"*"_s, u"c"_s, u"*"_s, u"*"_s, u"*"_s, u"****"_s,
                       u"protected"_s, u"Fonchange"_s, u"read Fonchange write Fonchange"_s,
                       u"TMessageEvent"_s, u"*"_s, u"*"_s},
                      {u"onchange"_s, u"TMessageEvent"_s, u"Sender: TObject"_s, u"protected"_s}},
        EventEntryRow{"WordBeginningWithOnKept", {u"Online"_s, u"TMyEvent"_s},
                      {u"Online"_s, u"*"_s, QString(), u"*"_s, u"*"_s, u"*"_s, u"****"_s,
                       u"published"_s, u"FOnline"_s, u"read FOnline write FOnline"_s,
                       u"TMyEvent"_s, u"*"_s, u"*"_s},
                      {u"Online"_s, u"TMyEvent"_s, u"*"_s, u"*"_s}},
        EventEntryRow{"OneLetter", {u"O"_s},
                      {u"OnO"_s, u"*"_s, QString(), u"*"_s, u"*"_s, u"*"_s, u"****"_s,
                       u"published"_s, u"FOnO"_s, u"read FOnO write FOnO"_s,
                       u"TNotifyEvent"_s, u"*"_s, u"*"_s},
                      {u"OnO"_s, u"TNotifyEvent"_s, u"*"_s, u"*"_s}}),
    [](const auto &info) { return std::string(info.param.name); });

// ---- Remove ----------------------------------------------------------------------

TEST_F(EventHandlersPageTest, RemoveTakesTheSelectedEventAndDisablesWithTheLast)
{
    add({u"OnA"_s});
    add({u"OnB"_s, u"TMessageEvent"_s, u"X: integer"_s, true});
    click(page.Button6);
    EXPECT_EQ(spec.Events.size(), 2) << "nothing selected, nothing removed";

    clickRow(page.ListBox3, 0);
    click(page.Button6);
    EXPECT_EQ(eventRow(spec, 0), QStringList({u"OnB"_s, u"TMessageEvent"_s, u"X: integer"_s, u"protected"_s}));
    EXPECT_EQ(spec.Properties, QStringList({u"OnB"_s}));
    EXPECT_TRUE(page.Button6->isEnabled()) << "lines remain";

    clickRow(page.ListBox3, 0);
    click(page.Button6);
    EXPECT_TRUE(spec.Properties.isEmpty());
    EXPECT_TRUE(spec.EProtected.isEmpty());
    EXPECT_FALSE(page.Button6->isEnabled());
}

// The event sits between two properties in the property lists; after it is
// gone each property keeps its own entries, which the unit shows.
TEST_F(EventHandlersPageTest, RemovingAnEventBetweenPropertiesKeepsThemAligned)
{
    PropertyInput size = property(u"Size"_s);
    size.readOnly = true;
    size.readMethod = u"GetSize"_s;
    document.addProperty(size);
    add({u"OnResize"_s, u"TNotifyEvent"_s, QString(), true});
    PropertyInput color = property(u"Color"_s);
    color.isProtected = true;
    color.defaultValue = u"5"_s;
    document.addProperty(color);

    clickRow(page.ListBox3, 0);
    click(page.Button6);

    EXPECT_EQ(spec.Attributes, QStringList({u"*R**"_s, u"***P"_s}));
    EXPECT_EQ(spec.Sections, QStringList({u"public"_s, u"protected"_s}));
    EXPECT_EQ(spec.Initializers, QStringList({u"*"_s, u"     FColor := 5;"_s}));
    const QStringList unit = generateUnit(spec, Style(), awk, nullptr).lines;
    const qsizetype protectedAt = unit.indexOf(u"  protected"_s);
    const qsizetype publicAt = unit.indexOf(u"  public"_s);
    EXPECT_EQ(unit.indexOf(u"    Property Color : integer read FColor write FColor default 5;"_s),
              protectedAt + 1);
    EXPECT_GT(unit.indexOf(u"    Property Size : integer read GetSize ;"_s), publicAt);
    EXPECT_FALSE(unit.join(u'\n').contains(u"OnResize"_s));
}

// ---- edit-back --------------------------------------------------------------------

class EventEditBack : public EventHandlersPageTest, public ::testing::WithParamInterface<EventEntryRow>
{
};

TEST_P(EventEditBack, ThenAddGivesTheSameEntries)
{
    const EventEntryRow row = GetParam();
    add(row.fields);
    add({u"OnOther"_s});
    const QStringList properties = propertyRow(spec, 0);
    const QStringList events = eventRow(spec, 0);

    click(page.pcheck);
    retype(page.Edit5, u"typed before"_s);
    retype(page.eventtype, u"TOtherEvent"_s);
    memoform.setText(u"typed before"_s);
    doubleClickRow(page.ListBox3, 0);

    EXPECT_EQ(page.eventname->text(), properties.first());
    EXPECT_EQ(page.eventtype->currentText(), row.fields.type);
    EXPECT_EQ(page.Edit5->text(), row.fields.params == u"*"_s ? QString() : row.fields.params);
    EXPECT_EQ(page.pcheck->isChecked(), row.fields.isProtected);
    EXPECT_EQ(memoform.text(), row.fields.comment);
    EXPECT_EQ(spec.Events, QStringList({u"OnOther"_s})) << "taken out of the lists";

    click(page.Button5);
    EXPECT_EQ(propertyRow(spec, 1), properties);
    EXPECT_EQ(eventRow(spec, 1), events);
}

INSTANTIATE_TEST_SUITE_P(
    EventHandlersPage, EventEditBack,
    ::testing::Values(
        EventEntryRow{"Published", {u"Overflow"_s}},
        EventEntryRow{"ProtectedWithParametersAndComment",
                      {u"onchange"_s, u"TMessageEvent"_s, u"Sender: TObject"_s, true, u"why"_s}},
        EventEntryRow{"ParametersThatAreTheNoneMarker", {u"OnStar"_s, u"TNotifyEvent"_s, u"*"_s}}),
    [](const auto &info) { return std::string(info.param.name); });

class EventPendingQuestion : public EventHandlersPageTest,
                             public ::testing::WithParamInterface<EventPendingRow>
{
};

TEST_P(EventPendingQuestion, IsAskedBeforeTheSelectedEventIsLoadedOverTheFields)
{
    add({u"OnChange"_s});
    enter({u"Pending"_s, u"TMessageEvent"_s, u"X: byte"_s, true});
    prompts.answer(GetParam().answer);
    doubleClickRow(page.ListBox3, 0);
    ASSERT_EQ(prompts.log().size(), 1);
    EXPECT_EQ(prompts.log()[0].kind, Kind::Warning);
    EXPECT_EQ(prompts.log()[0].buttons, UserPrompts::Buttons::YesNo);
    EXPECT_EQ(prompts.log()[0].text, u"Event 'Pending' has been changed.  Do You want to Add it ?\r\r"
                                     "(Selecting No here will discard the event)"_s);
    EXPECT_EQ(spec.DefinedHandlers, GetParam().defined);
    EXPECT_EQ(page.eventname->text(), "OnChange");
    EXPECT_EQ(page.eventtype->currentText(), "TNotifyEvent");
    EXPECT_EQ(page.Edit5->text(), "");
    EXPECT_FALSE(page.pcheck->isChecked());
}

INSTANTIATE_TEST_SUITE_P(EventHandlersPage, EventPendingQuestion,
                         ::testing::Values(EventPendingRow{"Yes", Answer::Yes, {u"OnPending"_s}},
                                           EventPendingRow{"No", Answer::No, {}},
                                           EventPendingRow{"Closed", Answer::Cancel, {}}),
                         [](const auto &info) { return std::string(info.param.name); });

// A file may leave an event without its parameters entry (an empty value is
// not read in); the parameter field then keeps what it shows.
TEST_F(EventHandlersPageTest, EditBackLeavesTheParametersWhenTheirEntryIsMissing)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"short.spc"_s);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Component]\r\nPropertyCount=1\r\nEventCount=1\r\n[Events]\r\n0=OnTick\r\n"
               "[Eventtypes]\r\n0=TNotifyEvent\r\n[Properties]\r\n0=OnTick\r\n");
    file.close();
    document.open(specificationFiles(), path, awk);
    ASSERT_TRUE(spec.EventParams.isEmpty());

    retype(page.Edit5, u"A: integer"_s);
    click(page.pcheck);
    doubleClickRow(page.ListBox3, 0);
    EXPECT_EQ(page.eventname->text(), "OnTick");
    EXPECT_EQ(page.Edit5->text(), "A: integer");
    EXPECT_FALSE(page.pcheck->isChecked()) << "its entry is there, empty";
    EXPECT_TRUE(spec.Properties.isEmpty());
}
