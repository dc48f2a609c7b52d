// The checks the editor pages run before they add an entry: each message, the
// order of the checks, the box and where the focus goes.
#include "model/entryvalidation.h"

#include "awk/awk.h"
#include "rowname.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct Outcome {
    QString message;   // empty with accepted: the entry is added
    Prompts::Kind box = Prompts::Kind::Error;
    EntryField focus = EntryField::None;
    bool clearName = false;
    bool accepted = false;
};

Outcome accepted()
{
    Outcome o;
    o.accepted = true;
    return o;
}

Outcome refused(const QString &message, EntryField focus = EntryField::None,
                Prompts::Kind box = Prompts::Kind::Error, bool clearName = false)
{
    return Outcome{message, box, focus, clearName, false};
}

template <class Entry>
void expectOutcome(const EntryCheck<Entry> &check, const Outcome &expected)
{
    if (expected.accepted) {
        EXPECT_TRUE(std::holds_alternative<Entry>(check))
            << std::get<EntryRefusal>(check).message.toStdString();
        return;
    }
    ASSERT_TRUE(std::holds_alternative<EntryRefusal>(check));
    const EntryRefusal &r = std::get<EntryRefusal>(check);
    EXPECT_EQ(r.message, expected.message);
    EXPECT_EQ(r.box, expected.box);
    EXPECT_EQ(r.focus, expected.focus);
    EXPECT_EQ(r.clearName, expected.clearName);
}

} // namespace

// ---- properties --------------------------------------------------------------------------

struct PropertyRow {
    const char *name;
    QString propertyName;
    QString type;
    Outcome outcome;
};
UF_ROW_NAME(PropertyRow)

class PropertyChecks : public ::testing::TestWithParam<PropertyRow>
{
};

TEST_P(PropertyChecks, FirstFailingCheckWins)
{
    PropertyInput fields;
    fields.name = GetParam().propertyName;
    fields.type = GetParam().type;
    // Tag is the ancestor's, Count already defined; Tag is also defined, as
    // after a change of ancestor, and the ancestor's check comes first.
    expectOutcome(checkProperty(fields, {u"Name"_s, u"Tag"_s}, {u"Count"_s, u"Tag"_s}),
                  GetParam().outcome);
}

INSTANTIATE_TEST_SUITE_P(
    EntryValidation, PropertyChecks,
    ::testing::Values(
        PropertyRow{"StandardNameEmptiesTheField", u"tag"_s, QString(),
                    refused(u"This class has a standard property named tag"_s, EntryField::Name,
                            Prompts::Kind::Error, true)},
        PropertyRow{"DefinedNameLeavesTheFocus", u"COUNT"_s, QString(),
                    refused(u"You already have a property named COUNT"_s)},
        PropertyRow{"EmptyName", QString(), u"integer"_s,
                    refused(u"You must enter a property name."_s, EntryField::Name)},
        PropertyRow{"OnPrefixInAnyCase", u"oNline"_s, QString(),
                    refused(u"On is normally used for event handler names.  Please choose another "
                            "name for this property"_s, EntryField::Name)},
        PropertyRow{"OneLetterOIsAName", u"O"_s, QString(),
                    refused(u"You must select a property type."_s, EntryField::Type)},
        PropertyRow{"EmptyType", u"Value"_s, QString(),
                    refused(u"You must select a property type."_s, EntryField::Type)},
        PropertyRow{"OnInsideTheNameIsAccepted", u"Donation"_s, u"integer"_s, accepted()},
        PropertyRow{"Accepted", u"Value"_s, u"integer"_s, accepted()}),
    [](const auto &info) { return std::string(info.param.name); });

// ---- methods ----------------------------------------------------------------------------------

struct MethodRow {
    const char *name;
    QString methodName;
    QString kind;
    QString returnType;
    Outcome outcome;
};
UF_ROW_NAME(MethodRow)

class MethodChecks : public ::testing::TestWithParam<MethodRow>
{
};

TEST_P(MethodChecks, FirstFailingCheckWins)
{
    MethodInput fields;
    fields.name = GetParam().methodName;
    fields.kind = GetParam().kind;
    fields.returnType = GetParam().returnType;
    expectOutcome(checkMethod(fields, {u"paint"_s}), GetParam().outcome);
}

INSTANTIATE_TEST_SUITE_P(
    EntryValidation, MethodChecks,
    ::testing::Values(
        MethodRow{"DefinedNameBeforeKind", u"Paint"_s, QString(), QString(),
                  refused(u"You already have a method named Paint"_s, EntryField::Name)},
        MethodRow{"NoKind", u"Draw"_s, QString(), QString(),
                  refused(u"Choose either Function or Procedure"_s, EntryField::Kind)},
        MethodRow{"FunctionWithoutReturnTypeWarns", u"Total"_s, u"Function"_s, QString(),
                  refused(u"You must choose a return type for this function."_s, EntryField::None,
                          Prompts::Kind::Warning)},
        MethodRow{"ProcedureNeedsNoReturnType", u"Reset"_s, u"Procedure"_s, QString(), accepted()},
        MethodRow{"FunctionWithReturnType", u"Total"_s, u"Function"_s, u"longint"_s, accepted()}),
    [](const auto &info) { return std::string(info.param.name); });

// ---- event handlers ---------------------------------------------------------------------------

struct EventRow {
    const char *name;
    QString handlerName;
    QString type;
    Outcome outcome;
    QString added;   // the name of the entry added
};
UF_ROW_NAME(EventRow)

class EventChecks : public ::testing::TestWithParam<EventRow>
{
};

TEST_P(EventChecks, NameIsNormalisedBeforeItIsCompared)
{
    EventInput fields;
    fields.name = GetParam().handlerName;
    fields.type = GetParam().type;
    const EntryCheck<EventInput> check = checkEventHandler(fields, {u"OnOverflow"_s});
    expectOutcome(check, GetParam().outcome);
    if (GetParam().outcome.accepted)
        EXPECT_EQ(std::get<EventInput>(check).name, GetParam().added);
}

INSTANTIATE_TEST_SUITE_P(
    EntryValidation, EventChecks,
    ::testing::Values(
        EventRow{"EmptyNameSaysNothing", QString(), QString(), refused(QString())},
        EventRow{"NormalisedNameAlreadyDefined", u"overflow"_s, u"TNotifyEvent"_s,
                 refused(u"You already have an event handler named Onoverflow"_s, EntryField::Name)},
        EventRow{"EmptyType", u"Change"_s, QString(),
                 refused(u"You must specify an event type"_s, EntryField::Type)},
        EventRow{"PrefixAdded", u"Change"_s, u"TNotifyEvent"_s, accepted(), u"OnChange"_s},
        EventRow{"LowerCasePrefixKept", u"onchange"_s, u"TNotifyEvent"_s, accepted(), u"onchange"_s},
        EventRow{"OneLetter", u"O"_s, u"TNotifyEvent"_s, accepted(), u"OnO"_s}),
    [](const auto &info) { return std::string(info.param.name); });

// ---- user messages ----------------------------------------------------------------------------

struct UserMessageRow {
    const char *name;
    QStringList stored;
    QString messageName;
    int offset;
    Outcome outcome;
    bool naming = false;   // the naming question is asked
};
UF_ROW_NAME(UserMessageRow)

class UserMessageChecks : public ::testing::TestWithParam<UserMessageRow>
{
};

TEST_P(UserMessageChecks, NameThenOffsetThenNaming)
{
    TAwk awk;
    const auto check = checkUserMessage(GetParam().messageName, GetParam().offset, GetParam().stored, awk);
    expectOutcome(check, GetParam().outcome);
    if (GetParam().outcome.accepted)
        EXPECT_EQ(std::get<UserMessageInput>(check).askNamingQuestion, GetParam().naming);
}

INSTANTIATE_TEST_SUITE_P(
    EntryValidation, UserMessageChecks,
    ::testing::Values(
        UserMessageRow{"SameNameBeforeSameOffset", {u"WM_GO[WM_USER + 1]}  "_s}, u"WM_GO"_s, 1,
                       refused(u"That message is already defined."_s)},
        UserMessageRow{"NameComparedWithCase", {u"WM_GO[WM_USER + 1]}  "_s}, u"wm_go"_s, 2, accepted()},
        UserMessageRow{"SameOffset", {u"WM_GO[WM_USER + 1]}  "_s}, u"WM_STOP"_s, 1,
                       refused(u"WM_USER + 1 has already been chosen."_s)},
        UserMessageRow{"OffsetReadFromTheBracket", {u"MY MSG[WM_USER + 7]}  "_s}, u"WM_X"_s, 7,
                       refused(u"WM_USER + 7 has already been chosen."_s)},
        UserMessageRow{"BlankInAStoredNameBlocksNothing", {u"MY MSG[WM_USER + 7]}  "_s}, u"WM_X"_s, 8,
                       accepted()},
        UserMessageRow{"BracketWithoutNumber", {u"WM_A[WM_USER + x]}  "_s}, u"WM_B"_s, 2,
                       refused(u"'x' is not a valid integer value"_s)},
        UserMessageRow{"WmUserInAnyLetterCase", {u"WM_A[wm_user + 3]}  "_s}, u"WM_B"_s, 3,
                       refused(u"WM_USER + 3 has already been chosen."_s)},
        UserMessageRow{"LineWithoutBracketIsSkipped", {u"WM_PLAIN"_s}, u"WM_B"_s, 2, accepted()},
        UserMessageRow{"NoUnderscoreAsks", {}, u"REFRESH"_s, 2, accepted(), true},
        UserMessageRow{"UnderscoreAsksNothing", {}, u"WM_REFRESHVIEW"_s, 1, accepted(), false}),
    [](const auto &info) { return std::string(info.param.name); });
