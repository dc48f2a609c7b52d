// SPDX-License-Identifier: MIT
// The unit a specification builds into, line by line.
#include "awk/awk.h"
#include "generator/bodysource.h"
#include "generator/implementation.h"
#include "generator/messagehandlers.h"
#include "generator/unitgenerator.h"
#include "model/componentspec.h"
#include "model/specbuilders.h"
#include "model/unitname.h"
#include "rowname.h"
#include "specfile/filebytes.h"
#include "specfile/textcodec.h"

#include <QHash>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// Hand-written bodies held in memory, keyed by lower-cased section and key.
class MapBodies : public BodySource
{
public:
    void set(const QString &section, const QString &key, const QString &value)
    {
        m_values[section.toLower()][key.toLower()] = value;
    }
    QString readString(const QString &section, const QString &key, const QString &def) const override
    {
        return m_values.value(section.toLower()).value(key.toLower(), def);
    }
    int readInteger(const QString &section, const QString &key, int def) const override
    {
        bool ok = false;
        const int value = readString(section, key, QString()).toInt(&ok);
        return ok ? value : def;
    }
    QList<qint64> numberedKeys(const QString &section, const QString &prefix) const override
    {
        QList<qint64> numbers;
        const auto keys = m_values.value(section.toLower()).keys();
        for (const QString &key : keys) {
            bool ok = false;
            const qint64 n = key.mid(prefix.size()).toLongLong(&ok);
            if (key.startsWith(prefix) && ok)
                numbers.append(n);
        }
        std::sort(numbers.begin(), numbers.end());
        return numbers;
    }

private:
    QHash<QString, QHash<QString, QString>> m_values;
};

GeneratedUnit generate(const ComponentSpec &spec, const Style &style = Style(),
                       const BodySource *bodies = nullptr)
{
    TAwk awk;
    return generateUnit(spec, style, awk, bodies);
}

QStringList build(const ComponentSpec &spec, const Style &style = Style(),
                  const BodySource *bodies = nullptr)
{
    return generate(spec, style, bodies).lines;
}

// Reports the first line that differs, which a plain list comparison hides.
void expectLines(const QStringList &actual, const QStringList &expected)
{
    const qsizetype common = std::min(actual.size(), expected.size());
    for (qsizetype i = 0; i < common; ++i)
        ASSERT_EQ(actual.at(i).toStdString(), expected.at(i).toStdString()) << "line " << i + 1;
    ASSERT_EQ(actual.size(), expected.size());
}

// Lines from first to the line equal to last, inclusive.
QStringList slice(const QStringList &lines, const QString &first, const QString &last)
{
    const qsizetype from = lines.indexOf(first);
    const qsizetype to = lines.indexOf(last, from);
    return from < 0 || to < 0 ? QStringList() : lines.mid(from, to - from + 1);
}

const QString kSpacer = u" "_s;

} // namespace

TEST(UnitGenerator, BuildsTheTankUnit)
{
    const GeneratedUnit unit = generate(tankSpec(), tankStyle());
    // The Output text, like the file, ends with a line break.
    expectSameAsDataFile(sourceFileBytes(unit.lines + QStringList{QString()}), "tank.pas");
    EXPECT_EQ(unit.procedures, QStringList { u"    procedure SetLevel(Value:integer);"_s });
    EXPECT_TRUE(unit.functions.isEmpty());
}

TEST(UnitGenerator, BlankSpecificationWithDefaultStyle)
{
    ComponentSpec spec;
    spec.Filename.clear();
    spec.Classname = u"TBlank"_s;
    spec.StandardProperties = { u"Name"_s, u"Tag"_s };
    const QStringList lines = build(spec);
    const QString separator = u"{"_s + QString(80, u'=') + u"}"_s;
    EXPECT_EQ(separator.size(), 82);
    expectLines(lines.mid(0, 26), {
        u"unit Unit1;"_s, u""_s, u"interface"_s, u""_s, u"uses"_s,
        u"  SysUtils,WinTypes,WinProcs,Messages,Classes,Graphics,"_s,
        u"  Controls,Forms,Dialogs,StdCtrls,Menus,Buttons,printers,"_s,
        u"  inifiles,TabNotBk,Tabs,ExtCtrls,clipbrd,typinfo,dbtables,"_s,
        u"  grids,mask,outline,DB,DBCtrls,DbGrids,DBLookup,DDEMan,FileCtrl,"_s,
        u"  mplayer,Spin;"_s, kSpacer, u"type"_s, u"  TBlank = class(TComponent)"_s,
        u"  private"_s, u"  protected"_s, u"  public"_s,
        u"    constructor Create(AOwner:TComponent);override;"_s,
        u"    destructor Destroy;override;"_s, u"  published"_s,
        u"    Property Name;"_s, u"    Property Tag;"_s, u"end;"_s, u""_s,
        u"procedure Register;"_s, u""_s, u""_s,
    });
    expectLines(lines.mid(26), {
        u"implementation"_s, u""_s, separator, u""_s, u"procedure Register;"_s, u"begin"_s,
        u"  RegisterComponents('',[TBlank]);"_s, u"end;"_s, kSpacer, kSpacer, separator, u""_s,
        u"constructor TBlank.Create(AOwner:TComponent);"_s, u"begin"_s,
        u"  inherited Create(AOwner);"_s, u"end;"_s, kSpacer, kSpacer, separator, u""_s,
        u"destructor TBlank.Destroy;"_s, u"begin"_s, u"  inherited Destroy;"_s, u"end;"_s,
        u"end."_s,
    });
}

TEST(UnitGenerator, UnitIdentifierFromTheUnitNameField)
{
    EXPECT_EQ(unitIdentifier(u"C:\\Work\\btnplus.pas"_s), u"btnplus"_s);
    EXPECT_EQ(unitIdentifier(u"/home/ann/btnplus.pas"_s), u"btnplus"_s);
    EXPECT_EQ(unitIdentifier(u"unit1.pas"_s), u"unit1"_s);
    EXPECT_EQ(unitIdentifier(u"Gauge.PAS"_s), u"Gauge.PAS"_s);
    EXPECT_EQ(unitIdentifier(u"D:Dial.pas"_s), u"Dial"_s);
    EXPECT_EQ(unitIdentifier(QString()), u"Unit1"_s);
    // The extension is cut before the directory is removed.
    EXPECT_EQ(unitIdentifier(u"C:\\a.pas\\b.pas"_s), u"a"_s);
    EXPECT_EQ(unitIdentifier(u"/usr/share/lazarus/lcl/stdctrls.pp"_s), u"stdctrls"_s);
    EXPECT_EQ(unitIdentifier(u"Gauge.PP"_s), u"Gauge.PP"_s);
    EXPECT_EQ(unitIdentifier(u"lib.pp/gauge"_s), u"gauge"_s);
    EXPECT_EQ(unitIdentifier(u"/units/.pp"_s), u".pp"_s);
    EXPECT_EQ(buildingStatusText(u"Dial"_s), u"Building Dial"_s);
    EXPECT_EQ(builtStatusText(u"D:\\Components\\Dial.pas"_s), u"D:\\Components\\Dial.pas built"_s);
}

TEST(UnitGenerator, RefusesABuildWithoutClassName)
{
    ComponentSpec spec;
    EXPECT_EQ(buildRefusal(spec).value_or(QString()), u"You need to enter the class name"_s);
    spec.Classname = u"TX"_s;
    EXPECT_FALSE(buildRefusal(spec).has_value());
}

struct PropertyLineCase {
    const char *name;
    PropertyInput input;
    const char *line;
};

UF_ROW_NAME(PropertyLineCase)

class PropertyLines : public ::testing::TestWithParam<PropertyLineCase> {};

TEST_P(PropertyLines, AreDeclaredExactly)
{
    ComponentSpec spec;
    spec.Classname = u"TX"_s;
    spec.addProperty(GetParam().input);
    const QStringList lines = build(spec);
    EXPECT_TRUE(lines.contains(QString::fromUtf8(GetParam().line)))
        << GetParam().line << "\n" << lines.join(u'\n').toStdString();
}

INSTANTIATE_TEST_SUITE_P(UnitGenerator, PropertyLines, ::testing::Values(
    PropertyLineCase { "stored with default", property(u"Count"_s, u"integer"_s, u"5"_s),
        "    Property Count : integer read FCount write FCount default 5;" },
    PropertyLineCase { "no default", property(u"Count"_s, u"integer"_s),
        "    Property Count : integer read FCount write FCount ;" },
    PropertyLineCase { "not stored, default",
        withChanges(property(u"Count"_s, u"integer"_s, u"5"_s), [](PropertyInput &p) { p.stored = false; }),
        "    Property Count : integer read FCount write FCount Stored False default 5;" },
    PropertyLineCase { "not stored, no default",
        withChanges(property(u"Count"_s, u"integer"_s), [](PropertyInput &p) { p.stored = false; }),
        "    Property Count : integer read FCount write FCount Stored False ;" },
    PropertyLineCase { "string default is left to the constructor",
        withChanges(property(u"Caption"_s, u"string"_s, u"abc"_s), [](PropertyInput &p) { p.stored = false; }),
        "    Property Caption : string read FCaption write FCaption Stored False ;" },
    PropertyLineCase { "string default initialises the field",
        property(u"Caption"_s, u"String"_s, u"abc"_s), "     FCaption := 'abc';" },
    PropertyLineCase { "indexed with access methods",
        withChanges(property(u"Items"_s, u"string"_s), [](PropertyInput &p) {
            p.indexed = true; p.readMethod = u"GetItems"_s; p.writeMethod = u"SetItems"_s; }),
        "    Property Items[Index: integer] : string read GetItems write SetItems ;" },
    PropertyLineCase { "indexed read function",
        withChanges(property(u"Items"_s, u"string"_s), [](PropertyInput &p) {
            p.indexed = true; p.readMethod = u"GetItems"_s; }),
        "    function GetItems(Index: integer): string;" },
    PropertyLineCase { "indexed write procedure",
        withChanges(property(u"Items"_s, u"string"_s), [](PropertyInput &p) {
            p.indexed = true; p.writeMethod = u"SetItems"_s; }),
        "    procedure SetItems(Index: integer; Value:string);" },
    PropertyLineCase { "read only",
        withChanges(property(u"Size"_s, u"longint"_s), [](PropertyInput &p) {
            p.readOnly = true; p.readMethod = u"GetSize"_s; }),
        "    Property Size : longint read GetSize ;" },
    PropertyLineCase { "pointer type field",
        withChanges(property(u"Data"_s, u"integer"_s), [](PropertyInput &p) { p.pointer = true; }),
        "    FData : ^integer;" }
), RowName());

// A default of a string type, in any letter case, is quoted and set by the
// constructor, never declared.
class StringDefault : public ::testing::TestWithParam<const char *> {};

TEST_P(StringDefault, IsQuotedInTheConstructorAndNotDeclared)
{
    ComponentSpec spec;
    spec.Classname = u"TX"_s;
    const QString type = QString::fromLatin1(GetParam());
    spec.addProperty(property(u"Caption"_s, type, u"abc"_s));
    const QStringList lines = build(spec);
    EXPECT_TRUE(lines.contains(u"    Property Caption : "_s + type + u" read FCaption write FCaption ;"_s))
        << lines.join(u'\n').toStdString();
    EXPECT_TRUE(lines.contains(u"     FCaption := 'abc';"_s)) << lines.join(u'\n').toStdString();
}

INSTANTIATE_TEST_SUITE_P(UnitGenerator, StringDefault, ::testing::Values("String", "STRING"),
                         [](const auto &info) { return std::string(info.param); });

TEST(UnitGenerator, PropertiesGoToTheirSectionsInOrder)
{
    ComponentSpec spec;
    spec.Classname = u"TX"_s;
    spec.addProperty(withChanges(property(u"A"_s, u"integer"_s), [](PropertyInput &p) { p.isProtected = true; }));
    spec.addProperty(withChanges(property(u"B"_s, u"integer"_s), [](PropertyInput &p) { p.runtimeOnly = true; }));
    spec.addProperty(property(u"C"_s, u"integer"_s));
    const QStringList lines = build(spec);
    const qsizetype a = lines.indexOf(u"    Property A : integer read FA write FA ;"_s);
    const qsizetype b = lines.indexOf(u"    Property B : integer read FB write FB ;"_s);
    const qsizetype c = lines.indexOf(u"    Property C : integer read FC write FC ;"_s);
    EXPECT_LT(lines.indexOf(u"  protected"_s), a);
    EXPECT_LT(a, lines.indexOf(u"  public"_s));
    EXPECT_LT(lines.indexOf(u"    destructor Destroy;override;"_s), b);
    EXPECT_LT(b, lines.indexOf(u"  published"_s));
    EXPECT_LT(lines.indexOf(u"  published"_s), c);
}

TEST(UnitGenerator, ToleratesEmptyAccessEntriesFromAFile)
{
    ComponentSpec spec;
    spec.Classname = u"TX"_s;
    spec.addProperty(property(u"Count"_s, u"integer"_s));
    spec.RMethods[0] = QString();
    spec.WMethods.clear();   // a file that lacks the entry
    const GeneratedUnit unit = generate(spec);
    EXPECT_TRUE(unit.functions.isEmpty());
    EXPECT_TRUE(unit.procedures.isEmpty());
    EXPECT_FALSE(unit.lines.join(u'\n').contains(u"function "_s));
}

TEST(UnitGenerator, StyleShapesEveryRoutine)
{
    ComponentSpec spec;
    spec.Classname = u"TX"_s;
    spec.addProperty(property(u"Count"_s, u"integer"_s, u"7"_s));

    Style none;
    none.indent = 0;
    none.blankLines = 0;
    none.separatorLength = 0;
    none.separatorChar = u"#"_s;
    const QStringList flat = build(spec, none);
    for (const QString &line : flat) {
        if (line != u"     FCount := 7;"_s && line != kSpacer)
            EXPECT_FALSE(line.startsWith(u' ')) << line.toStdString();
        EXPECT_FALSE(line.startsWith(u'{')) << line.toStdString();
    }
    expectLines(slice(flat, u"implementation"_s, u"destructor TX.Destroy;"_s), {
        u"implementation"_s, u""_s, u"procedure Register;"_s, u"begin"_s,
        u"RegisterComponents('',[TX]);"_s, u"end;"_s,
        u"constructor TX.Create(AOwner:TComponent);"_s, u"begin"_s, u"inherited Create(AOwner);"_s,
        u"     FCount := 7;"_s, u"end;"_s, u"destructor TX.Destroy;"_s,
    });

    Style wide;
    wide.indent = 4;
    wide.blankLines = 3;
    wide.separatorLength = 5;
    wide.separatorChar = QString();
    const QStringList lines = build(spec, wide);
    expectLines(slice(lines, u"    RegisterComponents('',[TX]);"_s, u"constructor TX.Create(AOwner:TComponent);"_s), {
        u"    RegisterComponents('',[TX]);"_s, u"end;"_s, kSpacer, kSpacer, kSpacer, u"{}"_s, u""_s,
        u"constructor TX.Create(AOwner:TComponent);"_s,
    });
    EXPECT_TRUE(lines.contains(u"        FCount : integer;"_s));
    EXPECT_TRUE(lines.contains(u"    inherited Create(AOwner);"_s));

    // Out-of-range values are brought into range rather than honoured.
    Style absurd;
    absurd.indent = 1 << 30;
    absurd.separatorLength = -5;
    const QStringList clamped = build(spec, absurd);
    EXPECT_TRUE(clamped.contains(QString(20, u' ') + u"private"_s));
}

TEST(UnitGenerator, MethodCommentsAndDirectives)
{
    ComponentSpec spec;
    spec.Classname = u"TMyButton"_s;
    MethodInput total;
    total.name = u"Total"_s;
    total.params = u"A, B: integer"_s;
    total.returnType = u"longint"_s;
    total.directive = MethodDirective::Virtual;
    total.comment = u"Recalculates the total"_s;
    spec.addMethod(total);
    MethodInput clear;
    clear.kind = u"Procedure"_s;
    clear.name = u"Clear"_s;
    clear.isOverride = true;
    clear.isProtected = true;
    clear.comment = u"First line\nSecond line"_s;
    spec.addMethod(clear);
    MethodInput draw;
    draw.kind = u"Procedure"_s;
    draw.name = u"Draw"_s;
    draw.directive = MethodDirective::Virtual;
    draw.isAbstract = true;
    draw.isPrivate = true;
    spec.addMethod(draw);

    Style after;
    after.separatorLength = 3;
    const QStringList lines = build(spec, after);
    expectLines(slice(lines, u"Function TMyButton.Total(A, B: integer) : longint;"_s, u"end;"_s), {
        u"Function TMyButton.Total(A, B: integer) : longint;"_s, u"{ Recalculates the total }"_s,
        u"begin"_s, u""_s, u"end;"_s,
    });
    expectLines(slice(lines, u"Procedure TMyButton.Clear;"_s, u"end;"_s), {
        u"Procedure TMyButton.Clear;"_s, u"{ First line"_s, u"Second line }"_s, u"begin"_s, u""_s, u"end;"_s,
    });
    // Declared in the class, never defined.
    EXPECT_TRUE(lines.contains(u"    Procedure Draw;virtual;abstract;"_s));
    EXPECT_FALSE(lines.join(u'\n').contains(u"TMyButton.Draw"_s));

    Style before = after;
    before.commentsBefore = true;
    const QStringList moved = build(spec, before);
    expectLines(slice(moved, u"{===}"_s, u"Function TMyButton.Total(A, B: integer) : longint;"_s).mid(0), {
        u"{===}"_s, u""_s, u"procedure Register;"_s, u"begin"_s, u"  RegisterComponents('',[TMyButton]);"_s,
        u"end;"_s, kSpacer, kSpacer, u"{===}"_s, u""_s, u"constructor TMyButton.Create(AOwner:TComponent);"_s,
        u"begin"_s, u"  inherited Create(AOwner);"_s, u"end;"_s, kSpacer, kSpacer, u"{===}"_s, u""_s,
        u"destructor TMyButton.Destroy;"_s, u"begin"_s, u"  inherited Destroy;"_s, u"end;"_s, kSpacer,
        kSpacer, u"{===}"_s, u""_s, u"{ Recalculates the total }"_s,
        u"Function TMyButton.Total(A, B: integer) : longint;"_s,
    });
}

TEST(UnitGenerator, DynamicMethodIsImplementedWithoutItsDirective)
{
    ComponentSpec spec;
    spec.Classname = u"TX"_s;
    MethodInput draw = method(u"Procedure"_s, u"Draw"_s, u"Canvas: TCanvas"_s);
    draw.directive = MethodDirective::Dynamic;
    spec.addMethod(draw);
    const QStringList lines = build(spec);
    EXPECT_TRUE(lines.contains(u"    Procedure Draw(Canvas: TCanvas);dynamic;"_s));
    EXPECT_TRUE(lines.contains(u"Procedure TX.Draw(Canvas: TCanvas);"_s)) << lines.join(u'\n').toStdString();
}

TEST(UnitGenerator, MessageHandlersFollowListOrderAndRecordTypes)
{
    ComponentSpec spec;
    spec.Classname = u"TMyButton"_s;
    spec.selectStandardMessage(u"WM_SIZE"_s);
    spec.selectStandardMessage(u"WM_PAINT"_s);
    spec.selectStandardMessage(u"EM_SETSEL"_s);
    spec.addUserMessage(u"WM_REFRESHVIEW"_s, 3);
    spec.UserMessages.append(u"wm_late"_s);
    spec.UserMessages.append(u"WM_PLAIN"_s);
    const QStringList lines = build(spec);
    expectLines(slice(lines, u"const"_s, u"type"_s), {
        u"const"_s, u"  WM_REFRESHVIEW = WM_USER + 3;"_s, u"  wm_late = ;"_s, u"  WM_PLAIN = ;"_s,
        u""_s, u"type"_s,
    });
    expectLines(slice(lines, u"  protected"_s, u"  public"_s), {
        u"  protected"_s,
        u"    procedure EMsetsel(var Message: TMessage); message EM_SETSEL;"_s,
        u"    procedure WMpaint(var Message: TWMpaint); message WM_PAINT;"_s,
        u"    procedure WMsize(var Message: TWMsize); message WM_SIZE;"_s,
        u"    procedure WMrefreshview(var Message: TMessage); message WM_REFRESHVIEW;"_s,
        u"    procedure wmlate(var Message: TMessage); message wm_late;"_s,
        u"    procedure WMplain(var Message: TMessage); message WM_PLAIN;"_s,
        u"  public"_s,
    });
    const QString all = lines.join(u'\n');
    EXPECT_TRUE(all.contains(u"procedure TMyButton.EMsetsel(var Message: TMessage);\nbegin\n"
                             "{customize message handling here}\n  inherited;\nend;"_s));
    EXPECT_TRUE(all.contains(u"procedure TMyButton.WMrefreshview(var Message: TMessage);\nbegin\n"
                             "{customize message handling here}\n\nend;"_s));
    EXPECT_TRUE(all.contains(u"procedure TMyButton.WMlate(var Message: TMessage);"_s));
    EXPECT_LT(all.indexOf(u"TMyButton.WMpaint"_s), all.indexOf(u"TMyButton.WMsize"_s));
}

TEST(UnitGenerator, HandlerNames)
{
    TAwk awk;
    EXPECT_EQ(messageHandlerName(awk, u"WM_LBUTTONDOWN"_s), u"WMlbuttondown"_s);
    EXPECT_EQ(messageHandlerName(awk, u"CB_GETDROPPEDCONTROLRECT"_s), u"CBgetdroppedcontrolrect"_s);
    EXPECT_EQ(messageHandlerName(awk, u"WM_MY_EVENT"_s), u"WMmyevent"_s);
    EXPECT_EQ(messageHandlerName(awk, u"__WM__MY_"_s), u"WMmy"_s);
    EXPECT_EQ(messageHandlerName(awk, u"PING"_s), u"PING"_s);
    EXPECT_EQ(messageHandlerName(awk, u"wm_late"_s, true), u"wmlate"_s);
    // Only the letters A to Z change case, so a name never changes length or
    // leaves the character set it was typed in.
    EXPECT_EQ(messageHandlerName(awk, u"wm_stra\u00dfe_\u00b5"_s), u"WMstra\u00dfe\u00b5"_s);
}

TEST(UnitGenerator, AccessMethodHeadingsAndBodyKeys)
{
    TAwk awk;
    EXPECT_EQ(headingRest(awk, u"    function GetCount: integer;"_s), u"GetCount: integer;"_s);
    EXPECT_EQ(headingRest(awk, u"    procedure SetItems(Index: integer; Value:string);"_s),
              u"SetItems(Index: integer; Value:string);"_s);
    EXPECT_EQ(headingRest(awk, u"    function GetList: Classes.TStrings;"_s), u"GetList: Classes.TStrings;"_s);
    EXPECT_EQ(routineKey(awk, u"functionTMyButton.GetCaption: string;"_s), u"functionTMyButton.GetCaption"_s);
    EXPECT_EQ(routineKey(awk, u"function TMyButton.GetItems(Index: integer): string;"_s),
              u"functionTMyButton.GetItems"_s);
    EXPECT_EQ(routineKey(awk, u"no separators"_s), QString());
    EXPECT_EQ(removeSpaces(u" a b\tc "_s), u"ab\tc"_s);
}

TEST(UnitGenerator, HandWrittenBodiesFillReadFunctions)
{
    ComponentSpec spec;
    spec.Classname = u"TMyButton"_s;
    PropertyInput count = property(u"Count"_s, u"integer"_s);
    count.readMethod = u"GetCount"_s;
    count.writeMethod = u"SetCount"_s;
    spec.addProperty(count);
    PropertyInput list = property(u"List"_s, u"Classes.TStrings"_s);
    list.readMethod = u"GetList"_s;
    spec.addProperty(list);

    MapBodies bodies;
    bodies.set(u"functionTMyButton.GetCount"_s, u"varcount"_s, u"3"_s);
    bodies.set(u"functionTMyButton.GetCount"_s, u"v1"_s, u"var n: integer;"_s);
    bodies.set(u"functionTMyButton.GetCount"_s, u"v3"_s, u"    k: integer;"_s);
    bodies.set(u"functionTMyButton.GetCount"_s, u"count"_s, u"2000000000"_s);
    bodies.set(u"functionTMyButton.GetCount"_s, u"1"_s, u"n := FCount;"_s);
    bodies.set(u"functionTMyButton.GetCount"_s, u"2"_s, u"Result := n;"_s);
    bodies.set(u"functionTMyButton.GetList"_s, u"count"_s, u"1"_s);
    bodies.set(u"functionTMyButton.GetList"_s, u"1"_s, u"Result := FList;"_s);

    const QStringList lines = build(spec, Style(), &bodies);
    expectLines(slice(lines, u"function TMyButton.GetCount: integer;"_s, u"end;"_s), {
        u"function TMyButton.GetCount: integer;"_s, u"var n: integer;"_s, u"    k: integer;"_s,
        u"begin"_s, u""_s, u"n := FCount;"_s, u"Result := n;"_s, u"end;"_s,
    });
    expectLines(slice(lines, u"function TMyButton.GetList: Classes.TStrings;"_s, u"end;"_s), {
        u"function TMyButton.GetList: Classes.TStrings;"_s, u"begin"_s, u""_s, u"Result := FList;"_s, u"end;"_s,
    });
    // Write procedures have no hand-written bodies; without a file, functions get empty ones.
    expectLines(slice(lines, u"procedure TMyButton.SetCount(Value:integer);"_s, u"end;"_s), {
        u"procedure TMyButton.SetCount(Value:integer);"_s, u"begin"_s, u""_s, u"end;"_s,
    });
    const QStringList plain = build(spec);
    expectLines(slice(plain, u"function TMyButton.GetCount: integer;"_s, u"end;"_s), {
        u"function TMyButton.GetCount: integer;"_s, u"begin"_s, u""_s, u"end;"_s,
    });
    // Procedures are implemented before functions.
    EXPECT_LT(plain.indexOf(u"procedure TMyButton.SetCount(Value:integer);"_s),
              plain.indexOf(u"function TMyButton.GetCount: integer;"_s));

    // Statements written by hand take the place of a working body.
    Style working;
    working.workingBodies = true;
    expectLines(slice(build(spec, working, &bodies), u"function TMyButton.GetList: Classes.TStrings;"_s,
                      u"end;"_s), {
        u"function TMyButton.GetList: Classes.TStrings;"_s, u"begin"_s, u""_s, u"Result := FList;"_s, u"end;"_s,
    });
}

TEST(UnitGenerator, EverythingTypedReachesTheOutputUnchecked)
{
    ComponentSpec spec;
    spec.Classname = u"T X"_s;
    spec.Ancestor.clear();
    spec.addEventHandler({ u"OnClick"_s, u"TNotifyEvent"_s, QString(), false, QString() });
    spec.StandardEvents = { u"OnClick"_s };
    const QStringList lines = build(spec);
    EXPECT_TRUE(lines.contains(u"  T X = class()"_s));
    EXPECT_TRUE(lines.contains(u"    Property OnClick : TNotifyEvent read FOnClick write FOnClick ;"_s));
    EXPECT_TRUE(lines.contains(u"    Property OnClick;"_s));
}
