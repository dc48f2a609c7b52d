// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <functional>

#include "awk/awk.h"
#include "rowname.h"
#include "model/specbuilders.h"
#include "check/checker.h"
#include "generator/style.h"
#include "model/componentspec.h"
#include "specfile/specfile.h"

using namespace Qt::StringLiterals;
using Kind = Finding::Kind;
using Severity = Finding::Severity;

namespace {

// A specification that gives no finding: TGauge, a TComponent in Gauge.pas.
ComponentSpec baseSpec()
{
    ComponentSpec spec;
    spec.Filename = u"C:\\Units\\Gauge.pas"_s;
    spec.Classname = u"TGauge"_s;
    spec.Ancestor = u"TComponent"_s;
    spec.Palettepage = u"Samples"_s;
    spec.StandardProperties = {u"Name"_s, u"Tag"_s};
    return spec;
}

PropertyInput runtimeProperty(const QString &name, const QString &type, const QString &value = {})
{
    PropertyInput input = property(name, type, value);
    input.runtimeOnly = true;
    return input;
}

PropertyInput indexedProperty(const QString &name, const QString &read, const QString &write)
{
    PropertyInput input = property(name, u"integer"_s);
    input.indexed = true;
    input.readMethod = read;
    input.writeMethod = write;
    return input;
}

void addEvent(ComponentSpec &spec, const QString &name, const QString &type)
{
    EventInput input;
    input.name = name;
    input.type = type;
    spec.addEventHandler(input);
}

using Change = std::function<void(ComponentSpec &, Style &)>;

struct RuleCase {
    const char *name;
    Change change;
    Kind kind;
    int index;
    QString entry;
    Severity severity;
    QString message;   // a part of the message that names the fault
};

UF_ROW_NAME(RuleCase)

class CheckRule : public testing::TestWithParam<RuleCase> {};

// Each row breaks one rule and must give exactly that one finding.
TEST_P(CheckRule, GivesItsFinding)
{
    ComponentSpec spec = baseSpec();
    Style style;
    GetParam().change(spec, style);
    const QList<Finding> findings = checkSpecification(spec, style);
    ASSERT_EQ(findings.size(), 1) << [&] {
        std::string all;
        for (const Finding &f : findings)
            all += describeFinding(f).toStdString() + "\n";
        return all;
    }();
    const Finding &finding = findings.first();
    EXPECT_EQ(finding.kind, GetParam().kind);
    EXPECT_EQ(finding.index, GetParam().index);
    EXPECT_EQ(finding.name, GetParam().entry);
    EXPECT_EQ(finding.severity, GetParam().severity);
    EXPECT_TRUE(finding.message.contains(GetParam().message)) << finding.message.toStdString();
}

#define ROW(name, body, ...) RuleCase{name, [](ComponentSpec &spec, Style &style) { (void)style; body; }, __VA_ARGS__}

INSTANTIATE_TEST_SUITE_P(Rules, CheckRule, testing::Values(
    // Names
    ROW("UnitNameNotIdentifier", spec.Filename = u"C:\\Units\\my-unit.pas"_s,
        Kind::Unit, -1, u"my-unit"_s, Severity::Error, u"not a Pascal identifier"_s),
    ROW("UnitExtensionInCapitals", spec.Filename = u"Gauge.PAS"_s,
        Kind::Unit, -1, u"Gauge.PAS"_s, Severity::Error, u".pas, in lower case"_s),
    ROW("UnitNameReserved", spec.Filename = u"type.pas"_s,
        Kind::Unit, -1, u"type"_s, Severity::Error, u"reserved word"_s),
    ROW("UnitNameOfUsedUnit", spec.Filename = u"/src/forms.pas"_s,
        Kind::Unit, -1, u"forms"_s, Severity::Error, u"uses a unit of this name"_s),
    ROW("UnitNameHidesType", { spec.Filename = u"Byte.pas"_s; spec.addProperty(property(u"Level"_s, u"byte"_s)); },
        Kind::Unit, -1, u"Byte"_s, Severity::Error, u"refers to Byte"_s),
    ROW("UnitNameIsClassName", spec.Filename = u"tgauge.pas"_s,
        Kind::Unit, -1, u"tgauge"_s, Severity::Error, u"class has the same name"_s),
    ROW("NoClassName", spec.Classname.clear(),
        Kind::Class, -1, QString(), Severity::Error, u"no class name"_s),
    ROW("ClassNameReserved", spec.Classname = u"Object"_s,
        Kind::Class, -1, u"Object"_s, Severity::Error, u"reserved word"_s),
    ROW("ClassIsItsAncestor", { spec.Ancestor = u"TControl"_s; spec.Classname = u"tcontrol"_s; },
        Kind::Class, -1, u"tcontrol"_s, Severity::Error, u"descend from itself"_s),
    ROW("ClassNamedTComponent", { spec.Ancestor = u"TControl"_s; spec.Classname = u"TComponent"_s; },
        Kind::Class, -1, u"TComponent"_s, Severity::Error, u"constructor's parameter"_s),
    ROW("ClassNamedRegister", spec.Classname = u"Register"_s,
        Kind::Class, -1, u"Register"_s, Severity::Error, u"procedure Register"_s),
    ROW("AncestorNoComponent", spec.Ancestor = u"TStringList"_s,
        Kind::Ancestor, -1, u"TStringList"_s, Severity::Error, u"not a component"_s),
    ROW("NoAncestor", spec.Ancestor.clear(),
        Kind::Ancestor, -1, QString(), Severity::Error, u"no ancestor"_s),
    ROW("PalettePageQuote", spec.Palettepage = u"Tom's"_s,
        Kind::PalettePage, -1, u"Tom's"_s, Severity::Error, u"doubled"_s),
    ROW("SeparatorBrace", style.separatorChar = u"}"_s,
        Kind::Style, -1, u"}"_s, Severity::Error, u"ends the separator comment"_s),
    ROW("PropertyNameNotIdentifier", spec.addProperty(property(u"My Value"_s, u"integer"_s)),
        Kind::Property, 0, u"My Value"_s, Severity::Error, u"not a Pascal identifier"_s),
    ROW("PropertyNameReserved", spec.addProperty(property(u"Until"_s, u"integer"_s)),
        Kind::Property, 0, u"Until"_s, Severity::Error, u"reserved word"_s),
    ROW("AccessMethodNotIdentifier", { PropertyInput p = property(u"Level"_s, u"integer"_s); p.readMethod = u"Get Level"_s; spec.addProperty(p); },
        Kind::Property, 0, u"Level"_s, Severity::Error, u"read method 'Get Level' is not"_s),
    ROW("MessageNameNotIdentifier", spec.addUserMessage(u"WM-GO"_s, 3),
        Kind::Message, 0, u"WM-GO"_s, Severity::Error, u"not a Pascal identifier"_s),
    ROW("MethodNameReserved", spec.addMethod(method(u"Procedure"_s, u"label"_s)),
        Kind::Method, 0, u"label"_s, Severity::Error, u"reserved word"_s),
    // Types
    ROW("PointerBoxType", { PropertyInput p = runtimeProperty(u"Data"_s, u"integer"_s); p.pointer = true; spec.addProperty(p); },
        Kind::Property, 0, u"Data"_s, Severity::Error, u"'^integer' is not a type name"_s),
    ROW("UnknownType", spec.addProperty(property(u"Gadget"_s, u"TGadget"_s)),
        Kind::Property, 0, u"Gadget"_s, Severity::Warning, u"not one this check knows"_s),
    // Defaults a type cannot have
    ROW("FloatDefault", spec.addProperty(property(u"Ratio"_s, u"Double"_s, u"1.5"_s)),
        Kind::Property, 0, u"Ratio"_s, Severity::Error, u"floating-point property (Double) cannot have a default"_s),
    ROW("ShortStringDefault", spec.addProperty(property(u"Title"_s, u"ShortString"_s, u"'a'"_s)),
        Kind::Property, 0, u"Title"_s, Severity::Error, u"cannot have a default"_s),
    ROW("StringDefaultNotWritten", spec.addProperty(property(u"Title"_s, u"String"_s, u"abc"_s)),
        Kind::Property, 0, u"Title"_s, Severity::Warning, u"the default is not written"_s),
    ROW("PointerDefaultNotNil", spec.addProperty(runtimeProperty(u"Data"_s, u"Pointer"_s, u"5"_s)),
        Kind::Property, 0, u"Data"_s, Severity::Error, u"no default but nil"_s),
    ROW("RecordDefault", spec.addProperty(runtimeProperty(u"Bounds"_s, u"TRect"_s, u"0"_s)),
        Kind::Property, 0, u"Bounds"_s, Severity::Error, u"record property (TRect) cannot have a default"_s),
    ROW("EventTypeDefault", spec.addProperty(property(u"Handler"_s, u"TNotifyEvent"_s, u"nil"_s)),
        Kind::Property, 0, u"Handler"_s, Severity::Error, u"cannot have a default"_s),
    ROW("IndexedDefault", { PropertyInput p = indexedProperty(u"Items"_s, u"GetItems"_s, u"SetItems"_s); p.defaultValue = u"0"_s; spec.addProperty(p); },
        Kind::Property, 0, u"Items"_s, Severity::Error, u"indexed property cannot have a default"_s),
    // Defaults that are no constant of the type
    ROW("BooleanMaybe", spec.addProperty(property(u"Active"_s, u"boolean"_s, u"maybe"_s)),
        Kind::Property, 0, u"Active"_s, Severity::Error, u"not True or False"_s),
    ROW("StringQuoteNotDoubled", spec.addProperty(property(u"Title"_s, u"string"_s, u"it's"_s)),
        Kind::Property, 0, u"Title"_s, Severity::Error, u"must be doubled"_s),
    ROW("IntegerNotNumber", spec.addProperty(property(u"Level"_s, u"integer"_s, u"ten"_s)),
        Kind::Property, 0, u"Level"_s, Severity::Error, u"not a number"_s),
    ROW("ByteAboveRange", spec.addProperty(property(u"Level"_s, u"Byte"_s, u"256"_s)),
        Kind::Property, 0, u"Level"_s, Severity::Error, u"does not fit Byte (0 to 255)"_s),
    ROW("ByteHexAboveRange", spec.addProperty(property(u"Level"_s, u"byte"_s, u"$100"_s)),
        Kind::Property, 0, u"Level"_s, Severity::Error, u"does not fit"_s),
    ROW("ShortintBelowRange", spec.addProperty(property(u"Level"_s, u"shortint"_s, u"-129"_s)),
        Kind::Property, 0, u"Level"_s, Severity::Error, u"(-128 to 127)"_s),
    ROW("WordNegative", spec.addProperty(property(u"Level"_s, u"word"_s, u"-1"_s)),
        Kind::Property, 0, u"Level"_s, Severity::Error, u"(0 to 65535)"_s),
    ROW("CardinalAboveDelphiRange", spec.addProperty(property(u"Level"_s, u"Cardinal"_s, u"2147483648"_s)),
        Kind::Property, 0, u"Level"_s, Severity::Error, u"(0 to 2147483647)"_s),
    ROW("IntegerAboveRange", spec.addProperty(property(u"Level"_s, u"Integer"_s, u"2147483648"_s)),
        Kind::Property, 0, u"Level"_s, Severity::Error, u"does not fit"_s),
    ROW("MaxIntInByte", spec.addProperty(property(u"Level"_s, u"byte"_s, u"MaxInt"_s)),
        Kind::Property, 0, u"Level"_s, Severity::Error, u"does not fit"_s),
    ROW("CharTwoCharacters", spec.addProperty(property(u"Key"_s, u"char"_s, u"'ab'"_s)),
        Kind::Property, 0, u"Key"_s, Severity::Error, u"not one character"_s),
    ROW("CharUnquoted", spec.addProperty(property(u"Key"_s, u"Char"_s, u"a"_s)),
        Kind::Property, 0, u"Key"_s, Severity::Error, u"not one character"_s),
    ROW("EnumUnknownValue", spec.addProperty(property(u"Place"_s, u"TAlign"_s, u"alCustom"_s)),
        Kind::Property, 0, u"Place"_s, Severity::Error, u"not a value of TAlign"_s),
    ROW("SetUnknownElement", spec.addProperty(property(u"Styles"_s, u"TFontStyles"_s, u"[fsBold, fsHeavy]"_s)),
        Kind::Property, 0, u"Styles"_s, Severity::Error, u"not a set of TFontStyles"_s),
    // Published types
    ROW("PublishedPChar", spec.addProperty(property(u"Text1"_s, u"PChar"_s)),
        Kind::Property, 0, u"Text1"_s, Severity::Error, u"pointer property (PChar) cannot be published"_s),
    ROW("PublishedRecord", spec.addProperty(property(u"Bounds"_s, u"TRect"_s)),
        Kind::Property, 0, u"Bounds"_s, Severity::Error, u"cannot be published"_s),
    ROW("PublishedTextFile", spec.addProperty(property(u"Log"_s, u"TextFile"_s)),
        Kind::Property, 0, u"Log"_s, Severity::Error, u"text file property"_s),
    ROW("StoredFalseOnPublic", { PropertyInput p = runtimeProperty(u"Level"_s, u"integer"_s); p.stored = false; spec.addProperty(p); },
        Kind::Property, 0, u"Level"_s, Severity::Warning, u"only for published"_s),
    ROW("EventOfNoMethodType", addEvent(spec, u"OnLevel"_s, u"integer"_s),
        Kind::Event, 0, u"OnLevel"_s, Severity::Warning, u"not a method type"_s),
    // Indexed properties, methods, messages
    ROW("IndexedReadDirect", spec.addProperty(indexedProperty(u"Items"_s, {}, u"SetItems"_s)),
        Kind::Property, 0, u"Items"_s, Severity::Error, u"cannot be read directly"_s),
    ROW("IndexedWriteDirect", spec.addProperty(indexedProperty(u"Items"_s, u"GetItems"_s, {})),
        Kind::Property, 0, u"Items"_s, Severity::Error, u"cannot be written directly"_s),
    ROW("FunctionWithoutReturnType", spec.addMethod(method(u"Function"_s, u"Total"_s, u"A: integer"_s)),
        Kind::Method, 0, u"Total"_s, Severity::Error, u"needs a return type"_s),
    ROW("AbstractStatic", { MethodInput m = method(u"Procedure"_s, u"Draw"_s); m.isAbstract = true; spec.addMethod(m); },
        Kind::Method, 0, u"Draw"_s, Severity::Error, u"must be virtual or dynamic"_s),
    // Hand-edited headings: the build cuts only lower-case directives and
    // qualifies the method after the first blank.
    ROW("DirectiveNotInLowerCase", { spec.addMethod(method(u"Procedure"_s, u"Draw"_s)); spec.Methods[0] = u"Procedure Draw;virtual;Abstract;"_s; },
        Kind::Method, 0, u"Draw"_s, Severity::Error, u"write 'abstract' in lower case"_s),
    ROW("TabAfterTheKind", { spec.addMethod(method(u"Procedure"_s, u"Tick"_s)); spec.Methods[0] = u"Procedure\tTick;"_s; },
        Kind::Method, 0, u"Procedure\tTick;"_s, Severity::Error, u"parted by a blank"_s),
    ROW("DynamicOverride", { MethodInput m = method(u"Procedure"_s, u"Loaded"_s); m.directive = MethodDirective::Dynamic; m.isOverride = true; spec.addMethod(m); },
        Kind::Method, 0, u"Loaded"_s, Severity::Error, u"override cannot go with"_s),
    ROW("UntypedParameter", spec.addMethod(method(u"Procedure"_s, u"Move"_s, u"A integer"_s)),
        Kind::Method, 0, u"Move"_s, Severity::Error, u"has no type"_s),
    ROW("ParameterTwice", spec.addMethod(method(u"Procedure"_s, u"Move"_s, u"A: integer; a: byte"_s)),
        Kind::Method, 0, u"Move"_s, Severity::Error, u"'a' appears twice"_s),
    ROW("CommentWithBrace", { MethodInput m = method(u"Procedure"_s, u"Move"_s); m.comment = u"sets {x}"_s; spec.addMethod(m); },
        Kind::Method, 0, u"Move"_s, Severity::Error, u"ends the comment early"_s),
    ROW("MethodSectionUnknown", { spec.addMethod(method(u"Procedure"_s, u"Move"_s)); spec.MethodSections[0] = u"published"_s; },
        Kind::Method, 0, u"Move"_s, Severity::Error, u"does not declare it but the unit implements it"_s),
    ROW("UserMessagesShareOffset", { spec.addUserMessage(u"WM_GO"_s, 7); spec.addUserMessage(u"WM_STOP"_s, 7); },
        Kind::Message, 1, u"WM_STOP"_s, Severity::Error, u"number of message WM_GO (WM_USER + 7)"_s),
    ROW("UserMessageOnDmSetdefid", { spec.selectStandardMessage(u"DM_SETDEFID"_s); spec.addUserMessage(u"WM_GO"_s, 1); },
        Kind::Message, 0, u"WM_GO"_s, Severity::Error, u"DM_SETDEFID"_s),
    ROW("WmUserWithDmGetdefid", { spec.selectStandardMessage(u"WM_USER"_s); spec.selectStandardMessage(u"DM_GETDEFID"_s); },
        Kind::StandardMessage, 223, u"WM_USER"_s, Severity::Error, u"number of DM_GETDEFID"_s),
    ROW("UserMessageWithoutNumber", spec.UserMessages.append(u"WM_PLAIN"_s),
        Kind::Message, 0, u"WM_PLAIN"_s, Severity::Error, u"no number"_s),
    ROW("MessageNumberAboveDelphiRange", spec.addUserMessage(u"WM_FAR"_s, 48128),
        Kind::Message, 0, u"WM_FAR"_s, Severity::Warning, u"largest message number"_s),
    ROW("MessageNamedLikeClass", spec.addUserMessage(u"TGAUGE"_s, 2),
        Kind::Message, 0, u"TGAUGE"_s, Severity::Error, u"class has the same name"_s),
    ROW("MessageHidesType", spec.addUserMessage(u"TMESSAGE"_s, 2),
        Kind::Message, 0, u"TMESSAGE"_s, Severity::Error, u"would hide"_s),
    // Two members with one name
    ROW("MethodNamedLikeProperty", { spec.addProperty(property(u"Level"_s, u"integer"_s)); spec.addMethod(method(u"Procedure"_s, u"LEVEL"_s)); },
        Kind::Method, 0, u"LEVEL"_s, Severity::Error, u"the property 'Level'"_s),
    ROW("SharedReadMethod", {
            PropertyInput a = runtimeProperty(u"Low"_s, u"integer"_s); a.readMethod = u"GetBound"_s; spec.addProperty(a);
            PropertyInput b = runtimeProperty(u"High"_s, u"string"_s); b.readMethod = u"getbound"_s; spec.addProperty(b); },
        Kind::Property, 1, u"High"_s, Severity::Error, u"its read method 'getbound' has the name of the read method of property 'Low'"_s),
    ROW("MethodNamedLikeAccessMethod", {
            PropertyInput p = property(u"Level"_s, u"integer"_s); p.writeMethod = u"SetLevel"_s; spec.addProperty(p);
            spec.addMethod(method(u"Procedure"_s, u"SetLevel"_s, u"Value: integer"_s)); },
        Kind::Method, 0, u"SetLevel"_s, Severity::Error, u"write method of property 'Level'"_s),
    ROW("PropertyNamedLikeStandardProperty", spec.addProperty(property(u"tag"_s, u"integer"_s)),
        Kind::Property, 0, u"tag"_s, Severity::Error, u"published property Tag of TComponent"_s),
    ROW("EventNamedLikeStandardEvent", { spec.StandardEvents = {u"OnTimer"_s}; addEvent(spec, u"OnTimer"_s, u"TNotifyEvent"_s); },
        Kind::Event, 0, u"OnTimer"_s, Severity::Error, u"published event OnTimer"_s),
    ROW("PropertyNamedLikeField", { spec.addProperty(property(u"Count"_s, u"integer"_s)); spec.addProperty(property(u"FCount"_s, u"integer"_s)); },
        Kind::Property, 1, u"FCount"_s, Severity::Error, u"the field of property 'Count'"_s),
    ROW("MethodNamedCreate", spec.addMethod(method(u"Procedure"_s, u"create"_s)),
        Kind::Method, 0, u"create"_s, Severity::Error, u"constructor Create"_s),
    ROW("UserMessageNamedLikeStandard", { spec.selectStandardMessage(u"WM_SIZE"_s); spec.addUserMessage(u"WM_SIZE"_s, 2); },
        Kind::Message, 0, u"WM_SIZE"_s, Severity::Error, u"handler WMsize of message WM_SIZE"_s),
    // Names the class inherits
    ROW("PropertyHidesTheControlsColor", { spec.Ancestor = u"TGraphicControl"_s; spec.addProperty(property(u"color"_s, u"integer"_s)); },
        Kind::Property, 0, u"color"_s, Severity::Warning, u"TGraphicControl already has a member color, which this one hides"_s),
    ROW("EventHidesTheControlsOnClick", { spec.Ancestor = u"TGraphicControl"_s; addEvent(spec, u"OnClick"_s, u"TNotifyEvent"_s); },
        Kind::Event, 0, u"OnClick"_s, Severity::Warning, u"member OnClick, which this one hides (the code of TGraphicControl keeps using its own); rename it"_s),
    ROW("EventHidesTheWindowedControlsOnKeyDown", { spec.Ancestor = u"TCustomControl"_s; addEvent(spec, u"OnKeyDown"_s, u"TNotifyEvent"_s); },
        Kind::Event, 0, u"OnKeyDown"_s, Severity::Warning, u"TCustomControl already has a member OnKeyDown"_s),
    ROW("PropertyHidesAnUnselectedPublishedOne", { spec.StandardProperties = {u"Name"_s}; spec.addProperty(property(u"Tag"_s, u"integer"_s)); },
        Kind::Property, 0, u"Tag"_s, Severity::Warning, u"choose it among the ancestor's members on the Class page instead"_s),
    ROW("UserMessageNamedLikeAStandardOne", spec.addUserMessage(u"WM_PAINT"_s, 3),
        Kind::Message, 0, u"WM_PAINT"_s, Severity::Warning, u"WM_PAINT is a standard message; this constant hides the standard one in the unit, so code that means the standard message gets WM_USER + 3 instead"_s),
    ROW("HandlersRunTogether", { spec.addUserMessage(u"WM_MY_EVENT"_s, 2); spec.addUserMessage(u"WM_MYEVENT"_s, 3); },
        Kind::Message, 1, u"WM_MYEVENT"_s, Severity::Error, u"handler WMmyevent of message WM_MY_EVENT"_s)),
    [](const testing::TestParamInfo<RuleCase> &info) { return std::string(info.param.name); });

struct CleanCase {
    const char *name;
    Change change;
};

UF_ROW_NAME(CleanCase)

class CheckClean : public testing::TestWithParam<CleanCase> {};

// Entries at the edge of a rule that the compilers take.
TEST_P(CheckClean, GivesNoFinding)
{
    ComponentSpec spec = baseSpec();
    Style style;
    GetParam().change(spec, style);
    const QList<Finding> findings = checkSpecification(spec, style);
    EXPECT_TRUE(findings.isEmpty()) << describeFinding(findings.value(0)).toStdString();
}

#define CLEAN(name, body) CleanCase{name, [](ComponentSpec &spec, Style &style) { (void)style; body; }}

INSTANTIATE_TEST_SUITE_P(Edges, CheckClean, testing::Values(
    CLEAN("OnlyAClass", {}),
    // Only some graphic controls publish a brush, and none takes keys.
    CLEAN("NamesOfOtherBranchesOfControls", { spec.Ancestor = u"TGraphicControl"_s; spec.addProperty(property(u"Brush"_s, u"TBrush"_s)); addEvent(spec, u"OnKeyDown"_s, u"TNotifyEvent"_s); }),
    CLEAN("ControlNamesOnAComponent", { spec.addProperty(property(u"Color"_s, u"TColor"_s)); addEvent(spec, u"OnClick"_s, u"TNotifyEvent"_s); spec.addUserMessage(u"WM_PAINTED"_s, 3); }),
    CLEAN("ByteAtBothEnds", { spec.addProperty(property(u"Low"_s, u"byte"_s, u"0"_s)); spec.addProperty(property(u"High"_s, u"BYTE"_s, u"$FF"_s)); }),
    CLEAN("IntegerAtBothEnds", { spec.addProperty(property(u"Low"_s, u"integer"_s, u"-2147483648"_s)); spec.addProperty(property(u"High"_s, u"longint"_s, u"MaxInt"_s)); }),
    CLEAN("CardinalTop", spec.addProperty(property(u"Level"_s, u"cardinal"_s, u"2147483647"_s))),
    CLEAN("ColourAndCursorConstants", { spec.addProperty(property(u"Shade"_s, u"TColor"_s, u"clbtnface"_s)); spec.addProperty(property(u"Pointer1"_s, u"TCursor"_s, u"crHourGlass"_s)); }),
    CLEAN("CharCodes", { spec.addProperty(property(u"Key"_s, u"char"_s, u"#65"_s)); spec.addProperty(property(u"Quote"_s, u"char"_s, u"''''"_s)); }),
    CLEAN("BooleanAnyCase", spec.addProperty(property(u"Active"_s, u"Boolean"_s, u"TRUE"_s))),
    CLEAN("EmptySetAndEnum", { spec.addProperty(property(u"Styles"_s, u"TFontStyles"_s, u"[]"_s)); spec.addProperty(property(u"Place"_s, u"TAlign"_s, u"alClient"_s)); }),
    CLEAN("ClassDefaultNil", spec.addProperty(property(u"Font1"_s, u"TFont"_s, u"nil"_s))),
    CLEAN("DirectivesAsNames", { spec.addProperty(property(u"Read"_s, u"integer"_s)); spec.addMethod(method(u"Procedure"_s, u"Message"_s, u"Index: integer"_s)); }),
    CLEAN("IndexedWithMethods", spec.addProperty(indexedProperty(u"Items"_s, u"GetItems"_s, u"SetItems"_s))),
    CLEAN("ReadOnlyIndexed", { PropertyInput p = indexedProperty(u"Items"_s, u"GetItems"_s, {}); p.readOnly = true; spec.addProperty(p); }),
    CLEAN("PointerPublic", spec.addProperty(runtimeProperty(u"Data"_s, u"Pointer"_s, u"nil"_s))),
    CLEAN("OverrideAbstract", { MethodInput m = method(u"Procedure"_s, u"Loaded"_s); m.isOverride = true; m.isAbstract = true; spec.addMethod(m); }),
    CLEAN("UntypedVarAndOpenArray", spec.addMethod(method(u"Function"_s, u"Sum"_s, u"var Buffer; const Items: array of integer"_s, u"string"_s))),
    CLEAN("CommentWithOpeningBrace", { MethodInput m = method(u"Procedure"_s, u"Move"_s); m.comment = u"a { and (* inside"_s; spec.addMethod(m); }),
    CLEAN("DoubledQuoteInPage", spec.Palettepage = u"Tom''s"_s),
    CLEAN("OpeningBraceSeparator", style.separatorChar = u"{"_s),
    CLEAN("ClosingBraceWithoutSeparator", { style.separatorChar = u"}"_s; style.separatorLength = 0; }),
    CLEAN("MessagesApart", { spec.selectStandardMessage(u"DM_SETDEFID"_s); spec.addUserMessage(u"WM_GO"_s, 2); spec.addUserMessage(u"WM_STOP"_s, 48127); }),
    CLEAN("EventOfEventType", addEvent(spec, u"Change"_s, u"TNotifyEvent"_s))),
    [](const testing::TestParamInfo<CleanCase> &info) { return std::string(info.param.name); });

struct ExampleCase {
    const char *name;
    const char *file;
    QStringList findings;   // described, in order
};
UF_ROW_NAME(ExampleCase)

class CheckExample : public testing::TestWithParam<ExampleCase> {};

TEST_P(CheckExample, GivesOnlyTheExpectedFindings)
{
    ComponentSpec spec;
    TAwk awk;
    readSpecification(spec, QStringLiteral(UF_TEST_DATA_DIR "/") + QLatin1String(GetParam().file), awk);
    QStringList described;
    for (const Finding &finding : checkSpecification(spec, Style()))
        described.append(severityLabel(finding.severity) + u": "_s + describeFinding(finding));
    EXPECT_EQ(described, GetParam().findings);
}

INSTANTIATE_TEST_SUITE_P(Examples, CheckExample, testing::Values(
    ExampleCase{"tank", "tank.spc", {}},
    // The one string default of the examples is not written to its property.
    ExampleCase{"gauge", "gauge.spc", {u"warning: property 'Caption': string properties take no default "
                              "clause, so the default is not written; the constructor still sets "
                              "the field to 'Gauge'"_s}}), RowName());

TEST(CheckSpecification, LeavesTheSpecificationAsItWas)
{
    ComponentSpec spec = baseSpec();
    spec.addProperty(property(u"Level"_s, u"byte"_s, u"300"_s));
    spec.addUserMessage(u"WM_GO"_s, 1);
    spec.selectStandardMessage(u"DM_SETDEFID"_s);
    const ComponentSpec before = spec;
    EXPECT_EQ(errorCount(checkSpecification(spec, Style())), 2);
    EXPECT_EQ(spec.DefaultValues, before.DefaultValues);
    EXPECT_EQ(spec.UserMessages, before.UserMessages);
    EXPECT_EQ(spec.selectedStandardMessages(), before.selectedStandardMessages());
}

} // namespace
