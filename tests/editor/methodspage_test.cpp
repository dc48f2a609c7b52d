// The Methods page: its controls, the checks of Add, the headings it
// composes, the binding and section interlocks, Remove, and edit-back.
#include "editor/methodspage.h"
#include "rowname.h"

#include "editor/documentlistbox.h"
#include "pagetestbed.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

using namespace Qt::StringLiterals;
using Kind = UserPrompts::Kind;
using Answer = UserPrompts::Answer;

namespace {

// A method as the user enters it.
struct MethodFields {
    QString kind = u"Procedure"_s;
    QString name;
    QString params;
    QString returnType;
    char binding = 's';            // 'v'irtual, 'd'ynamic, 's'tatic
    bool isOverride = false;
    bool isAbstract = false;
    QString section = u"public"_s;   // "private", "public", "protected" or "none"
    QString comment;
};

struct MethodCheckRow {
    const char *name;
    int kind;                 // index in Methodtype; -1: no kind
    QString methodName;
    QString returnType;
    Kind box;
    QString message;
    const char *focus;        // the control focused afterwards
};
UF_ROW_NAME(MethodCheckRow)

struct HeadingRow {
    const char *name;
    MethodFields fields;
    QString heading;
    QString section;
};
UF_ROW_NAME(HeadingRow)

struct SectionRow {
    const char *name;
    QStringList clicks;
    QStringList states;   // methprivate, methpublic, methprotected
};
UF_ROW_NAME(SectionRow)

struct MethodPendingRow {
    const char *name;
    Answer answer;
    QStringList defined;   // after the edit-back
};
UF_ROW_NAME(MethodPendingRow)

template <class Row>
    requires requires(const Row &row) { row.name; }
UF_ROW_NAME(Row)

} // namespace

class MethodsPageTest : public PageTestBed<MethodsPage>
{
protected:
    void pick(QComboBox *box, const QString &text)
    {
        const int index = box->findText(text);
        ASSERT_GE(index, 0) << text.toStdString();
        box->setCurrentIndex(index);
        emit box->activated(index);
    }

    // From the page's state after Add (Static, Public only).
    void enter(const MethodFields &f)
    {
        pick(page.Methodtype, f.kind);
        retype(page.Methodname, f.name);
        retype(page.plist, f.params);
        if (page.returntype->isEnabled())
            retype(page.returntype, f.returnType);
        click(f.binding == 'v' ? page.vcheck : f.binding == 'd' ? page.dcheck : page.scheck);
        if (f.isAbstract)
            click(page.methabstract);
        if (f.isOverride)
            click(page.methoverride);
        if (f.section != u"public"_s)
            click(page.methpublic);   // unchecked: all three enabled
        if (f.section == u"private"_s)
            click(page.methprivate);
        else if (f.section == u"protected"_s)
            click(page.methprotected);
        memoform.setText(f.comment);
    }

    void add(const MethodFields &f)
    {
        enter(f);
        click(page.Button3);
    }

    // Heading, comment and section of method k, and its line in the list.
    QStringList entry(int k) const
    {
        return {spec.Methods.value(k), spec.MethodComments.value(k), spec.MethodSections.value(k),
                spec.DefinedMethods.value(k), page.ListBox2->lines().value(k)};
    }
};

// ---- controls -------------------------------------------------------------------

class MethodsPageControls : public MethodsPageTest, public ::testing::WithParamInterface<ControlRow>
{
};

TEST_P(MethodsPageControls, AsTheWindowStarts)
{
    expectControl(&page, GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    MethodsPage, MethodsPageControls,
    ::testing::Values(
        ControlRow{"Methodname", "QLineEdit", u"Met&hod Name:"_s, u"enabled, \"\""_s, u"Enter Method name"_s, 41007},
        ControlRow{"SpeedButton2", "QToolButton", QString(), u"enabled"_s, u"Add a Source code comment"_s},
        ControlRow{"Methodtype", "QComboBox", u"&Type:"_s, u"enabled, \"Procedure\""_s,
                   u"Select function or procedure"_s, 41007, {u"Function"_s, u"Procedure"_s}},
        ControlRow{"returntype", "QComboBox", u"Return T&ype:"_s, u"disabled, \"\""_s,
                   u"Select or Enter the type of data returned"_s, 41007,
                   {u"boolean"_s, u"byte"_s, u"char"_s, u"integer"_s, u"longint"_s, u"Pchar"_s,
                    u"real"_s, u"string"_s, u"word"_s}},
        ControlRow{"plist", "QLineEdit", u"Parameter&s:"_s, u"enabled, \"\""_s,
                   u"Enter the paramater declaration (without the parentheses)"_s, 41007},
        ControlRow{"GroupBox2", "QGroupBox", u"Type..."_s, u"enabled"_s, u"Select method options"_s},
        ControlRow{"vcheck", "QRadioButton", u"&Virtual"_s, u"enabled, unchecked"_s, u"Check to make method virtual"_s},
        ControlRow{"dcheck", "QRadioButton", u"&Dynamic"_s, u"enabled, unchecked"_s, u"Check to make method dynamic"_s},
        ControlRow{"scheck", "QRadioButton", u"Stati&c"_s, u"enabled, checked"_s, u"Check to make method static"_s},
        ControlRow{"GroupBox3", "QGroupBox", u"Options..."_s, u"enabled"_s, QString()},
        ControlRow{"methprivate", "QCheckBox", u"Pri&vate"_s, u"enabled, unchecked"_s, u"Make Method Private"_s},
        ControlRow{"methpublic", "QCheckBox", u"P&ublic"_s, u"enabled, checked"_s, u"Make Method Public"_s},
        ControlRow{"methprotected", "QCheckBox", u"P&rotected"_s, u"enabled, unchecked"_s, u"Make Method Protected"_s},
        ControlRow{"methabstract", "QCheckBox", u"&Abstract"_s, u"disabled, unchecked"_s, u"Make Method Abstract"_s},
        ControlRow{"methoverride", "QCheckBox", u"&Override"_s, u"enabled, unchecked"_s,
                   u"Use Override directive in method declaration"_s},
        ControlRow{"Button3", "QPushButton", u"&Add >>"_s, u"disabled"_s, u"Add to list of defined methods"_s},
        ControlRow{"Button4", "QPushButton", u"<< R&emove "_s, u"disabled"_s,
                   u"Remove from list of defined methods"_s, 41018},
        ControlRow{"ListBox2", "QListWidget", u"Methods Defined..."_s, u"enabled"_s, u"Defined Methods"_s}),
    [](const auto &info) { return std::string(info.param.name); });

// ---- checks ---------------------------------------------------------------------

class MethodChecks : public MethodsPageTest, public ::testing::WithParamInterface<MethodCheckRow>
{
};

TEST_P(MethodChecks, FirstFailingCheckShowsItsMessageAndAddsNothing)
{
    const MethodCheckRow row = GetParam();
    add({u"Procedure"_s, u"paint"_s});
    retype(page.Methodname, row.methodName);
    page.Methodtype->setCurrentIndex(row.kind);
    page.returntype->setEditText(row.returnType);
    page.plist->setFocus();
    prompts.answer(Answer::Ok);
    page.Button3Click();

    ASSERT_EQ(prompts.log().size(), 1);
    EXPECT_EQ(prompts.log()[0].kind, row.box);
    EXPECT_EQ(prompts.log()[0].text, row.message);
    EXPECT_EQ(prompts.log()[0].buttons, UserPrompts::Buttons::Ok);
    EXPECT_EQ(page.focusWidget()->objectName(), QLatin1String(row.focus));
    EXPECT_EQ(spec.Methods, QStringList({u"Procedure paint;"_s}));
    EXPECT_EQ(page.Methodname->text(), row.methodName) << "the fields stay";
}

INSTANTIATE_TEST_SUITE_P(
    MethodsPage, MethodChecks,
    ::testing::Values(
        MethodCheckRow{"DefinedNameInAnyCaseComesFirst", -1, u"PAINT"_s, QString(), Kind::Error,
                       u"You already have a method named PAINT"_s, "Methodname"},
        MethodCheckRow{"NoKind", -1, u"Reset"_s, QString(), Kind::Error,
                       u"Choose either Function or Procedure"_s, "Methodtype"},
        MethodCheckRow{"FunctionWithoutReturnTypeKeepsTheFocus", 0, u"Total"_s, QString(),
                       Kind::Warning, u"You must choose a return type for this function."_s, "plist"}),
    [](const auto &info) { return std::string(info.param.name); });

// ---- headings -------------------------------------------------------------------

class MethodHeadings : public MethodsPageTest, public ::testing::WithParamInterface<HeadingRow>
{
};

TEST_P(MethodHeadings, AddComposesTheHeadingAndTheSection)
{
    const HeadingRow row = GetParam();
    add(row.fields);
    EXPECT_EQ(entry(0), QStringList({row.heading, row.fields.comment, row.section, row.fields.name,
                                     row.fields.name}));
    EXPECT_TRUE(memoform.text().isEmpty());
    EXPECT_EQ(stateOf(page.methpublic), "enabled, checked");
}

INSTANTIATE_TEST_SUITE_P(
    MethodsPage, MethodHeadings,
    ::testing::Values(
        HeadingRow{"StaticProcedure", {u"Procedure"_s, u"Reset"_s}, u"Procedure Reset;"_s, u"public"_s},
        HeadingRow{"VirtualAbstractFunction",
                   {u"Function"_s, u"Total"_s, u"A, B: integer"_s, u"longint"_s, 'v', false, true,
                    u"protected"_s, u"Sum of A and B"_s},
                   u"Function Total(A, B: integer) : longint;virtual;abstract;"_s, u"protected"_s},
        HeadingRow{"DynamicOverride", {u"Procedure"_s, u"Draw"_s, QString(), QString(), 'd', true, false, u"private"_s},
                   u"Procedure Draw;dynamic;override;"_s, u"private"_s},
        HeadingRow{"StaticOverride", {u"Procedure"_s, u"Draw"_s, QString(), QString(), 's', true},
                   u"Procedure Draw;override;"_s, u"public"_s},
        HeadingRow{"NoSectionIsPublic", {u"Function"_s, u"Count"_s, QString(), u"integer"_s, 's', false, false, u"none"_s},
                   u"Function Count : integer;"_s, u"public"_s}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(MethodsPageTest, ProcedureKeepsTheReturnTypeTextButLeavesItOut)
{
    pick(page.Methodtype, u"Function"_s);
    EXPECT_TRUE(page.returntype->isEnabled());
    retype(page.returntype, u"integer"_s);
    pick(page.Methodtype, u"Procedure"_s);
    EXPECT_EQ(stateOf(page.returntype), "disabled, \"integer\"");
    retype(page.Methodname, u"Size"_s);
    click(page.Button3);
    EXPECT_EQ(spec.Methods, QStringList({u"Procedure Size;"_s}));
    EXPECT_EQ(page.returntype->currentText(), "integer");
}

// ---- interlocks ------------------------------------------------------------------

TEST_F(MethodsPageTest, AbstractOnlyForVirtualOrDynamic)
{
    click(page.vcheck);
    EXPECT_TRUE(page.methabstract->isEnabled());
    click(page.methabstract);
    click(page.dcheck);
    EXPECT_EQ(stateOf(page.methabstract), "enabled, checked") << "Virtual to Dynamic keeps it";
    click(page.scheck);
    EXPECT_EQ(stateOf(page.methabstract), "disabled, unchecked");
}

class SectionInterlock : public MethodsPageTest, public ::testing::WithParamInterface<SectionRow>
{
};

TEST_P(SectionInterlock, AtMostOneSectionIsChecked)
{
    for (const QString &box : GetParam().clicks)
        click(page.findChild<QCheckBox *>(box));
    EXPECT_EQ(QStringList({stateOf(page.methprivate), stateOf(page.methpublic), stateOf(page.methprotected)}),
              GetParam().states);
}

INSTANTIATE_TEST_SUITE_P(
    MethodsPage, SectionInterlock,
    ::testing::Values(
        SectionRow{"PublicUnchecked", {u"methpublic"_s},
                   {u"enabled, unchecked"_s, u"enabled, unchecked"_s, u"enabled, unchecked"_s}},
        SectionRow{"PrivateChecked", {u"methpublic"_s, u"methprivate"_s},
                   {u"enabled, checked"_s, u"disabled, unchecked"_s, u"disabled, unchecked"_s}},
        SectionRow{"ProtectedCheckedThenUnchecked", {u"methpublic"_s, u"methprotected"_s, u"methprotected"_s},
                   {u"enabled, unchecked"_s, u"enabled, unchecked"_s, u"enabled, unchecked"_s}},
        SectionRow{"CheckedFromTheStart", {u"methprotected"_s},
                   {u"disabled, unchecked"_s, u"disabled, unchecked"_s, u"enabled, checked"_s}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(MethodsPageTest, AddLeavesStaticPublicAndAnEmptyName)
{
    add({u"Function"_s, u"Total"_s, u"A: integer"_s, u"longint"_s, 'v', true, true, u"protected"_s, u"c"_s});
    const QList<std::pair<QWidget *, QString>> expected{
        {page.scheck, u"enabled, checked"_s},        {page.vcheck, u"enabled, unchecked"_s},
        {page.methabstract, u"disabled, unchecked"_s}, {page.methoverride, u"enabled, unchecked"_s},
        {page.methprivate, u"disabled, unchecked"_s},  {page.methpublic, u"enabled, checked"_s},
        {page.methprotected, u"disabled, unchecked"_s}, {page.Methodname, u"enabled, \"\""_s},
        {page.plist, u"enabled, \"\""_s},              {page.Methodtype, u"enabled, \"Function\""_s},
        {page.returntype, u"enabled, \"longint\""_s},  {page.Button3, u"disabled"_s},
        {page.Button4, u"enabled"_s}};
    for (const auto &[control, state] : expected)
        EXPECT_EQ(stateOf(control), state) << control->objectName().toStdString();
    EXPECT_EQ(page.focusWidget(), page.Methodname);
}

// ---- Remove ----------------------------------------------------------------------

TEST_F(MethodsPageTest, RemoveTakesTheSelectedMethodAndDisablesWithTheLast)
{
    add({u"Procedure"_s, u"Reset"_s});
    add({u"Procedure"_s, u"Draw"_s, QString(), QString(), 'd', false, false, u"private"_s, u"d"_s});
    click(page.Button4);
    EXPECT_EQ(spec.Methods.size(), 2) << "nothing selected, nothing removed";

    clickRow(page.ListBox2, 0);
    click(page.Button4);
    EXPECT_EQ(entry(0), QStringList({u"Procedure Draw;dynamic;"_s, u"d"_s, u"private"_s, u"Draw"_s, u"Draw"_s}));
    EXPECT_EQ(spec.Methods.size(), 1);
    EXPECT_TRUE(page.Button4->isEnabled()) << "lines remain";

    clickRow(page.ListBox2, 0);
    click(page.Button4);
    EXPECT_TRUE(spec.MethodSections.isEmpty());
    EXPECT_FALSE(page.Button4->isEnabled());
}

// ---- edit-back --------------------------------------------------------------------

class MethodEditBack : public MethodsPageTest, public ::testing::WithParamInterface<HeadingRow>
{
};

// The page is left in another state first, so every field must be set from
// the entry and none may keep what it showed.
TEST_P(MethodEditBack, ThenAddGivesTheSameEntries)
{
    const HeadingRow row = GetParam();
    add(row.fields);
    add({u"Procedure"_s, u"Other"_s});
    const QStringList stored = entry(0);
    ASSERT_EQ(stored.first(), row.heading);

    click(page.dcheck);
    click(page.methabstract);
    click(page.methoverride);
    retype(page.plist, u"X: byte"_s);
    memoform.setText(u"typed before"_s);
    doubleClickRow(page.ListBox2, 0);

    EXPECT_EQ(page.Methodname->text(), row.fields.name);
    EXPECT_EQ(page.plist->text(), row.fields.params);
    EXPECT_EQ(page.Methodtype->currentText(), row.fields.kind);
    EXPECT_EQ(page.returntype->currentText(), row.fields.returnType);
    EXPECT_EQ(page.methabstract->isChecked(), row.fields.isAbstract);
    EXPECT_EQ(page.methoverride->isChecked(), row.fields.isOverride);
    EXPECT_EQ(memoform.text(), row.fields.comment);
    EXPECT_EQ(spec.Methods.size(), 1) << "taken out of the lists";

    click(page.Button3);
    EXPECT_EQ(entry(1), stored);
}

INSTANTIATE_TEST_SUITE_P(
    MethodsPage, MethodEditBack,
    ::testing::Values(
        HeadingRow{"VirtualAbstractFunction",
                   {u"Function"_s, u"Total"_s, u"A, B: integer"_s, u"longint"_s, 'v', false, true,
                    u"protected"_s, u"Sum"_s},
                   u"Function Total(A, B: integer) : longint;virtual;abstract;"_s},
        HeadingRow{"DynamicOverridePrivate",
                   {u"Procedure"_s, u"Draw"_s, QString(), QString(), 'd', true, false, u"private"_s},
                   u"Procedure Draw;dynamic;override;"_s},
        HeadingRow{"NameEndingInADirectiveWord", {u"Procedure"_s, u"Devirtual"_s},
                   u"Procedure Devirtual;"_s},
        HeadingRow{"ParameterCalledOverride",
                   {u"Procedure"_s, u"Apply"_s, u"override: boolean; abstract: byte"_s},
                   u"Procedure Apply(override: boolean; abstract: byte);"_s},
        HeadingRow{"ReturnTypeCalledVirtual", {u"Function"_s, u"Kind"_s, QString(), u"virtual"_s},
                   u"Function Kind : virtual;"_s},
        HeadingRow{"ParametersWithParentheses",
                   {u"Function"_s, u"Notify"_s, u"Callback: procedure(Sender: TObject); N: integer"_s,
                    u"boolean"_s, 's', true},
                   u"Function Notify(Callback: procedure(Sender: TObject); N: integer) : boolean;override;"_s},
        HeadingRow{"UnclosedParenthesisInParameters", {u"Procedure"_s, u"Mode"_s, u"M: (a"_s},
                   u"Procedure Mode(M: (a);"_s}),
    [](const auto &info) { return std::string(info.param.name); });

class MethodPendingQuestion : public MethodsPageTest, public ::testing::WithParamInterface<MethodPendingRow>
{
};

TEST_P(MethodPendingQuestion, IsAskedBeforeTheSelectedMethodIsLoaded)
{
    add({u"Procedure"_s, u"Reset"_s});
    retype(page.Methodname, u"Pending"_s);
    prompts.answer(GetParam().answer);
    doubleClickRow(page.ListBox2, 0);
    ASSERT_EQ(prompts.log().size(), 1);
    EXPECT_EQ(prompts.log()[0].kind, Kind::Warning);
    EXPECT_EQ(prompts.log()[0].buttons, UserPrompts::Buttons::YesNo);
    EXPECT_EQ(prompts.log()[0].text, u"Method 'Pending' has been changed.  Do You want to Add it ?\r\r"
                                     "(Selecting No here will discard the method)"_s);
    EXPECT_EQ(spec.DefinedMethods, GetParam().defined);
    EXPECT_EQ(page.Methodname->text(), "Reset");
}

INSTANTIATE_TEST_SUITE_P(MethodsPage, MethodPendingQuestion,
                         ::testing::Values(MethodPendingRow{"Yes", Answer::Yes, {u"Pending"_s}},
                                           MethodPendingRow{"No", Answer::No, {}},
                                           MethodPendingRow{"Closed", Answer::Cancel, {}}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(MethodsPageTest, DoubleClickWithoutSelectionOnlyEmptiesTheParameters)
{
    add({u"Procedure"_s, u"Reset"_s});
    retype(page.plist, u"A: integer"_s);
    doubleClickRow(page.ListBox2, -1);
    EXPECT_EQ(page.plist->text(), "");
    EXPECT_EQ(page.Methodname->text(), "");
    EXPECT_EQ(spec.Methods.size(), 1);
}
