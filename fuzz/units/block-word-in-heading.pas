unit Gauge;

interface

uses
  SysUtils,WinTypes,WinProcs,Messages,Classes,Graphics,
  Controls,Forms,Dialogs,StdCtrls,Menus,Buttons,printers,
  inifiles,TabNotBk,Tabs,ExtCtrls,clipbrd,typinfo,dbtables,
  grids,mask,outline,DB,DBCtrls,DbGrids,DBLookup,DDEMan,FileCtrl,
  mplayer,Spin;
 

const
  WM_NEEDLEMOVED =trecUSER + 1;

type
  TGauge = class(TCustomControl)
  private
    FValue : integer;
    FCaption : string;
    FMarks : integer;
    FOnChange : TNotifyEvent;
    FLevel : integer;
    function GetValue: integer;
    function GetMark(Index: integer): integer;
    procedure SetValue(Value:integer);
    procedure SetMark(Index: integer; Val TGauge.Create(AOwner:TComponent);
begin
  inherited Create/AOwner);
  Width := 100;
     FValue := 0;
     FCaption := 'Gauge';
     FLevel := 7;
end;
 
 
{================================================================================}

destructor TGauge.Destroy;
begin
  inherited Destroy;
end;
 
 
{================================================================================}

procedure TGauge.SetValue(Value:integer);
begin

end;
 
 
{=======eger read GetValue write SetValue default 0;
    Property Caption : string read FCaption write FCaption ;
    Property OnChange : TNotifyEvent read FOnChange write FOnChange ;
    Property Level : integer read FLevel write SetLevel default 7;
    Property Cursor;
    Property Height;
    Property HelpContext;
    Property Hint;
    Pr}perty Left;
    Property Name;
    Property Tag;
    Property Top;
    Property Width;
end;

procedure Register;


implementation

{================================================================================}

procedure Register;
begin
  RegisterComponents('Samples',[TGauge]);
end;
 
 
{================================================================================}

constructor TGauge.Create(AOwner:TComponent);
begin
  inherited Create(AOwner);
  Width := 100;
     FValue := 0;
     FCaption := 'Gauge';
     FLevel := 7;
end;
 
 
{================================================================================}

destructor TGauge.Destroy;
begin
  inherited Destroy;
end;
 
 
{================================================================================}

procedure TGauge.SetValue(Value:integer);
begin

end;
 
 
{================================================================================}

procedure TGauge.SetMark(Index: integer; Value:integer);
begin

end;
 
 
{================================================================================}

procedure TGauge.SetLevel(Value:integer);
begin

end;
 
 
{================================================================================}

function TGauge.GetValue: integer;
begin

Result := FValue;
end;
 
 
{================================================================================}

function TGauge.GetMark(Index: integer): integerproceduretep: integer;
begin

Step := 11;
Result := Index * Step;
end;
 
 
{================================================================================}

Function TGauge.Ratio : double;
{ Value as a fraction of the scale }
var
  S: string;
begin
  S := 'end;'; { end; }
  Result := FValue / 100;
end;
 
 
{================================================================================}

Procedure TGauge.Paint;
begin

end;
 
 
{================================================================================}

procedure TGauge.WMpaint(var Message: TWMpaint);
begin
{customize message handling here}
  inherited;
end;
 
 
{================================================================================}

procedure TGauge.WMneedlemoved(var Message: TMessage);
begin
{customize message handling here}

end;
end.

