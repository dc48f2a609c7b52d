// SPDX-License-Identifier: MIT
// What the working-bodies style writes into each kind of routine.
#include "awk/awk.h"
#include "generator/unitgenerator.h"
#include "model/componentspec.h"
#include "model/specbuilders.h"
#include "rowname.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

ComponentSpec component(const QString &ancestor)
{
    ComponentSpec spec;
    spec.reset();
    spec.Filename = u"Lamp.pas"_s;
    spec.Classname = u"TLamp"_s;
    spec.Ancestor = ancestor;
    spec.Palettepage = u"Samples"_s;
    refillAncestorMembers(spec, ancestorIndex(ancestor));
    return spec;
}

PropertyInput accessed(const QString &name, const QString &type, bool read, bool write)
{
    PropertyInput input = property(name, type);
    if (read)
        input.readMethod = u"Get"_s + name;
    if (write)
        input.writeMethod = u"Set"_s + name;
    return input;
}

EventInput event(const QString &name, const QString &type)
{
    EventInput input;
    input.name = name;
    input.type = type;
    return input;
}

struct Row {
    const char *name;
    ComponentSpec (*make)();
    QList<QStringList> excerpts;   // each must appear as consecutive lines
    QStringList absent;            // lines that must appear nowhere
    Target target = Target::Delphi2;
};
UF_ROW_NAME(Row)

class WorkingBodies : public ::testing::TestWithParam<Row>
{};

TEST_P(WorkingBodies, WritesTheStatementsOfEachKind)
{
    const Row &row = GetParam();
    Style style;
    style.workingBodies = true;
    style.target = row.target;
    TAwk awk;
    const QStringList lines = generateUnit(row.make(), style, awk, nullptr).lines;
    for (const QStringList &excerpt : row.excerpts) {
        qsizetype at = -1;
        for (qsizetype i = 0; at < 0 && i + excerpt.size() <= lines.size(); ++i) {
            if (lines.mid(i, excerpt.size()) == excerpt)
                at = i;
        }
        EXPECT_GE(at, 0) << "missing: " << excerpt.join(u" | "_s).toStdString();
    }
    for (const QString &line : row.absent)
        EXPECT_FALSE(lines.contains(line)) << "present: " << line.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Style, WorkingBodies, ::testing::Values(
    Row{"plain property of a control repaints when it changes",
        [] {
            ComponentSpec spec = component(u"TGraphicControl"_s);
            spec.addProperty(accessed(u"Level"_s, u"integer"_s, true, true));
            return spec;
        },
        {{u"procedure TLamp.SetLevel(Value:integer);"_s, u"begin"_s, u"  if FLevel <> Value then"_s,
          u"  begin"_s, u"    FLevel := Value;"_s, u"    Invalidate;"_s, u"  end;"_s, u"end;"_s},
         {u"function TLamp.GetLevel: integer;"_s, u"begin"_s, u"  Result := FLevel;"_s, u"end;"_s}}},
    Row{"plain property of a non-control only stores",
        [] {
            ComponentSpec spec = component(u"TTimer"_s);
            spec.addProperty(accessed(u"Level"_s, u"integer"_s, false, true));
            return spec;
        },
        {{u"  begin"_s, u"    FLevel := Value;"_s, u"  end;"_s}},
        {u"    Invalidate;"_s}},
    Row{"Lazarus counterpart of a control repaints",
        [] {
            ComponentSpec spec = component(u"THeader"_s);
            spec.addProperty(accessed(u"Level"_s, u"integer"_s, false, true));
            return spec;
        },
        {{u"    FLevel := Value;"_s, u"    Invalidate;"_s}}, {}, Target::Lazarus},
    Row{"record type is assigned without comparing",
        [] {
            ComponentSpec spec = component(u"TComponent"_s);
            spec.addProperty(accessed(u"Bounds"_s, u"TRect"_s, false, true));
            return spec;
        },
        {{u"procedure TLamp.SetBounds(Value:TRect);"_s, u"begin"_s, u"  FBounds := Value;"_s,
          u"end;"_s}}},
    Row{"TStrings property owns a TStringList",
        [] {
            ComponentSpec spec = component(u"TComponent"_s);
            spec.addProperty(accessed(u"Lines"_s, u"TStrings"_s, false, true));
            spec.addProperty(accessed(u"Face"_s, u"tfont"_s, false, true));
            return spec;
        },
        {{u"  inherited Create(AOwner);"_s, u"  FLines := TStringList.Create;"_s,
          u"  FFace := TFont.Create;"_s, u"end;"_s},
         {u"begin"_s, u"  FLines.Free;"_s, u"  FFace.Free;"_s, u"  inherited Destroy;"_s},
         {u"procedure TLamp.SetLines(Value:TStrings);"_s, u"begin"_s, u"  FLines.Assign(Value);"_s,
          u"end;"_s}}},
    Row{"object written directly stays a reference",
        [] {
            ComponentSpec spec = component(u"TComponent"_s);
            spec.addProperty(property(u"Face"_s, u"TFont"_s));
            return spec;
        },
        {{u"  inherited Create(AOwner);"_s, u"end;"_s}},
        {u"  FFace := TFont.Create;"_s, u"  FFace.Free;"_s}},
    Row{"array property uses its one field for every index",
        [] {
            ComponentSpec spec = component(u"TComponent"_s);
            PropertyInput items = accessed(u"Items"_s, u"string"_s, true, true);
            items.indexed = true;
            spec.addProperty(items);
            return spec;
        },
        {{u"function TLamp.GetItems(Index: integer): string;"_s, u"begin"_s,
          u"  { FItems holds one value for every Index }"_s, u"  Result := FItems;"_s, u"end;"_s},
         {u"procedure TLamp.SetItems(Index: integer; Value:string);"_s, u"begin"_s,
          u"  { FItems holds one value for every Index }"_s, u"  if FItems <> Value then"_s}}},
    Row{"read-only property returns its field",
        [] {
            ComponentSpec spec = component(u"TComponent"_s);
            PropertyInput size = accessed(u"Size"_s, u"longint"_s, true, false);
            size.readOnly = true;
            spec.addProperty(size);
            return spec;
        },
        {{u"function TLamp.GetSize: longint;"_s, u"begin"_s, u"  Result := FSize;"_s, u"end;"_s}}},
    Row{"override procedure calls inherited with its parameters",
        [] {
            ComponentSpec spec = component(u"TGraphicControl"_s);
            MethodInput paint = method(u"Procedure"_s, u"Paint"_s);
            paint.isOverride = true;
            paint.isProtected = true;
            spec.addMethod(paint);
            MethodInput notify = method(u"Procedure"_s, u"Notification"_s,
                                        u"AComponent: TComponent; Operation: TOperation"_s);
            notify.isOverride = true;
            spec.addMethod(notify);
            return spec;
        },
        {{u"Procedure TLamp.Paint;"_s, u"begin"_s, u"  inherited Paint;"_s, u"end;"_s},
         {u"begin"_s, u"  inherited Notification(AComponent, Operation);"_s, u"end;"_s}}},
    Row{"override function returns what inherited returns",
        [] {
            ComponentSpec spec = component(u"TComponent"_s);
            MethodInput total = method(u"Function"_s, u"Total"_s, u"A, B: integer; var C: string"_s,
                                       u"longint"_s);
            total.isOverride = true;
            total.directive = MethodDirective::Virtual;
            spec.addMethod(total);
            MethodInput plain = method(u"Function"_s, u"Count"_s, QString(), u"integer"_s);
            spec.addMethod(plain);
            return spec;
        },
        {{u"Function TLamp.Total(A, B: integer; var C: string) : longint;"_s, u"begin"_s,
          u"  Result := inherited Total(A, B, C);"_s, u"end;"_s},
         {u"Function TLamp.Count : integer;"_s, u"begin"_s, QString(), u"end;"_s}}},
    Row{"user message handler passes the message on",
        [] {
            ComponentSpec spec = component(u"TComponent"_s);
            spec.addUserMessage(u"WM_GLOW"_s, 4);
            return spec;
        },
        {{u"procedure TLamp.WMglow(var Message: TMessage);"_s, u"begin"_s,
          u"{customize message handling here}"_s, u"  inherited;"_s, u"end;"_s}}},
    Row{"notify event gets a dynamic dispatch method",
        [] {
            ComponentSpec spec = component(u"TGraphicControl"_s);
            spec.addEventHandler(event(u"OnChange"_s, u"TNotifyEvent"_s));
            spec.addEventHandler(event(u"OnClick"_s, u"TNotifyEvent"_s));    // TControl has Click
            spec.addEventHandler(event(u"OnPress"_s, u"TMouseEvent"_s));     // not a notify event
            spec.addEventHandler(event(u"OnBegin"_s, u"TNotifyEvent"_s));    // begin is reserved
            spec.addEventHandler(event(u"OnGlow"_s, u"TNotifyEvent"_s));
            spec.addMethod(method(u"Procedure"_s, u"Glow"_s));               // the name is taken
            return spec;
        },
        {{u"  protected"_s, u"    procedure Change; dynamic;"_s, u"  public"_s},
         {u"procedure TLamp.Change;"_s, u"begin"_s, u"  if Assigned(FOnChange) then"_s,
          u"    FOnChange(Self);"_s, u"end;"_s}},
        {u"    procedure Click; dynamic;"_s, u"    procedure Press; dynamic;"_s,
         u"    procedure Begin; dynamic;"_s, u"    procedure Glow; dynamic;"_s}}
), RowName());

} // namespace
