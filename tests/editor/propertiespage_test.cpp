// The Properties page, driven as a user drives it: its controls, Add with its
// checks and the entries it makes, the interlocks, the state after Add and
// Remove, and edit-back with its pending question.
#include "editor/documentlistbox.h"
#include "rowname.h"
#include "model/specbuilders.h"
#include "editor/propertiespage.h"

#include "awk/awk.h"
#include "editor/memoform.h"
#include "model/ancestortable.h"
#include "model/specdocument.h"
#include "scriptedprompts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>
#include <functional>

using namespace Qt::StringLiterals;
using Answer = UserPrompts::Answer;

namespace {

// The thirteen property lists of entry i, named for failure output.
QList<std::pair<const char *, QString>> entriesOf(const ComponentSpec &s, qsizetype i)
{
    return {{"Properties", s.Properties.value(i)},       {"ArrayProperties", s.ArrayProperties.value(i)},
            {"PropertyComments", s.PropertyComments.value(i)}, {"Storage", s.Storage.value(i)},
            {"Sections", s.Sections.value(i)},           {"Types", s.Types.value(i)},
            {"Variables", s.Variables.value(i)},         {"DefaultValues", s.DefaultValues.value(i)},
            {"Initializers", s.Initializers.value(i)},   {"WMethods", s.WMethods.value(i)},
            {"RMethods", s.RMethods.value(i)},           {"ReadWrite", s.ReadWrite.value(i)},
            {"Attributes", s.Attributes.value(i)}};
}

void expectEntries(const ComponentSpec &spec, qsizetype i, const QStringList &expected)
{
    const auto actual = entriesOf(spec, i);
    ASSERT_EQ(actual.size(), expected.size());
    for (qsizetype k = 0; k < actual.size(); ++k)
        EXPECT_EQ(actual[k].second, expected[k]) << actual[k].first;
}

// A copy of p with a change.
PropertyInput with(PropertyInput p, const std::function<void(PropertyInput &)> &change)
{
    change(p);
    return p;
}

} // namespace

class PropertiesPageTest : public ::testing::Test
{
protected:
    void SetUp() override { page.show(); }
    void TearDown() override { EXPECT_TRUE(prompts.exhausted()) << "a scripted answer was not asked for"; }

    // Types over what the field holds.
    template <class Edit>
    void typeInto(Edit *edit, const QString &text)
    {
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
    }
    // Picks an item as the user does: through the list, which runs the handler.
    void choose(QComboBox *box, int index)
    {
        box->setCurrentIndex(index);
        emit box->activated(index);
    }
    void click(QAbstractButton *button) { QTest::mouseClick(button, Qt::LeftButton); }
    void setBox(QCheckBox *box, bool checked)
    {
        if (box->isChecked() != checked)
            click(box);
    }
    void doubleClick(int row)
    {
        const QPoint centre = page.ListBox1->visualItemRect(page.ListBox1->item(row)).center();
        QTest::mouseClick(page.ListBox1->viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(page.ListBox1->viewport(), Qt::LeftButton, {}, centre);
    }

    // Fills the page in reading order. A method name is typed after its
    // side is switched to "Access Method".
    void enter(const PropertyInput &p)
    {
        typeInto(page.propname, p.name);
        typeInto(page.typebox->lineEdit(), p.type);
        setBox(page.Pointercheck, p.pointer);
        if (p.indexed)
            choose(page.propspeccombo, PropertiesPage::Indexed);
        // Either choice renews both method fields: choose first, then type.
        if (!p.readMethod.isEmpty())
            choose(page.readit, PropertiesPage::AccessMethod);
        if (!p.writeMethod.isEmpty())
            choose(page.writeit, PropertiesPage::AccessMethod);
        if (!p.readMethod.isEmpty())
            typeInto(page.Edit1, p.readMethod);
        if (!p.writeMethod.isEmpty())
            typeInto(page.Edit3, p.writeMethod);
        typeInto(page.dval, p.defaultValue);
        setBox(page.runonly, p.runtimeOnly);
        setBox(page.ronly, p.readOnly);
        setBox(page.wonly, p.writeOnly);
        setBox(page.procheck, p.isProtected);
        setBox(page.Storecheck, p.stored);
        typeInto(memoform.Memo1(), p.comment);
    }

    // What the fields show.
    PropertyInput shown() const
    {
        PropertyInput p;
        p.name = page.propname->text();
        p.type = page.typebox->currentText();
        p.defaultValue = page.dval->text();
        p.indexed = page.propspeccombo->currentIndex() == PropertiesPage::Indexed;
        p.pointer = page.Pointercheck->isChecked();
        p.runtimeOnly = page.runonly->isChecked();
        p.readOnly = page.ronly->isChecked();
        p.writeOnly = page.wonly->isChecked();
        p.isProtected = page.procheck->isChecked();
        p.stored = page.Storecheck->isChecked();
        p.readMethod = page.Edit1->text();
        p.writeMethod = page.Edit3->text();
        p.comment = memoform.text();
        return p;
    }

    void expectShown(const PropertyInput &expected)
    {
        const PropertyInput p = shown();
        EXPECT_EQ(p.name, expected.name);
        EXPECT_EQ(p.type, expected.type);
        EXPECT_EQ(p.defaultValue, expected.defaultValue);
        EXPECT_EQ(p.indexed, expected.indexed);
        EXPECT_EQ(p.pointer, expected.pointer);
        EXPECT_EQ(p.runtimeOnly, expected.runtimeOnly);
        EXPECT_EQ(p.readOnly, expected.readOnly);
        EXPECT_EQ(p.writeOnly, expected.writeOnly);
        EXPECT_EQ(p.isProtected, expected.isProtected);
        EXPECT_EQ(p.stored, expected.stored);
        EXPECT_EQ(p.readMethod, expected.readMethod);
        EXPECT_EQ(p.writeMethod, expected.writeMethod);
        EXPECT_EQ(p.comment, expected.comment);
        EXPECT_EQ(page.readit->currentIndex(),
                  expected.readMethod.isEmpty() ? PropertiesPage::DirectAccess : PropertiesPage::AccessMethod);
        EXPECT_EQ(page.writeit->currentIndex(),
                  expected.writeMethod.isEmpty() ? PropertiesPage::DirectAccess : PropertiesPage::AccessMethod);
    }

    SpecDocument document;
    const ComponentSpec &spec = document.spec();
    TAwk awk;
    ScriptedPrompts prompts;
    Tmemoform memoform;
    PropertiesPage page{PageContext{document, awk, prompts, memoform}};
};

// ---- the controls ------------------------------------------------------------------

struct PropertiesControlRow {
    const char *name;
    const char *caption;   // its label's text, or its own
    const char *hint;
    int help;
};

UF_ROW_NAME(PropertiesControlRow)

class PropertiesPageControls : public PropertiesPageTest, public ::testing::WithParamInterface<PropertiesControlRow>
{
protected:
    QString captionOf(QWidget *control) const
    {
        if (auto *button = qobject_cast<QAbstractButton *>(control))
            return button->text();
        if (auto *group = qobject_cast<QGroupBox *>(control))
            return group->title();
        for (const QLabel *label : page.findChildren<QLabel *>()) {
            if (label->buddy() == control)
                return label->text();
        }
        return QString();
    }
};

TEST_P(PropertiesPageControls, HaveCaptionHintAndHelpTopic)
{
    const PropertiesControlRow &row = GetParam();
    QWidget *control = page.findChild<QWidget *>(QLatin1String(row.name));
    ASSERT_TRUE(control);
    EXPECT_EQ(captionOf(control), QLatin1String(row.caption));
    EXPECT_EQ(control->statusTip(), QLatin1String(row.hint));
    EXPECT_EQ(control->property("helpContext").toInt(), row.help);
}

INSTANTIATE_TEST_SUITE_P(
    PropertiesPage, PropertiesPageControls,
    ::testing::Values(
        PropertiesControlRow{"propname", "P&roperty Name:", "Enter property name", 41008},
        PropertiesControlRow{"SpeedButton1", "", "Add a Source code comment", 0},
        PropertiesControlRow{"typebox", "Data &Type:", "Select or Enter the property's data type", 41016},
        PropertiesControlRow{"Pointercheck", "Pointer", "Make Pointer to data type", 0},
        PropertiesControlRow{"dval", "Default &Value:", "Enter the default property value", 41004},
        PropertiesControlRow{"propspeccombo", "Property T&ype:", "Select Property Type", 0},
        PropertiesControlRow{"ListBox1", "Properties Defined...", "", 0},
        PropertiesControlRow{"ListBox4", "Standard Properties...", "Standard Properties (For Reference Only)", 0},
        PropertiesControlRow{"Button1", "&Add >>", "Add property to definitions list", 41008},
        PropertiesControlRow{"Button2", "<< R&emove ", "Remove property from definitions list", 41018},
        PropertiesControlRow{"GroupBox1", "Property Attributes...", "Set property attributes", 0},
        PropertiesControlRow{"runonly", "Ru&ntime Only", "Check to make property runtime only", 41020},
        PropertiesControlRow{"ronly", "Rea&d Only", "Check to make property read only", 41018},
        PropertiesControlRow{"wonly", "Wr&ite Only", "Check to make property write only", 41023},
        PropertiesControlRow{"procheck", "Prote&cted", "Check to make property protected", 41017},
        PropertiesControlRow{"Storecheck", "St&ored", "Check to store property (default)", 41017},
        PropertiesControlRow{"readit", "Read Acce&ss...", "Select Direct Access or Access method", 41015},
        PropertiesControlRow{"Edit1", "", "Enter read access method name", 41015},
        PropertiesControlRow{"writeit", "&Write Access...", "Select Direct Access or Access method", 41015},
        PropertiesControlRow{"Edit3", "", "Enter write access method name", 41015}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(PropertiesPageTest, StartsWithTheInitialStatesAndItems)
{
    EXPECT_EQ(page.typebox->currentText(), "");
    ASSERT_EQ(page.typebox->count(), 10);
    EXPECT_EQ(page.typebox->itemText(0), "boolean");
    EXPECT_EQ(page.typebox->itemText(5), "Pchar");
    EXPECT_EQ(page.typebox->itemText(9), "word");
    EXPECT_TRUE(page.typebox->isEditable());
    EXPECT_EQ(page.propspeccombo->itemText(1), "Indexed (Array Property)");
    EXPECT_EQ(page.propspeccombo->currentIndex(), 0);
    for (QComboBox *access : {page.readit, page.writeit}) {
        EXPECT_EQ(access->itemText(0), "Direct Access");
        EXPECT_EQ(access->itemText(1), "Access Method");
        EXPECT_EQ(access->currentIndex(), 0);
    }
    EXPECT_FALSE(page.Edit1->isEnabled());
    EXPECT_FALSE(page.Edit3->isEnabled());
    EXPECT_FALSE(page.Button1->isEnabled());
    EXPECT_FALSE(page.Button2->isEnabled());
    EXPECT_TRUE(page.Storecheck->isChecked());
    EXPECT_FALSE(page.runonly->isChecked() || page.ronly->isChecked() || page.wonly->isChecked()
                 || page.procheck->isChecked() || page.Pointercheck->isChecked());
}

TEST_F(PropertiesPageTest, AddIsEnabledExactlyWhileANameIsTyped)
{
    QTest::keyClicks(page.propname, u"V"_s);
    EXPECT_TRUE(page.Button1->isEnabled());
    QTest::keyClick(page.propname, Qt::Key_Backspace);
    EXPECT_FALSE(page.Button1->isEnabled());
}

// ---- Add: the checks ---------------------------------------------------------------

struct RefusalRow {
    const char *name;
    QString propertyName;
    QString type;
    QString message;
    const char *focus;     // the control that has the focus afterwards
    QString nameAfter;     // what the name field holds afterwards
};

UF_ROW_NAME(RefusalRow)

class AddRefusal : public PropertiesPageTest, public ::testing::WithParamInterface<RefusalRow>
{
};

TEST_P(AddRefusal, ShowsItsMessageMovesTheFocusAndAddsNothing)
{
    const RefusalRow &row = GetParam();
    document.refillAncestorMembers(ancestorIndex(u"TTimer"_s));   // Enabled, Interval, Name, Tag
    enter(property(u"Count"_s, u"integer"_s));
    page.Button1Click();
    enter(property(row.propertyName, row.type));
    page.dval->setFocus();
    prompts.answer(Answer::Ok);
    page.Button1Click();   // as Build and Exit run it, also with an empty name
    ASSERT_EQ(prompts.log().size(), 1);
    EXPECT_EQ(prompts.log()[0].kind, UserPrompts::Kind::Error);
    EXPECT_EQ(prompts.log()[0].text, row.message);
    EXPECT_EQ(prompts.log()[0].buttons, UserPrompts::Buttons::Ok);
    EXPECT_EQ(page.focusWidget()->objectName(), QLatin1String(row.focus));
    EXPECT_EQ(page.propname->text(), row.nameAfter);
    EXPECT_EQ(spec.Properties, QStringList{u"Count"_s});
    EXPECT_EQ(page.ListBox1->count(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    PropertiesPage, AddRefusal,
    ::testing::Values(
        RefusalRow{"StandardPropertyEmptiesTheName", u"interval"_s, u"integer"_s,
                   u"This class has a standard property named interval"_s, "propname", QString()},
        RefusalRow{"DefinedPropertyLeavesTheFields", u"COUNT"_s, u"integer"_s,
                   u"You already have a property named COUNT"_s, "dval", u"COUNT"_s},
        RefusalRow{"EmptyName", QString(), u"integer"_s, u"You must enter a property name."_s,
                   "propname", QString()},
        RefusalRow{"OnPrefixKeepsTheName", u"Online"_s, u"integer"_s,
                   u"On is normally used for event handler names.  Please choose another name "
                   "for this property"_s, "propname", u"Online"_s},
        RefusalRow{"EmptyType", u"Value"_s, QString(), u"You must select a property type."_s,
                   "typebox", u"Value"_s}),
    [](const auto &info) { return std::string(info.param.name); });

// ---- Add: the entries ------------------------------------------------------------------

struct EncodingRow {
    const char *name;
    PropertyInput entered;
    // Properties, ArrayProperties, PropertyComments, Storage, Sections, Types,
    // Variables, DefaultValues, Initializers, WMethods, RMethods, ReadWrite, Attributes
    QStringList entries;
};

UF_ROW_NAME(EncodingRow)

class AddEncoding : public PropertiesPageTest, public ::testing::WithParamInterface<EncodingRow>
{
};

TEST_P(AddEncoding, AppendsOneEntryToEveryPropertyList)
{
    enter(GetParam().entered);
    click(page.Button1);
    EXPECT_TRUE(prompts.log().isEmpty());
    ASSERT_EQ(spec.Properties.size(), 1);
    expectEntries(spec, 0, GetParam().entries);
    EXPECT_EQ(page.ListBox1->item(0)->text(), GetParam().entered.name);
}

INSTANTIATE_TEST_SUITE_P(
    PropertiesPage, AddEncoding,
    ::testing::Values(
        EncodingRow{"NormalStoredDirect",
                    with(property(u"Count"_s, u"integer"_s, u"5"_s), [](auto &p) { p.comment = u"How many"_s; }),
                    {u"Count"_s, u"*"_s, u"How many"_s, u"*"_s, u"published"_s, u"integer"_s, u"FCount"_s,
                     u"5"_s, u"     FCount := 5;"_s, u"*"_s, u"*"_s, u"read FCount write FCount"_s, u"****"_s}},
        EncodingRow{"IndexedIsPublicAndRuntimeOnly",
                    with(property(u"Items"_s, u"string"_s), [](auto &p) { p.indexed = true; }),
                    {u"Items"_s, u"Array"_s, u""_s, u"*"_s, u"public"_s, u"string"_s, u"FItems"_s, u"*"_s,
                     u"*"_s, u"SetItems"_s, u"GetItems"_s, u"read GetItems write SetItems"_s, u"U***"_s}},
        EncodingRow{"NotStored",
                    with(property(u"Width"_s, u"integer"_s), [](auto &p) { p.stored = false; }),
                    {u"Width"_s, u"*"_s, u""_s, u"Stored False"_s, u"published"_s, u"integer"_s, u"FWidth"_s,
                     u"*"_s, u"*"_s, u"*"_s, u"*"_s, u"read FWidth write FWidth"_s, u"****"_s}},
        EncodingRow{"ProtectedBeforeRuntimeOnly",
                    with(property(u"Tick"_s, u"word"_s), [](auto &p) { p.isProtected = p.runtimeOnly = true; }),
                    {u"Tick"_s, u"*"_s, u""_s, u"*"_s, u"protected"_s, u"word"_s, u"FTick"_s, u"*"_s, u"*"_s,
                     u"*"_s, u"*"_s, u"read FTick write FTick"_s, u"U**P"_s}},
        EncodingRow{"RuntimeOnlyIsPublic",
                    with(property(u"Handle"_s, u"word"_s), [](auto &p) { p.runtimeOnly = true; }),
                    {u"Handle"_s, u"*"_s, u""_s, u"*"_s, u"public"_s, u"word"_s, u"FHandle"_s, u"*"_s, u"*"_s,
                     u"*"_s, u"*"_s, u"read FHandle write FHandle"_s, u"U***"_s}},
        EncodingRow{"PointerTakesACaret",
                    with(property(u"Data"_s, u"integer"_s), [](auto &p) { p.pointer = true; }),
                    {u"Data"_s, u"*"_s, u""_s, u"*"_s, u"published"_s, u"^integer"_s, u"FData"_s, u"*"_s,
                     u"*"_s, u"*"_s, u"*"_s, u"read FData write FData"_s, u"****"_s}},
        EncodingRow{"PointerTakesNoSecondCaret",
                    with(property(u"Data"_s, u"^integer"_s), [](auto &p) { p.pointer = true; }),
                    {u"Data"_s, u"*"_s, u""_s, u"*"_s, u"published"_s, u"^integer"_s, u"FData"_s, u"*"_s,
                     u"*"_s, u"*"_s, u"*"_s, u"read FData write FData"_s, u"****"_s}},
        EncodingRow{"StringDefaultIsQuoted", property(u"Caption"_s, u"String"_s, u"abc"_s),
                    {u"Caption"_s, u"*"_s, u""_s, u"*"_s, u"published"_s, u"String"_s, u"FCaption"_s,
                     u"'abc'"_s, u"     FCaption := 'abc';"_s, u"*"_s, u"*"_s,
                     u"read FCaption write FCaption"_s, u"****"_s}},
        EncodingRow{"QuotingLooksAtTheTypeAsTyped",
                    with(property(u"Title"_s, u"string"_s, u"abc"_s), [](auto &p) { p.pointer = true; }),
                    {u"Title"_s, u"*"_s, u""_s, u"*"_s, u"published"_s, u"^string"_s, u"FTitle"_s,
                     u"'abc'"_s, u"     FTitle := 'abc';"_s, u"*"_s, u"*"_s, u"read FTitle write FTitle"_s,
                     u"****"_s}},
        EncodingRow{"CharDefaultAsTyped", property(u"Letter"_s, u"char"_s, u"'x'"_s),
                    {u"Letter"_s, u"*"_s, u""_s, u"*"_s, u"published"_s, u"char"_s, u"FLetter"_s, u"'x'"_s,
                     u"     FLetter := 'x';"_s, u"*"_s, u"*"_s, u"read FLetter write FLetter"_s, u"****"_s}},
        EncodingRow{"ReadOnlyWithAMethod",
                    with(property(u"Size"_s, u"longint"_s), [](auto &p) {
                        p.readMethod = u"GetSize"_s;
                        p.readOnly = true;
                    }),
                    {u"Size"_s, u"*"_s, u""_s, u"*"_s, u"public"_s, u"longint"_s, u"FSize"_s, u"*"_s, u"*"_s,
                     u"*"_s, u"GetSize"_s, u"read GetSize"_s, u"*R**"_s}},
        EncodingRow{"WriteOnlyWithAMethod",
                    with(property(u"Level"_s, u"integer"_s), [](auto &p) {
                        p.writeMethod = u"StoreLevel"_s;
                        p.writeOnly = true;
                    }),
                    {u"Level"_s, u"*"_s, u""_s, u"*"_s, u"public"_s, u"integer"_s, u"FLevel"_s, u"*"_s, u"*"_s,
                     u"StoreLevel"_s, u"*"_s, u"write StoreLevel"_s, u"**W*"_s}},
        EncodingRow{"MethodNamedLikeTheFieldIsDirect",
                    with(property(u"Speed"_s, u"real"_s), [](auto &p) {
                        p.readMethod = u"FSpeed"_s;
                        p.writeMethod = u"SetSpeed"_s;
                    }),
                    {u"Speed"_s, u"*"_s, u""_s, u"*"_s, u"published"_s, u"real"_s, u"FSpeed"_s, u"*"_s, u"*"_s,
                     u"SetSpeed"_s, u"*"_s, u"read FSpeed write SetSpeed"_s, u"****"_s}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(PropertiesPageTest, AddLeavesThePageReadyForTheNextProperty)
{
    PropertyInput items = property(u"Items"_s, u"string"_s);
    items.indexed = true;
    items.pointer = true;
    items.isProtected = true;
    items.stored = false;
    items.comment = u"All of them"_s;
    enter(items);
    setBox(page.wonly, true);
    page.dval->setFocus();
    click(page.Button1);

    EXPECT_EQ(page.propname->text(), "");
    EXPECT_FALSE(page.Button1->isEnabled());
    EXPECT_TRUE(page.Button2->isEnabled());
    EXPECT_EQ(page.focusWidget(), page.propname);
    EXPECT_EQ(page.typebox->currentText(), "string") << "the type stays";
    EXPECT_EQ(page.dval->text(), "");
    EXPECT_EQ(page.propspeccombo->currentIndex(), PropertiesPage::Normal);
    EXPECT_FALSE(page.Pointercheck->isChecked());
    for (QCheckBox *box : {page.runonly, page.ronly, page.wonly, page.procheck}) {
        EXPECT_FALSE(box->isChecked()) << box->objectName().toStdString();
        EXPECT_TRUE(box->isEnabled()) << box->objectName().toStdString();
    }
    EXPECT_TRUE(page.Storecheck->isChecked());
    for (QComboBox *access : {page.readit, page.writeit}) {
        EXPECT_EQ(access->currentIndex(), PropertiesPage::DirectAccess);
        EXPECT_TRUE(access->isEnabled());
    }
    for (QLineEdit *method : {page.Edit1, page.Edit3}) {
        EXPECT_EQ(method->text(), "");
        EXPECT_FALSE(method->isEnabled());
    }
    EXPECT_EQ(memoform.text(), "") << "the comment went with the property";
    EXPECT_EQ(spec.PropertyComments, QStringList{u"All of them"_s});
}

TEST_F(PropertiesPageTest, RefusedAddKeepsTheComment)
{
    enter(with(property(u"Value"_s, QString()), [](auto &p) { p.comment = u"kept"_s; }));
    prompts.answer(Answer::Ok);
    click(page.Button1);
    EXPECT_EQ(memoform.text(), "kept");
}

// ---- interlocks and access fields ------------------------------------------------------

struct InterlockRow {
    const char *name;
    const char *box;          // Read Only or Write Only
    const char *other;        // the other of the two
    const char *otherChoice;  // the other side's access choice
    const char *otherMethod;  // and its method field
};

UF_ROW_NAME(InterlockRow)

class Interlock : public PropertiesPageTest, public ::testing::WithParamInterface<InterlockRow>
{
};

TEST_P(Interlock, CheckingLocksTheOtherSideAndUncheckingFreesIt)
{
    const InterlockRow &row = GetParam();
    auto *box = page.findChild<QCheckBox *>(QLatin1String(row.box));
    auto *other = page.findChild<QCheckBox *>(QLatin1String(row.other));
    auto *choice = page.findChild<QComboBox *>(QLatin1String(row.otherChoice));
    auto *method = page.findChild<QLineEdit *>(QLatin1String(row.otherMethod));
    typeInto(page.propname, u"Level"_s);
    choose(choice, PropertiesPage::AccessMethod);
    ASSERT_FALSE(method->text().isEmpty());

    click(box);
    EXPECT_FALSE(choice->isEnabled());
    EXPECT_EQ(method->text(), "");
    EXPECT_FALSE(method->isEnabled());
    EXPECT_FALSE(other->isChecked());
    EXPECT_FALSE(other->isEnabled());

    click(box);
    EXPECT_TRUE(choice->isEnabled());
    EXPECT_TRUE(method->isEnabled());
    EXPECT_TRUE(other->isEnabled());
    EXPECT_FALSE(other->isChecked());

    choose(choice, PropertiesPage::DirectAccess);
    ASSERT_FALSE(method->isEnabled());
    click(box);
    click(box);
    EXPECT_TRUE(method->isEnabled()) << "enabled whatever the access choice shows";
}

INSTANTIATE_TEST_SUITE_P(PropertiesPage, Interlock,
                         ::testing::Values(InterlockRow{"ReadOnly", "ronly", "wonly", "writeit", "Edit3"},
                                           InterlockRow{"WriteOnly", "wonly", "ronly", "readit", "Edit1"}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(PropertiesPageTest, IndexedKindSuggestsBothAccessMethodsAndEmptiesTheDefault)
{
    typeInto(page.propname, u"Items"_s);
    typeInto(page.dval, u"3"_s);
    choose(page.propspeccombo, PropertiesPage::Indexed);
    EXPECT_EQ(page.readit->currentIndex(), PropertiesPage::AccessMethod);
    EXPECT_EQ(page.writeit->currentIndex(), PropertiesPage::AccessMethod);
    EXPECT_EQ(page.Edit1->text(), "GetItems");
    EXPECT_EQ(page.Edit3->text(), "SetItems");
    EXPECT_TRUE(page.Edit1->isEnabled() && page.Edit3->isEnabled());
    EXPECT_EQ(page.dval->text(), "");

    typeInto(page.dval, u"4"_s);
    choose(page.propspeccombo, PropertiesPage::Normal);
    EXPECT_EQ(page.readit->currentIndex(), PropertiesPage::AccessMethod) << "Normal changes nothing else";
    EXPECT_EQ(page.dval->text(), "4");
}

TEST_F(PropertiesPageTest, EitherAccessChoiceRenewsBothSides)
{
    typeInto(page.propname, u"Size"_s);
    choose(page.writeit, PropertiesPage::AccessMethod);
    typeInto(page.Edit3, u"StoreSize"_s);
    typeInto(page.propname, u"Width"_s);   // suggestions do not follow the name
    EXPECT_EQ(page.Edit3->text(), "StoreSize");
    choose(page.readit, PropertiesPage::AccessMethod);
    EXPECT_EQ(page.Edit1->text(), "GetWidth");
    EXPECT_EQ(page.Edit3->text(), "SetWidth") << "the typed name gives way to the suggestion";
    choose(page.readit, PropertiesPage::DirectAccess);
    EXPECT_EQ(page.Edit1->text(), "");
    EXPECT_FALSE(page.Edit1->isEnabled());
    EXPECT_TRUE(page.Edit3->isEnabled());
}

// ---- Remove ----------------------------------------------------------------------------

TEST_F(PropertiesPageTest, RemoveTakesTheSelectedPropertyAndDisablesOnlyWhenNoneIsLeft)
{
    document.addEventHandler(EventInput{u"OnChange"_s, u"TNotifyEvent"_s, {}, false, {}});
    for (const QString &name : {u"Count"_s, u"Level"_s}) {
        enter(property(name, u"integer"_s, u"1"_s));
        click(page.Button1);
    }
    click(page.Button2);   // nothing selected: nothing happens
    EXPECT_EQ(spec.Properties.size(), 3);

    page.ListBox1->setCurrentRow(0);
    click(page.Button2);
    EXPECT_EQ(spec.Properties, (QStringList{u"OnChange"_s, u"Level"_s}));
    expectEntries(spec, 1, {u"Level"_s, u"*"_s, u""_s, u"*"_s, u"published"_s, u"integer"_s, u"FLevel"_s,
                            u"1"_s, u"     FLevel := 1;"_s, u"*"_s, u"*"_s, u"read FLevel write FLevel"_s,
                            u"****"_s});
    EXPECT_EQ(page.ListBox1->count(), 1);
    EXPECT_TRUE(page.ListBox1->selectedItems().isEmpty());
    EXPECT_TRUE(page.Button2->isEnabled()) << "a line remains";

    page.ListBox1->setCurrentRow(0);
    click(page.Button2);
    EXPECT_EQ(spec.Properties, QStringList{u"OnChange"_s});
    EXPECT_FALSE(page.Button2->isEnabled());
}

// ---- edit-back ---------------------------------------------------------------------------

struct EditBackRow {
    const char *name;
    PropertyInput stored;   // added to the document, as a file or Add puts it there
    PropertyInput shown;    // what the fields show after the double-click
};

UF_ROW_NAME(EditBackRow)

class EditBack : public PropertiesPageTest, public ::testing::WithParamInterface<EditBackRow>
{
};

// Edit-back, then Add without a change: the same entries, at the end.
TEST_P(EditBack, ThenAddGivesTheSameEntries)
{
    const EditBackRow &row = GetParam();
    document.addProperty(row.stored);
    document.addProperty(property(u"Other"_s, u"integer"_s));
    page.fileOpened();   // as after opening a file
    QStringList before;
    for (const auto &[list, entry] : entriesOf(spec, 0))
        before.append(entry);

    doubleClick(0);
    expectShown(row.shown);
    EXPECT_EQ(spec.Properties, QStringList{u"Other"_s});
    EXPECT_TRUE(page.Button2->isEnabled());

    click(page.Button1);
    EXPECT_TRUE(prompts.log().isEmpty());
    ASSERT_EQ(spec.Properties.size(), 2);
    expectEntries(spec, 1, before);
    EXPECT_EQ(page.ListBox1->item(1)->text(), row.stored.name);
}

namespace {

const PropertyInput kPlain = with(property(u"Count"_s, u"integer"_s, u"5"_s), [](auto &p) {
    p.comment = u"How many\nat most"_s;
});
const PropertyInput kString = property(u"Caption"_s, u"string"_s, u"it's"_s);
const PropertyInput kChar = property(u"Letter"_s, u"char"_s, u"'x'"_s);
const PropertyInput kPointerString = with(property(u"Title"_s, u"string"_s, u"abc"_s), [](auto &p) {
    p.pointer = true;
});
const PropertyInput kIndexed = with(property(u"Items"_s, u"string"_s), [](auto &p) {
    p.indexed = true;
    p.readMethod = u"GetItems"_s;
    p.writeMethod = u"SetItems"_s;
});
const PropertyInput kReadOnly = with(property(u"Size"_s, u"longint"_s), [](auto &p) {
    p.readOnly = true;
    p.readMethod = u"GetSize"_s;
});
const PropertyInput kWriteOnly = with(property(u"Level"_s, u"integer"_s, u"7"_s), [](auto &p) {
    p.writeOnly = true;
    p.writeMethod = u"StoreLevel"_s;
});
// Picking the read access method while Read Only is checked suggests a write
// method too; the property keeps it.
const PropertyInput kReadOnlyWithWriteMethod = with(kReadOnly, [](auto &p) {
    p.writeMethod = u"SetSize"_s;
});
const PropertyInput kAttributes = with(property(u"Tick"_s, u"word"_s, u"0"_s), [](auto &p) {
    p.runtimeOnly = true;
    p.isProtected = true;
    p.stored = false;
});
const PropertyInput kLongComment = with(property(u"Notes"_s, u"string"_s), [](auto &p) {
    p.comment = QString(300, u'n') + QChar(QChar::Nbsp) + u"end"_s;
});

} // namespace

INSTANTIATE_TEST_SUITE_P(
    PropertiesPage, EditBack,
    ::testing::Values(
        EditBackRow{"Plain", kPlain, kPlain},
        EditBackRow{"StringDefaultWithAQuote", kString, kString},
        EditBackRow{"CharDefaultTypedWithQuotes", kChar, kChar},
        EditBackRow{"PointerToString", kPointerString,
                    with(kPointerString, [](auto &p) {
                        p.type = u"^string"_s;
                        p.defaultValue = u"'abc'"_s;
                    })},
        EditBackRow{"IndexedShowsRuntimeOnly", kIndexed, with(kIndexed, [](auto &p) { p.runtimeOnly = true; })},
        EditBackRow{"ReadOnly", kReadOnly, kReadOnly},
        EditBackRow{"WriteOnly", kWriteOnly, kWriteOnly},
        EditBackRow{"ReadOnlyWithAWriteMethod", kReadOnlyWithWriteMethod, kReadOnlyWithWriteMethod},
        EditBackRow{"AttributesAndStorage", kAttributes, kAttributes},
        EditBackRow{"CommentPastTheLimit", kLongComment, kLongComment}),
    [](const auto &info) { return std::string(info.param.name); });

struct PendingRow {
    const char *name;
    QString pendingType;
    QList<Answer> answers;
    QStringList messages;    // after the question
    bool pendingAdded;
};

UF_ROW_NAME(PendingRow)

class EditBackPending : public PropertiesPageTest, public ::testing::WithParamInterface<PendingRow>
{
};

TEST_P(EditBackPending, AsksThenLoadsTheDoubleClickedProperty)
{
    const PendingRow &row = GetParam();
    document.addProperty(kPlain);
    enter(property(u"Extra"_s, row.pendingType, u"1"_s));
    setBox(page.ronly, true);
    for (const Answer a : row.answers)
        prompts.answer(a);

    doubleClick(0);
    QStringList expected{u"Property 'Extra' has been changed.  Do You want to Add it ?\r\r"
                         "(Selecting No here will discard the property)"_s};
    expected += row.messages;
    EXPECT_EQ(prompts.messageTexts(), expected);
    EXPECT_EQ(prompts.log()[0].kind, UserPrompts::Kind::Warning);
    EXPECT_EQ(prompts.log()[0].buttons, UserPrompts::Buttons::YesNo);
    EXPECT_EQ(spec.Properties, row.pendingAdded ? QStringList{u"Extra"_s} : QStringList());
    expectShown(kPlain);
    EXPECT_TRUE(page.writeit->isEnabled()) << "Read Only was unchecked";
}

INSTANTIATE_TEST_SUITE_P(
    PropertiesPage, EditBackPending,
    ::testing::Values(PendingRow{"YesAddsIt", u"integer"_s, {Answer::Yes}, {}, true},
                      PendingRow{"NoDiscardsIt", u"integer"_s, {Answer::No}, {}, false},
                      PendingRow{"ClosedDiscardsIt", u"integer"_s, {Answer::Cancel}, {}, false},
                      PendingRow{"RefusedAddGoesOn", QString(), {Answer::Yes, Answer::Ok},
                                 {u"You must select a property type."_s}, false}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(PropertiesPageTest, EditBackOfTheLastPropertyDisablesRemove)
{
    enter(property(u"Count"_s, u"integer"_s));
    click(page.Button1);
    doubleClick(0);
    EXPECT_EQ(page.propname->text(), "Count");
    EXPECT_TRUE(page.Button1->isEnabled());
    EXPECT_FALSE(page.Button2->isEnabled());
}

// ---- the lists follow the document ---------------------------------------------------------

TEST_F(PropertiesPageTest, ListsFollowOpenResetAndTheAncestor)
{
    document.refillAncestorMembers(ancestorIndex(u"TTimer"_s));
    EXPECT_EQ(page.ListBox4->count(), 4);
    EXPECT_EQ(page.ListBox4->item(1)->text(), "Interval");

    enter(property(u"Count"_s, u"integer"_s));
    click(page.Button1);
    document.reset();
    EXPECT_EQ(page.ListBox1->count(), 0);
    EXPECT_EQ(page.ListBox4->count(), 0);
    EXPECT_TRUE(page.Button2->isEnabled()) << "a reset leaves Remove as it is";

    page.Button2->setEnabled(false);
    page.fileOpened();
    EXPECT_FALSE(page.Button2->isEnabled()) << "nothing defined";
    document.addProperty(property(u"Level"_s, u"integer"_s));
    document.addEventHandler(EventInput{u"OnChange"_s, u"TNotifyEvent"_s, {}, false, {}});
    EXPECT_EQ(page.ListBox1->count(), 1) << "handlers have their own list";
    page.fileOpened();
    EXPECT_TRUE(page.Button2->isEnabled());
}
