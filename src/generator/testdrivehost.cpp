// SPDX-License-Identifier: MIT
#include "generator/testdrivehost.h"

#include "generator/lazaruspackage.h"
#include "generator/lazarusunit.h"
#include "generator/paletteicon.h"
#include "model/componentspec.h"
#include "model/unitname.h"

using namespace Qt::StringLiterals;

namespace {

// The component's unit comes straight after Interfaces: a name it declares
// cannot hide one of the LCL's that the host uses, and the class is always
// named with its unit.
const char *const kHostTemplate = R"(program %HOST%;

{$mode delphi}

uses
  Interfaces, %UNIT%, Classes, SysUtils, TypInfo, Variants, InterfaceBase,
  Gtk2Int, Forms, Controls, Graphics, StdCtrls, ObjectInspector, RTTIGrids;

type
  // The widget set Interfaces makes, with every message box (the grid shows
  // a value it could not set in one) shown in the line under the form: a
  // modal box would hide the window behind it.
  TUfDriveWidgetSet = class(TGtk2WidgetSet)
  public
    function PromptUser(const DialogCaption, DialogMessage: string; DialogType: LongInt;
      Buttons: PLongInt; ButtonCount, DefaultIndex, EscapeResult: LongInt): LongInt; override;
  end;

  TUfDriveStage = class(TCustomControl)
  public
    Framed: TControl;
    procedure Paint; override;
  end;

  TUfDriveForm = class(TForm)
  private
    FStage: TUfDriveStage;
    FGrid: TTIPropertyGrid;
    FErrorLine: TLabel;
    FComponent: TComponent;
    FShown: Boolean;
    procedure ShowException(Sender: TObject; E: Exception);
    procedure GridModified(Sender: TObject);
    procedure FirstIdle(Sender: TObject; var Done: Boolean);
    procedure SetThroughGrid(const Assignment: string);
  public
    constructor Create(AOwner: TComponent); override;
    procedure ShowLine(const Text: string);
  end;

var
  DriveForm: TUfDriveForm;

function TUfDriveWidgetSet.PromptUser(const DialogCaption, DialogMessage: string;
  DialogType: LongInt; Buttons: PLongInt; ButtonCount, DefaultIndex, EscapeResult: LongInt): LongInt;
begin
  if DriveForm <> nil then
    DriveForm.ShowLine(DialogMessage);
  Result := EscapeResult;
end;

procedure TUfDriveStage.Paint;
var
  R: TRect;
begin
  inherited Paint;
  if Framed = nil then
    Exit;
  R := Framed.BoundsRect;
  R := Rect(R.Left - 1, R.Top - 1, R.Right + 1, R.Bottom + 1);
  Canvas.Pen.Color := clGray;
  Canvas.Pen.Style := psDot;
  Canvas.Brush.Style := bsClear;
  Canvas.Rectangle(R);
end;

constructor TUfDriveForm.Create(AOwner: TComponent);
begin
  inherited CreateNew(AOwner);
  Caption := '%CAPTION%';
  Width := 720;
  Height := 420;
  Position := poScreenCenter;
  FErrorLine := TLabel.Create(Self);
  FErrorLine.Parent := Self;
  FErrorLine.Align := alBottom;
  FErrorLine.Font.Color := clMaroon;
  FErrorLine.Caption := ' ';
  FGrid := TTIPropertyGrid.Create(Self);
  FGrid.Parent := Self;
  FGrid.Filter := FGrid.Filter - [tkMethod];
  FGrid.OnModified := GridModified;
  FStage := TUfDriveStage.Create(Self);
  FStage.Parent := Self;
  FStage.Align := alClient;
  Application.OnException := ShowException;
  try
    FComponent := %UNIT%.%CLASS%.Create(Self);
    if FComponent is TControl then
    begin
      TControl(FComponent).SetBounds(24, 24, 160, 96);
      TControl(FComponent).Parent := FStage;
      if %FRAMED% then
        FStage.Framed := TControl(FComponent);
    end;
    FGrid.TIObject := FComponent;
  except
    on E: Exception do
      ShowException(Self, E);
  end;
  if FComponent is TControl then
  begin
    FGrid.Align := alRight;
    FGrid.Width := 300;
  end
  else
  begin
    FStage.Visible := False;
    FGrid.Align := alClient;
  end;
  Application.AddOnIdleHandler(FirstIdle);
end;

procedure TUfDriveForm.ShowLine(const Text: string);
begin
  FErrorLine.Caption := Text;
  WriteLn('exception: ', Text);
  Flush(Output);
end;

procedure TUfDriveForm.ShowException(Sender: TObject; E: Exception);
begin
  ShowLine(E.ClassName + ': ' + E.Message);
end;

procedure TUfDriveForm.GridModified(Sender: TObject);
begin
  FStage.Invalidate;
end;

procedure TUfDriveForm.FirstIdle(Sender: TObject; var Done: Boolean);
var
  Assignment: string;
begin
  if FShown or not Visible then
    Exit;
  FShown := True;
  WriteLn('%SHOWN%');
  Flush(Output);
  Assignment := GetEnvironmentVariable('%PROBE%');
  if Assignment <> '' then
    SetThroughGrid(Assignment);
end;

procedure TUfDriveForm.SetThroughGrid(const Assignment: string);
var
  Name: string;
  Row: TOIPropertyGridRow;
begin
  Name := Copy(Assignment, 1, Pos('=', Assignment) - 1);
  Row := FGrid.GetRowByPath(Name);
  if Row = nil then
  begin
    WriteLn('no property ', Name, ' in the grid');
    ExitCode := 1;
  end
  else
  begin
    FGrid.ItemIndex := Row.Index;
    FGrid.SetCurrentRowValue(Copy(Assignment, Pos('=', Assignment) + 1, MaxInt));
    if PropType(FComponent, Name) in [tkBool, tkEnumeration] then
      WriteLn(Name, '=', GetEnumProp(FComponent, Name))
    else
      WriteLn(Name, '=', VarToStr(GetPropValue(FComponent, Name, True)));
  end;
  Flush(Output);
  Close;
end;

begin
  RequireDerivedFormResource := False;
  // The class adds no fields, so the widget set already made can take it on.
  PPointer(WidgetSet)^ := Pointer(TUfDriveWidgetSet);
  Application.Initialize;
  Application.CreateForm(TUfDriveForm, DriveForm);
  Application.Run;
end.)";

} // namespace

QString testDriveHostName()
{
    return u"uftestdrivehost"_s;
}

bool testDriveNeedsFrame(const ComponentSpec &spec)
{
    static const QStringList blank{u"TControl"_s, u"TGraphicControl"_s, u"TCustomControl"_s,
                                   u"TWinControl"_s, u"TPaintBox"_s};
    return blank.contains(lazarusAncestor(spec), Qt::CaseInsensitive);
}

QStringList testDriveHostLines(const ComponentSpec &spec)
{
    QString text = QString::fromLatin1(kHostTemplate);
    text.replace(u"%HOST%"_s, testDriveHostName())
        .replace(u"%UNIT%"_s, unitIdentifier(spec.Filename))
        .replace(u"%CLASS%"_s, spec.Classname)
        .replace(u"%CAPTION%"_s, QString(u"Test Drive: "_s + spec.Classname).replace(u"'"_s, u"''"_s))
        .replace(u"%FRAMED%"_s, testDriveNeedsFrame(spec) ? u"True"_s : u"False"_s)
        .replace(u"%SHOWN%"_s, QLatin1StringView(kTestDriveShownLine))
        .replace(u"%PROBE%"_s, QLatin1StringView(kTestDriveProbeVariable));
    return text.split(u'\n');
}

QList<PackageFile> testDriveFiles(const ComponentSpec &spec, const QStringList &unitLines)
{
    QList<PackageFile> files = lazarusPackageFiles(spec, unitLines, defaultPaletteIconPng()).mid(0, 2);
    QStringList host = testDriveHostLines(spec);
    host.append(QString());
    files.append({testDriveHostName() + u".lpr"_s, host.join(u'\n').toUtf8()});
    return files;
}
