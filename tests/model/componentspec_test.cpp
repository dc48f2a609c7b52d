// Entry encodings of the specification and its add, remove, decode and reset operations.
#include "awk/awk.h"
#include "rowname.h"
#include "model/componentspec.h"
#include "model/specbuilders.h"
#include "model/standardmessages.h"
#include "model/stringlists.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// The thirteen property lists, in one row each, for the entry at index i.
QStringList propertyRow(const ComponentSpec &s, qsizetype i)
{
    return { s.Properties.value(i), s.ArrayProperties.value(i), s.PropertyComments.value(i),
             s.Storage.value(i), s.Sections.value(i), s.Types.value(i), s.Variables.value(i),
             s.DefaultValues.value(i), s.Initializers.value(i), s.WMethods.value(i),
             s.RMethods.value(i), s.ReadWrite.value(i), s.Attributes.value(i) };
}

void expectAligned(const ComponentSpec &s)
{
    const qsizetype n = s.Properties.size();
    for (const QStringList *list : { &s.ArrayProperties, &s.PropertyComments, &s.DefaultValues,
                                     &s.Initializers, &s.Storage, &s.Attributes, &s.Sections,
                                     &s.Variables, &s.Types, &s.ReadWrite, &s.RMethods, &s.WMethods })
        EXPECT_EQ(list->size(), n);
    for (const QStringList *list : { &s.EventTypes, &s.EventParams, &s.EProtected })
        EXPECT_EQ(list->size(), s.Events.size());
    EXPECT_EQ(s.MethodComments.size(), s.Methods.size());
    EXPECT_EQ(s.MethodSections.size(), s.Methods.size());
}

} // namespace

TEST(ComponentSpecProperties, EncodesEveryListOfAProperty)
{
    ComponentSpec spec;
    PropertyInput count = property(u"Count"_s, u"integer"_s, u"5"_s);
    count.comment = u"How many"_s;
    spec.addProperty(count);
    EXPECT_EQ(propertyRow(spec, 0), (QStringList { u"Count"_s, u"*"_s, u"How many"_s, u"*"_s,
        u"published"_s, u"integer"_s, u"FCount"_s, u"5"_s, u"     FCount := 5;"_s, u"*"_s, u"*"_s,
        u"read FCount write FCount"_s, u"****"_s }));
    EXPECT_EQ(spec.DefinedProperties, QStringList { u"Count"_s });
}

TEST(ComponentSpecProperties, KindsAttributesAndAccess)
{
    ComponentSpec spec;
    spec.addProperty(property(u"Empty"_s, u"integer"_s));
    spec.addProperty(property(u"Caption"_s, u"String"_s, u"abc"_s));
    PropertyInput pointer = property(u"Data"_s, u"integer"_s);
    pointer.pointer = true;
    spec.addProperty(pointer);
    PropertyInput indexed = property(u"Items"_s, u"string"_s);
    indexed.indexed = true;
    const ComponentSpec::PropertyAdded added = spec.addProperty(indexed);
    PropertyInput size = property(u"Size"_s, u"longint"_s);
    size.readOnly = true;
    size.readMethod = u"GetSize"_s;
    spec.addProperty(size);
    PropertyInput direct = property(u"Width"_s, u"integer"_s);
    direct.readMethod = u"FWidth"_s;
    direct.writeMethod = u"SetWidth"_s;
    direct.writeOnly = true;
    direct.isProtected = true;
    direct.stored = false;
    spec.addProperty(direct);

    EXPECT_EQ(spec.DefaultValues.at(0), u"*"_s);
    EXPECT_EQ(spec.Initializers.at(0), u"*"_s);
    EXPECT_EQ(spec.DefaultValues.at(1), u"'abc'"_s);
    EXPECT_EQ(spec.Initializers.at(1), u"     FCaption := 'abc';"_s);
    EXPECT_EQ(spec.Types.at(2), u"^integer"_s);
    EXPECT_TRUE(added.runtimeOnlyChecked);
    EXPECT_EQ(spec.Sections.at(3), u"public"_s);
    EXPECT_EQ(spec.Attributes.at(3), u"U***"_s);
    EXPECT_EQ(spec.ArrayProperties.at(3), u"Array"_s);
    EXPECT_EQ(propertyRow(spec, 4).mid(9), (QStringList { u"*"_s, u"GetSize"_s, u"read GetSize"_s, u"*R**"_s }));
    EXPECT_EQ(spec.Sections.at(4), u"public"_s);
    EXPECT_EQ(propertyRow(spec, 5).mid(9), (QStringList { u"SetWidth"_s, u"*"_s, u"write SetWidth"_s, u"**WP"_s }));
    EXPECT_EQ(spec.Sections.at(5), u"protected"_s);
    EXPECT_EQ(spec.Storage.at(5), u"Stored False"_s);
    expectAligned(spec);
}

TEST(ComponentSpecProperties, EditBackRoundTrip)
{
    ComponentSpec spec;
    PropertyInput data = property(u"Data"_s, u"integer"_s, u"3"_s);
    data.pointer = true;
    data.comment = u"note"_s;
    spec.addProperty(data);
    spec.addProperty(property(u"Caption"_s, u"string"_s, u"it's"_s));

    PropertyInput decoded;
    ASSERT_TRUE(spec.decodeProperty(0, decoded));
    EXPECT_EQ(decoded.type, u"^integer"_s);
    EXPECT_TRUE(decoded.pointer);
    EXPECT_EQ(decoded.defaultValue, u"3"_s);
    EXPECT_EQ(decoded.comment, u"note"_s);
    ASSERT_TRUE(spec.removeDefinedProperty(0));
    spec.addProperty(decoded);
    EXPECT_EQ(spec.Types.last(), u"^integer"_s);   // no second "^"
    EXPECT_EQ(spec.Properties, (QStringList { u"Caption"_s, u"Data"_s }));

    ASSERT_TRUE(spec.decodeProperty(0, decoded));
    EXPECT_EQ(decoded.defaultValue, u"it's"_s);
    EXPECT_FALSE(spec.decodeProperty(7, decoded));
    expectAligned(spec);
}

// Edit-back takes off only the quotes that Add put around a default, so that
// adding the decoded property again stores the same default.
struct DefaultDecodeRow {
    const char *name;
    QString type;
    bool pointer;
    QString typed;       // the default as typed
    QString stored;      // DefaultValues
    QString shown;       // the default field after edit-back
};

UF_ROW_NAME(DefaultDecodeRow)

class DefaultDecode : public ::testing::TestWithParam<DefaultDecodeRow>
{
};

TEST_P(DefaultDecode, GivesBackTheValueAsTyped)
{
    const DefaultDecodeRow &row = GetParam();
    ComponentSpec spec;
    PropertyInput input = property(u"Value"_s, row.type, row.typed);
    input.pointer = row.pointer;
    spec.addProperty(input);
    ASSERT_EQ(spec.DefaultValues.at(0), row.stored);

    PropertyInput decoded;
    ASSERT_TRUE(spec.decodeProperty(0, decoded));
    ASSERT_TRUE(spec.removeDefinedProperty(0));
    spec.addProperty(decoded);
    EXPECT_EQ(spec.DefaultValues.at(0), row.stored);
    EXPECT_EQ(spec.Initializers.at(0), ComponentSpec::initializerFor(u"FValue"_s, row.stored));
    EXPECT_EQ(decoded.defaultValue, row.shown);
}

INSTANTIATE_TEST_SUITE_P(
    ComponentSpecProperties, DefaultDecode,
    ::testing::Values(
        DefaultDecodeRow{"StringLosesItsAddedQuotes", u"string"_s, false, u"abc"_s, u"'abc'"_s, u"abc"_s},
        DefaultDecodeRow{"StringKeepsQuotesInside", u"String"_s, false, u"it's"_s, u"'it's'"_s, u"it's"_s},
        DefaultDecodeRow{"StringTypedWithQuotes", u"STRING"_s, false, u"'abc'"_s, u"''abc''"_s, u"'abc'"_s},
        DefaultDecodeRow{"StringOfOneQuote", u"string"_s, false, u"'"_s, u"'''"_s, u"'"_s},
        DefaultDecodeRow{"CharKeepsTypedQuotes", u"char"_s, false, u"'x'"_s, u"'x'"_s, u"'x'"_s},
        DefaultDecodeRow{"IntegerAsTyped", u"integer"_s, false, u"0"_s, u"0"_s, u"0"_s},
        DefaultDecodeRow{"EmptyIsNone", u"string"_s, false, QString(), u"*"_s, QString()},
        // Quoted for the type as typed, shown back as "^string", which Add
        // does not quote: the stored quotes stay in the field.
        DefaultDecodeRow{"PointerToString", u"string"_s, true, u"abc"_s, u"'abc'"_s, u"'abc'"_s}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(ComponentSpecProperties, RemovalIsTolerant)
{
    ComponentSpec spec;
    spec.addProperty(property(u"A"_s, u"integer"_s));
    spec.addProperty(property(u"B"_s, u"integer"_s, u"1"_s));
    spec.Initializers.clear();   // as after reading a file that lacked them
    spec.RMethods.removeLast();
    EXPECT_TRUE(spec.removeDefinedProperty(1));
    EXPECT_EQ(spec.Properties, QStringList { u"A"_s });
    spec.DefinedProperties.append(u"Ghost"_s);
    EXPECT_FALSE(spec.removeDefinedProperty(1));
    EXPECT_EQ(spec.DefinedProperties.size(), 2);
    EXPECT_FALSE(spec.removeDefinedProperty(-1));
    EXPECT_FALSE(spec.removeDefinedProperty(9));
}

TEST(ComponentSpecEvents, NormalisesNamesAndKeepsEventListsAligned)
{
    ComponentSpec spec;
    EXPECT_EQ(spec.addEventHandler({ u"Click"_s, u"TNotifyEvent"_s, QString(), false, QString() }), u"OnClick"_s);
    spec.addProperty(property(u"Count"_s, u"integer"_s));
    EXPECT_EQ(spec.addEventHandler({ u"onchange"_s, u"TNotifyEvent"_s, u"Sender: TObject"_s, true, u"c"_s }),
              u"onchange"_s);
    EXPECT_EQ(propertyRow(spec, 2), (QStringList { u"onchange"_s, u"*"_s, u"c"_s, u"*"_s, u"protected"_s,
        u"TNotifyEvent"_s, u"Fonchange"_s, u"*"_s, u"*"_s, u"*"_s, u"*"_s,
        u"read Fonchange write Fonchange"_s, u"****"_s }));
    EXPECT_EQ(spec.EProtected, (QStringList { u"*"_s, u"protected"_s }));
    EXPECT_EQ(spec.EventParams, (QStringList { u"*"_s, u"Sender: TObject"_s }));

    EventInput decoded;
    ASSERT_TRUE(spec.decodeEventHandler(1, decoded));
    EXPECT_EQ(decoded.name, u"onchange"_s);
    EXPECT_EQ(decoded.params, u"Sender: TObject"_s);
    EXPECT_TRUE(decoded.isProtected);

    spec.removeDefinedHandler(0);
    EXPECT_EQ(spec.Properties, (QStringList { u"Count"_s, u"onchange"_s }));
    EXPECT_EQ(spec.Events, QStringList { u"onchange"_s });
    expectAligned(spec);

    // A handler whose name is gone from the properties still leaves its row.
    spec.DefinedHandlers.append(u"OnGhost"_s);
    spec.removeDefinedHandler(1);
    EXPECT_EQ(spec.DefinedHandlers, QStringList { u"onchange"_s });
    EXPECT_EQ(spec.Events.size(), 1);
}

TEST(ComponentSpecMethods, HeadingsSectionsAndDecoding)
{
    MethodInput total;
    total.name = u"Total"_s;
    total.params = u"A, B: integer"_s;
    total.returnType = u"longint"_s;
    total.directive = MethodDirective::Virtual;
    total.isAbstract = true;
    EXPECT_EQ(ComponentSpec::methodHeading(total), u"Function Total(A, B: integer) : longint;virtual;abstract;"_s);

    MethodInput reset;
    reset.kind = u"Procedure"_s;
    reset.name = u"Reset"_s;
    EXPECT_EQ(ComponentSpec::methodHeading(reset), u"Procedure Reset;"_s);
    reset.directive = MethodDirective::Dynamic;
    reset.isOverride = true;
    EXPECT_EQ(ComponentSpec::methodHeading(reset), u"Procedure Reset;dynamic;override;"_s);

    ComponentSpec spec;
    EXPECT_TRUE(spec.addMethod(total).publicChecked);
    reset.isPrivate = true;
    reset.isPublic = true;
    reset.comment = u"why"_s;
    EXPECT_FALSE(spec.addMethod(reset).publicChecked);
    EXPECT_EQ(spec.MethodSections, (QStringList { u"public"_s, u"private"_s }));
    EXPECT_EQ(spec.DefinedMethods, (QStringList { u"Total"_s, u"Reset"_s }));

    TAwk awk;
    MethodInput decoded;
    ASSERT_TRUE(spec.decodeMethod(0, decoded));
    EXPECT_EQ(decoded.kind, u"Function"_s);
    EXPECT_EQ(decoded.name, u"Total"_s);
    EXPECT_EQ(decoded.params, u"A, B: integer"_s);
    EXPECT_EQ(decoded.returnType, u"longint"_s);
    EXPECT_EQ(decoded.directive, MethodDirective::Virtual);
    EXPECT_TRUE(decoded.isAbstract);
    EXPECT_TRUE(decoded.isPublic);
    EXPECT_EQ(ComponentSpec::methodHeading(decoded), spec.Methods.at(0));

    ASSERT_TRUE(spec.decodeMethod(1, decoded));
    EXPECT_EQ(decoded.kind, u"Procedure"_s);
    EXPECT_EQ(decoded.directive, MethodDirective::Dynamic);
    EXPECT_TRUE(decoded.isOverride);
    EXPECT_TRUE(decoded.isPrivate);
    EXPECT_EQ(decoded.comment, u"why"_s);
    EXPECT_TRUE(decoded.returnType.isEmpty());

    spec.removeMethod(0);
    spec.removeMethod(5);
    EXPECT_EQ(spec.Methods, QStringList { u"Procedure Reset;dynamic;override;"_s });
    expectAligned(spec);
}

TEST(ComponentSpecMessages, UserMessagesAndStandardSelection)
{
    ComponentSpec spec;
    spec.addUserMessage(u"WM_REFRESHVIEW"_s, 1);
    EXPECT_EQ(spec.UserMessages, QStringList { u"WM_REFRESHVIEW[WM_USER + 1]}  "_s });
    TAwk awk;
    awk.split(u"[]"_s, spec.UserMessages.at(0));
    EXPECT_EQ(awk.Field(0), u"WM_REFRESHVIEW"_s);
    EXPECT_EQ(awk.Field(1), u"WM_USER + 1"_s);

    EXPECT_EQ(standardMessageNames().size(), 230);
    EXPECT_EQ(standardMessageNames().indexOf(u"LB_SELITEMRANGE"_s) + 1,
              standardMessageNames().indexOf(u"LB_SELCARETINDEX"_s));
    EXPECT_TRUE(spec.selectStandardMessage(u"WM_SIZE"_s));
    EXPECT_TRUE(spec.selectStandardMessage(u"WM_PAINT"_s));
    EXPECT_FALSE(spec.selectStandardMessage(u"wm_paint"_s));   // letter case counts
    EXPECT_EQ(spec.selectedStandardMessages(), (QStringList { u"WM_PAINT"_s, u"WM_SIZE"_s }));
    EXPECT_EQ(spec.selectedStandardMessageCount(), 2);
}

TEST(ComponentSpec, ResetEmptiesListsAndKeepsHeader)
{
    ComponentSpec spec;
    spec.Classname = u"TGauge"_s;
    spec.addProperty(property(u"Value"_s, u"integer"_s, u"0"_s));
    spec.addEventHandler({ u"OnChange"_s, u"TNotifyEvent"_s, QString(), false, QString() });
    spec.addUserMessage(u"WM_GO"_s, 2);
    spec.selectStandardMessage(u"WM_SIZE"_s);
    spec.StandardProperties = { u"Name"_s };
    spec.reset();
    EXPECT_EQ(spec.Classname, u"TGauge"_s);
    EXPECT_TRUE(spec.Properties.isEmpty());
    EXPECT_TRUE(spec.UserMessages.isEmpty());
    EXPECT_TRUE(spec.StandardProperties.isEmpty());
    EXPECT_EQ(spec.selectedStandardMessageCount(), 0);
    spec.addProperty(property(u"Value"_s, u"integer"_s));
    EXPECT_EQ(spec.Properties.size(), 1);
    expectAligned(spec);
}

TEST(StringLists, CaseInsensitiveFirstMatchAndTolerantAccess)
{
    const QStringList list { u"Alpha"_s, u"beta"_s, u"BETA"_s };
    EXPECT_EQ(indexOfText(list, u"BeTa"_s), 1);
    EXPECT_EQ(indexOfText(list, u"gamma"_s), -1);
    EXPECT_EQ(entryAt(list, 3), QString());
    EXPECT_EQ(entryAt(list, -1), QString());
    QStringList copy = list;
    EXPECT_FALSE(removeEntryAt(copy, 3));
    EXPECT_TRUE(removeEntryAt(copy, 0));
    EXPECT_EQ(copy.size(), 2);
}

// ---- decoding a method heading ---------------------------------------------------------

namespace {

struct DecodeRow {
    const char *name;
    QString heading;
    QString kind;
    QString methodName;
    QString params;
    QString returnType;
    MethodDirective directive;
    bool isOverride;
    bool isAbstract;
};

UF_ROW_NAME(DecodeRow)

} // namespace

class MethodDecoding : public ::testing::TestWithParam<DecodeRow>
{
};

// Directives count only at the end, after a ";"; the parameters run to the
// ")" that closes their "(". Composed again, the heading is the one stored.
TEST_P(MethodDecoding, GivesBackTheFieldsOfTheHeading)
{
    const DecodeRow row = GetParam();
    ComponentSpec spec;
    spec.Methods = { row.heading };
    spec.MethodComments = { u"c"_s };
    spec.MethodSections = { u"protected"_s };
    TAwk awk;
    MethodInput decoded;
    ASSERT_TRUE(spec.decodeMethod(0, decoded));
    EXPECT_EQ(decoded.kind, row.kind);
    EXPECT_EQ(decoded.name, row.methodName);
    EXPECT_EQ(decoded.params, row.params);
    EXPECT_EQ(decoded.returnType, row.returnType);
    EXPECT_EQ(decoded.directive, row.directive);
    EXPECT_EQ(decoded.isOverride, row.isOverride);
    EXPECT_EQ(decoded.isAbstract, row.isAbstract);
    EXPECT_TRUE(decoded.isProtected);
    EXPECT_EQ(decoded.comment, u"c"_s);
    EXPECT_EQ(ComponentSpec::methodHeading(decoded), row.heading);
}

INSTANTIATE_TEST_SUITE_P(
    ComponentSpec, MethodDecoding,
    ::testing::Values(
        DecodeRow{"NameEndingInVirtual", u"Procedure Devirtual;"_s, u"Procedure"_s, u"Devirtual"_s,
                  QString(), QString(), MethodDirective::Static, false, false},
        DecodeRow{"NameThatIsADirective", u"Procedure dynamic;override;"_s, u"Procedure"_s, u"dynamic"_s,
                  QString(), QString(), MethodDirective::Static, true, false},
        DecodeRow{"ParametersNamedAfterDirectives", u"Procedure Set(abstract: byte; virtual: integer);"_s,
                  u"Procedure"_s, u"Set"_s, u"abstract: byte; virtual: integer"_s, QString(),
                  MethodDirective::Static, false, false},
        DecodeRow{"ReturnTypeCalledOverride", u"Function Kind : override;virtual;"_s, u"Function"_s,
                  u"Kind"_s, QString(), u"override"_s, MethodDirective::Virtual, false, false},
        DecodeRow{"NestedParentheses", u"Function Map(F: function(X: integer): integer) : boolean;"_s,
                  u"Function"_s, u"Map"_s, u"F: function(X: integer): integer"_s, u"boolean"_s,
                  MethodDirective::Static, false, false},
        DecodeRow{"UnclosedParenthesisRunsToTheLastClosing", u"Procedure Mode(M: (a);"_s,
                  u"Procedure"_s, u"Mode"_s, u"M: (a"_s, QString(), MethodDirective::Static, false, false}),
    [](const auto &info) { return std::string(info.param.name); });
