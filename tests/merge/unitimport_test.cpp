// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <algorithm>

#include "merge/unitimport.h"
#include "model/standardmessages.h"
#include "randompascal.h"
#include "randomspecification.h"
#include "unitfixtures.h"

using namespace Qt::StringLiterals;

namespace {

QStringList methodRows(const ComponentSpec &spec)
{
    // An abstract method has no body, so the unit keeps no comment of it.
    QStringList rows;
    for (const MethodEntry &m : spec.methods())
        rows.append(m.heading + u" | "_s + m.section + u" | "_s + (m.isAbstract ? QString() : m.comment));
    rows.sort();
    return rows;
}

void expectSameEntries(const ComponentSpec &built, const ComponentSpec &read)
{
    EXPECT_EQ(read.Classname, built.Classname);
    EXPECT_EQ(read.Ancestor, built.Ancestor);
    EXPECT_EQ(read.Palettepage, built.Palettepage);
    EXPECT_EQ(read.Filename, built.Filename);
    ASSERT_EQ(read.propertyCount(), built.propertyCount());
    for (qsizetype i = 0; i < built.propertyCount(); ++i) {
        const PropertyEntry a = built.property(i);
        const PropertyEntry b = read.property(i);
        SCOPED_TRACE(a.name.toStdString());
        EXPECT_EQ(b.name, a.name);
        EXPECT_EQ(b.type, a.type);
        EXPECT_EQ(b.indexed, a.indexed);
        EXPECT_EQ(b.field, a.field);
        EXPECT_EQ(b.readMethod, a.readMethod);
        EXPECT_EQ(b.writeMethod, a.writeMethod);
        EXPECT_EQ(b.accessClause, a.accessClause);
        EXPECT_EQ(b.defaultValue, a.defaultValue);
        EXPECT_EQ(b.storage, a.storage);
        EXPECT_EQ(b.section, a.section);
        // Runtime Only places a property in public; a protected one keeps no trace of it.
        if (!a.isProtected)
            EXPECT_EQ(b.runtimeOnly, a.runtimeOnly);
        EXPECT_EQ(b.readOnly, a.readOnly);
        EXPECT_EQ(b.writeOnly, a.writeOnly);
        EXPECT_EQ(b.isProtected, a.isProtected);
    }
    EXPECT_EQ(read.Initializers, built.Initializers);
    ASSERT_EQ(read.eventCount(), built.eventCount());
    for (qsizetype e = 0; e < built.eventCount(); ++e) {
        EXPECT_EQ(read.event(e).name, built.event(e).name);
        EXPECT_EQ(read.event(e).type, built.event(e).type);
        EXPECT_EQ(read.event(e).parameters, built.event(e).parameters);
        EXPECT_EQ(read.event(e).isProtected, built.event(e).isProtected);
    }
    // An abstract method has no body to place it among the others: the
    // methods compare as a set, the rebuilt unit checks their order.
    EXPECT_EQ(methodRows(read), methodRows(built));
    EXPECT_EQ(read.UserMessages, built.UserMessages);
    EXPECT_EQ(read.selectedStandardMessages(), built.selectedStandardMessages());
    EXPECT_EQ(read.StandardProperties, built.StandardProperties);
    EXPECT_EQ(read.StandardEvents, built.StandardEvents);
}

} // namespace

TEST(UnitImport, GeneratedSpecificationsComeBackEntryByEntryAndByteForByte)
{
    int compared = 0;
    for (quint32 seed = 1; seed <= 20; ++seed) {
        RandomPascal random(seed);
        RandomSpecification generated(random, u"TCycle"_s);
        for (int step = 0; step < 20; ++step) {
            generated.change();
            SCOPED_TRACE(u"seed %1 step %2"_s.arg(seed).arg(step).toStdString());
            const QString unit = builtUnit(generated.spec);
            const UnitImport imported = importUnit(unit, generated.spec.Filename);
            ASSERT_TRUE(imported.imported()) << imported.refusalText.toStdString();
            for (const ImportFinding &f : imported.findings)
                EXPECT_EQ(f.kind, u"ancestor members"_s) << f.message().toStdString();
            expectSameEntries(generated.spec, imported.spec);
            ASSERT_EQ(builtUnit(imported.spec), unit);
            ++compared;
        }
    }
    EXPECT_EQ(compared, 400);
}

// One hand-written unit per kind of member: what the pages take in, and what
// they list instead.
struct MemberRow {
    const char *name;
    const char *members;         // between "private" and "end;" of the class
    const char *implementation;  // routines after Register
    const char *expected;        // what the import makes of it, see describe()
};

void PrintTo(const MemberRow &row, std::ostream *os)
{
    *os << row.name;
}

namespace {

QString classUnit(const MemberRow &row)
{
    return uR"(unit Hand;
interface
uses Classes, Controls, Messages;
const
  WM_KICK = WM_USER + 7;
type
  TSizeEvent = procedure(Sender: TObject; var W, H: integer) of object;
  THand = class(TCustomControl)
  private
)"_s + QString::fromUtf8(row.members) + uR"(
  end;
procedure Register;
implementation
procedure Register;
begin
  RegisterComponents('Hands', [THand]);
end;
)"_s + QString::fromUtf8(row.implementation) + u"\nend.\n"_s;
}

// The spec's entries and findings in one line each, for the table.
QString describe(const UnitImport &imported)
{
    QStringList parts;
    const ComponentSpec &spec = imported.spec;
    for (qsizetype i = 0; i < spec.propertyCount(); ++i) {
        const PropertyEntry p = spec.property(i);
        if (p.name.startsWith(u"On"_s))
            continue;
        parts.append(u"property %1:%2 %3 [%4] default=%5 %6 %7%8%9"_s.arg(
            p.name, p.type, p.accessClause, p.section, p.defaultValue.value_or(u"-"_s),
            p.storage.value_or(u"stored"_s), p.indexed ? u"indexed "_s : QString(),
            p.readOnly ? u"readonly "_s : QString(), p.writeOnly ? u"writeonly"_s : QString()).trimmed());
    }
    for (qsizetype e = 0; e < spec.eventCount(); ++e) {
        const EventEntry ev = spec.event(e);
        parts.append(u"event %1:%2(%3)%4"_s.arg(ev.name, ev.type, ev.parameters,
                                                ev.isProtected ? u" protected"_s : QString()));
    }
    for (const MethodEntry &m : spec.methods())
        parts.append(u"method %1 [%2]%3"_s.arg(m.heading, m.section,
                                               m.comment.isEmpty() ? QString() : u" {"_s + m.comment + u"}"_s));
    for (const QString &m : spec.selectedStandardMessages())
        parts.append(u"message "_s + m);
    for (const QString &m : spec.UserMessages)
        parts.append(u"user "_s + m.trimmed());
    for (const QString &p : spec.StandardProperties)
        parts.append(u"ancestor "_s + p);
    for (const QString &p : spec.StandardEvents)
        parts.append(u"ancestor "_s + p);
    for (const ImportFinding &f : imported.findings) {
        if (f.kind != u"ancestor members")
            parts.append(u"finding %1 (line %2)"_s.arg(f.kind).arg(f.line));
    }
    return parts.join(u"; "_s);
}

const MemberRow kMemberRows[] = {
    {"plain property", "    FSize : integer;\n  published\n    property Size : integer read FSize write FSize default 3;", "",
     "property Size:integer read FSize write FSize [published] default=3 stored"},
    {"access methods and not stored",
     "    FLevel : Word;\n    function GetLevel: Word;\n    procedure SetLevel(Value: Word);\n  published\n"
     "    property Level: Word read GetLevel write SetLevel stored False;",
     "", "property Level:Word read GetLevel write SetLevel [published] default=- Stored False"},
    {"string default from the constructor",
     "    FText : string;\n  public\n    constructor Create(AOwner:TComponent);override;\n  published\n"
     "    property Text : string read FText write FText;",
     "constructor THand.Create(AOwner:TComponent);\nbegin\n  inherited Create(AOwner);\n  FText := 'it''s';\nend;",
     "property Text:string read FText write FText [published] default='it's' stored"},
    {"string set in the constructor to other than one literal",
     "    FText : string;\n    FTitle : string;\n  public\n    constructor Create(AOwner:TComponent);override;\n  published\n"
     "    property Text : string read FText write FText;\n    property Title : string read FTitle write FTitle;",
     "constructor THand.Create(AOwner:TComponent);\nbegin\n  inherited Create(AOwner);\n  FText := DefaultText;\n"
     "  FTitle := 'a';Beep;\nend;",
     "property Text:string read FText write FText [published] default=- stored; "
     "property Title:string read FTitle write FTitle [published] default=- stored"},
    {"read-only and write-only public",
     "    FCount : integer;\n    FSink : integer;\n  public\n    property Count : integer read FCount;\n"
     "    property Sink : integer write FSink;",
     "", "property Count:integer read FCount [public] default=- stored readonly; "
         "property Sink:integer write FSink [public] default=- stored writeonly"},
    {"array property",
     "    FCells : integer;\n    function GetCell(Index: integer): integer;\n  public\n"
     "    property Cells[Index: integer] : integer read GetCell;",
     "", "property Cells:integer read GetCell [public] default=- stored indexed readonly"},
    {"events of the unit's type and TNotifyEvent",
     "    FOnSize : TSizeEvent;\n    FOnGo : TNotifyEvent;\n  protected\n    property OnSize : TSizeEvent read FOnSize write FOnSize;\n"
     "  published\n    property OnGo : TNotifyEvent read FOnGo write FOnGo;",
     "", "event OnSize:TSizeEvent(Sender: TObject; var W, H: integer) protected; event OnGo:TNotifyEvent()"},
    {"methods with directives, sections and comment",
     "    procedure Hidden;\n  protected\n    function Area(W, H: integer) : longint;virtual;abstract;\n  public\n"
     "    Procedure Fill(Amount: integer);dynamic;",
     "procedure THand.Hidden;\nbegin\nend;\nProcedure THand.Fill(Amount: integer);\n{ Adds liquid }\nbegin\nend;",
     "method procedure Hidden; [private]; method function Area(W, H: integer) : longint;virtual;abstract; [protected]; "
     "method Procedure Fill(Amount: integer);dynamic; [public] {Adds liquid}"},
    {"message handlers",
     "  protected\n    procedure WMSize(var Message: TWMSize); message WM_SIZE;\n"
     "    procedure WMkick(var Message: TMessage); message WM_KICK;\n    procedure Odd(var M: TMessage); message 1234;",
     "", "message WM_SIZE; user WM_KICK[WM_USER + 7]}; "
         "finding handler of a message that is neither standard nor WM_USER + n (line 13)"},
    {"ancestor members re-declared",
     "  public\n    property Tag;\n  published\n    property Color;\n    property OnClick;\n    property Width default 5;",
     "", "ancestor Color; ancestor OnClick; finding ancestor member re-declared outside published (line 11); "
         "finding ancestor member re-declared with changes (line 15)"},
    {"class constant, nested type, class method",
     "    const Limit = 10;\n    type TInner = record A: integer; end;\n  public\n    class function Make: THand;",
     "", "finding class constant (line 10); finding nested type (line 11); finding class method (line 13)"},
    {"overloads, other directives and constructors",
     "  public\n    procedure Put(A: integer); overload;\n    procedure Put(S: string); overload;\n"
     "    procedure Call; stdcall;\n    constructor CreateNew(N: integer);",
     "", "finding overloaded method (line 11); finding overloaded method (line 12); "
         "finding method with the directive stdcall (line 13); finding constructor the pages do not hold (line 14)"},
    {"properties the pages cannot hold",
     "    FA : integer;\n    FB : integer;\n    FOnX : TNotifyEvent;\n    FLoose : integer;\n    procedure SetOnX(V: TNotifyEvent);\n"
     "  published\n    property A : integer index 2 read FA;\n    property B : integer read FA;\n"
     "    property C : integer read GetC;\n    property OnX : TNotifyEvent read FOnX write SetOnX;\n"
     "    property D : integer read FB stored IsD;",
     "", "finding field of no property (line 10); finding field of no property (line 11); "
         "finding field of no property (line 12); finding field of no property (line 13); "
         "finding access method of a property the pages cannot hold (line 14); "
         "finding property with index (line 16); "
         "finding property that reads a field not named F + its name (line 17); "
         "finding property that reads through a method the class does not declare once (line 18); "
         "finding event with access methods (line 19); finding property that reads a field not named F + its name (line 20)"},
    {"property declared twice",
     "    FSize : integer;\n  published\n    property Size : integer read FSize write FSize;\n"
     "    property Size : integer read FSize write FSize default 3;",
     "", "property Size:integer read FSize write FSize [published] default=- stored; "
         "finding property declared more than once (line 13)"},
    {"headings that do not read",
     "  public\n    function Ratio : double(;\n    procedure Empty;\n    procedure Odd Name;\n"
     "    property Size : integer read (FSize\n    procedure Last;\n    function Ratio :\n    function Tail : double",
     "", "method procedure Empty; [public]; method procedure Last; [public]; finding unreadable declaration (line 11); "
         "finding unreadable declaration (line 13); finding unreadable declaration (line 14); "
         "finding unreadable declaration (line 16); finding unreadable declaration (line 17)"},
    {"methods a build would define under another heading",
     "  public\n    procedure Paint4override;\n    procedure Go; virtual ;\n    procedure Stop; virtual;",
     "", "method procedure Stop; virtual; [public]; "
         "finding method heading a build would not copy as written (line 11); "
         "finding method heading a build would not copy as written (line 12)"},
    {"properties sharing an access method or writing a specifier twice",
     "    FA : integer;\n    FB : integer;\n    procedure SetBoth(Value: integer);\n  published\n"
     "    property A : integer read FA write SetBoth;\n    property B : integer read FB write SetBoth;\n"
     "    property C : integer read FC write FC write FC;",
     "", "property A:integer read FA write SetBoth [published] default=- stored; "
         "finding field of no property (line 11); finding property that shares an access method (line 15); "
         "finding property with write written twice (line 16)"},
    {"methods named like members a build writes",
     "    FSize : integer;\n  protected\n    procedure Kick(var M: TMessage); message WM_KICK;\n  public\n"
     "    procedure WMkick;\n    procedure Size;\n  published\n    property Size : integer read FSize write FSize;",
     "", "property Size:integer read FSize write FSize [published] default=- stored; user WM_KICK[WM_USER + 7]}; "
         "finding method named like a member a build writes (line 14); "
         "finding method named like a member a build writes (line 15)"},
    {"a type ended by a later compiler's specifiers",
     "    FFace : IFace;\n  published\n    property Face : IFace implements IFace;\n    property Tint : integer readonly dispid 3;",
     "", "finding field of no property (line 10); finding property with implements (line 12); "
         "finding property with readonly (line 13)"},
    {"types: a name with record in it, and not a name",
     "    FItems : TRecordList;\n    FCount : integer;\n    FValue : integer;\n  published\n"
     "    property Count : integer read FCount write FCount;\n    property Items : TRecordList read FItems write FItems;\n"
     "    property Value : integer junk read FValue write FValue;",
     "", "property Items:TRecordList read FItems write FItems [published] default=- stored; "
         "property Count:integer read FCount write FCount [published] default=- stored; "
         "finding field of no property (line 12); finding property whose type is not a type name (line 16)"},
    {"comments inside declarations",
     "    FSize : integer;\n  public\n    procedure Fill(A: integer { litres });\n    procedure Empty; (* soon *) virtual;\n"
     "  published\n    property Size : integer read FSize { direct } write FSize;",
     "", "finding field of no property (line 10); finding declaration with a comment inside (line 12); "
         "finding declaration with a comment inside (line 13); finding declaration with a comment inside (line 15)"},
    // Found by fuzzing: a heading holding "begin" made the build's class declaration unreadable.
    {"method heading with a word that opens or closes a block",
     "  public\n    procedure Fill(const A: array of const);\n"
     "    procedure Mark(Index: integer; Val begin Beep);\n    end;",
     "", "method procedure Fill(const A: array of const); [public]; "
         "finding method heading with a word that opens or closes a block (line 12)"},
};

class UnitImportMembers : public testing::TestWithParam<MemberRow>
{
};

} // namespace

TEST_P(UnitImportMembers, BecomeEntriesOrFindings)
{
    const MemberRow &row = GetParam();
    const UnitImport imported = importUnit(classUnit(row), u"/units/hand.pas"_s);
    ASSERT_TRUE(imported.imported()) << imported.refusalText.toStdString();
    EXPECT_EQ(imported.spec.Classname, u"THand"_s);
    EXPECT_EQ(imported.spec.Ancestor, u"TCustomControl"_s);
    EXPECT_EQ(imported.spec.Palettepage, u"Hands"_s);
    EXPECT_EQ(imported.spec.Filename, u"/units/Hand.pas"_s);
    EXPECT_EQ(describe(imported), QString::fromUtf8(row.expected));
}

INSTANTIATE_TEST_SUITE_P(Kinds, UnitImportMembers, testing::ValuesIn(kMemberRows),
                         [](const testing::TestParamInfo<MemberRow> &info) {
                             std::string name;
                             for (const char *c = info.param.name; *c; ++c)
                                 name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
                             return name;
                         });

TEST(UnitImport, RefusesWhatItCannotChooseOrRead)
{
    const QString two = uR"(unit Two;
interface
type
  TA = class(TComponent) end;
  TB = class(TComponent) end;
procedure Register;
implementation
procedure Register;
begin
  RegisterComponents('P', [TA, TB]);
end;
end.
)"_s;
    const UnitImport several = importUnit(two, u"two.pas"_s);
    EXPECT_EQ(several.refusal, ImportRefusal::SeveralClasses);
    EXPECT_EQ(several.refusalText, u"The unit registers several classes; name one of them: TA, TB"_s);
    EXPECT_EQ(several.classes, (QStringList{u"TA"_s, u"TB"_s}));

    const UnitImport chosen = importUnit(two, u"two.pas"_s, u"tb"_s);
    ASSERT_TRUE(chosen.imported());
    EXPECT_EQ(chosen.spec.Classname, u"TB"_s);
    EXPECT_EQ(chosen.spec.Palettepage, u"P"_s);

    const UnitImport unknown = importUnit(two, u"two.pas"_s, u"TC"_s);
    EXPECT_EQ(unknown.refusal, ImportRefusal::UnknownClass);
    EXPECT_EQ(unknown.refusalText, u"The unit declares no class TC"_s);

    QString unregistered = two;
    unregistered.replace(u"RegisterComponents('P', [TA, TB]);"_s, QString());
    const UnitImport none = importUnit(unregistered, u"two.pas"_s);
    EXPECT_EQ(none.refusal, ImportRefusal::NoClass);
    EXPECT_EQ(none.refusalText, u"The unit registers no component class"_s);

    const UnitImport named = importUnit(unregistered, u"two.pas"_s, u"TA"_s);
    ASSERT_TRUE(named.imported());
    ASSERT_FALSE(named.findings.isEmpty());
    EXPECT_EQ(named.findings[0].kind, u"registration"_s);
    EXPECT_EQ(named.findings[0].line, 4);

    // Every member is kept in the unit: a class whose ancestor list does not
    // read would be built with the rest of the class in its heading.
    for (const QString &heading : {u"class()"_s, u"class(TComponent + 1)"_s, u"class(TComponent, 'I')"_s}) {
        QString garbled = two;
        garbled.replace(u"TA = class(TComponent)"_s, u"TA = "_s + heading);
        const UnitImport unread = importUnit(garbled, u"two.pas"_s, u"TA"_s);
        EXPECT_EQ(unread.refusal, ImportRefusal::Unreadable) << heading.toStdString();
        EXPECT_TRUE(unread.refusalText.startsWith(
            u"The unit cannot be read: the class heading on line 4 is not Name = class(Ancestor): TA = "_s
            + heading.left(15)))
            << unread.refusalText.toStdString();
    }
    const UnitImport generic = importUnit(QString(two).replace(u"TA = class(TComponent)"_s,
                                                               u"TA = class(specialize TBase<Double>, IFoo)"_s),
                                          u"two.pas"_s, u"TA"_s);
    ASSERT_TRUE(generic.imported()) << generic.refusalText.toStdString();
    EXPECT_EQ(generic.spec.Ancestor, u"specialize TBase<Double>"_s);

    const UnitImport broken = importUnit(u"unit X;\ninterface\nimplementation\nprocedure A;\nbegin\n"_s, u"x.pas"_s);
    EXPECT_EQ(broken.refusal, ImportRefusal::Unreadable);
    EXPECT_TRUE(broken.refusalText.startsWith(u"The unit cannot be read: "_s)) << broken.refusalText.toStdString();
}

// A build writes the palette page between quotes as the field holds it.
TEST(UnitImport, ThePalettePageIsTheStringAsWritten)
{
    const auto registering = [](const QString &arguments) {
        return u"unit One;\ninterface\ntype\n  TA = class(TComponent) end;\nprocedure Register;\nimplementation\n"
               "procedure Register;\nbegin\n  RegisterComponents("_s + arguments + u");\nend;\nend.\n"_s;
    };
    const auto registrationFindings = [](const UnitImport &imported) {
        QStringList messages;
        for (const ImportFinding &f : imported.findings) {
            if (f.kind == u"registration")
                messages.append(f.message());
        }
        return messages;
    };
    const UnitImport quoted = importUnit(registering(u"'Ann''s', [TA]"_s), u"one.pas"_s);
    ASSERT_TRUE(quoted.imported());
    EXPECT_EQ(quoted.spec.Palettepage, u"Ann''s"_s);
    EXPECT_EQ(registrationFindings(quoted), QStringList());

    for (const QString &page : {u"PageName"_s, u"'A' + 'B'"_s}) {
        const UnitImport named = importUnit(registering(page + u", [TA]"_s), u"one.pas"_s);
        ASSERT_TRUE(named.imported());
        EXPECT_TRUE(named.spec.Palettepage.isEmpty());
        EXPECT_EQ(registrationFindings(named),
                  QStringList{u"line 4: registration: the palette page is not one string: "_s + page});
    }
}

// The unit name field is the file a build merges into: respelled as the
// unit's heading spells the name only where that spelling finds the file.
TEST(UnitImport, TheUnitNameIsTheFileItCameFrom)
{
    const QString unit = u"unit StdCtrls;\ninterface\ntype\n  TA = class(TComponent) end;\nprocedure Register;\n"
                         "implementation\nprocedure Register;\nbegin\n  RegisterComponents('P', [TA]);\nend;\nend.\n"_s;
    QTemporaryDir dir;
    const QString onDisk = dir.filePath(u"stdctrls.pp"_s);
    QFile file(onDisk);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(unit.toUtf8());
    file.close();
    const UnitImport read = importUnit(unit, onDisk);
    EXPECT_EQ(read.spec.Filename, onDisk);
    ASSERT_FALSE(read.findings.isEmpty());
    EXPECT_EQ(read.findings[0].message(),
              u"line 1: unit name: the unit is named StdCtrls, its file stdctrls.pp; a build names it stdctrls"_s);

    // No such file: the spelling of the heading, which a build then writes.
    const UnitImport elsewhere = importUnit(unit, u"/units/stdctrls.pp"_s);
    EXPECT_EQ(elsewhere.spec.Filename, u"/units/StdCtrls.pp"_s);
    EXPECT_NE(elsewhere.findings.value(0).kind, u"unit name"_s);
}
