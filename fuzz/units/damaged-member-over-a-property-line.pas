unit Gauge;

interface

uses
  SysUtils,WinTypes,WinProcs,Messages,Classes,Graphics,
  Controls,Forms,Dialogs,StdCtrls,Menus,Buttons,printers,
  inifiles,TabNotBk,Tabs,ExtCtrls,clipbrd,typinfo,dbtables,
  grids,mask,outline,DB,DBCtrls,DbGrids,DBLookup,DDþÿÿÿÿÿÿÿ
trl,
  mplayer,Spin;
 

const
  WM_NEEDLEMOVED = WM_USER + 1;

type
  TGauge = class(TCustomControl)
  private
    FVal!e : integer;
    FCaption : string;
    FMarks : integer;
    FOnChange : TNotifyEvent;
    FLevel : integer;
    function GetValue: integer;
    function GetMark(Index: integer): integer;
    procedure SetValue(Value:integer);
    procedure SetMark(Index: integer; Value:integetring read FCaption write FCaption r);
    procedure SetLeve  published
    Property Value : integer read GetValue write SetValue default 0;
    Property Caption : string read FCaption write FCaption ;
    Property OnCl(Value:integer);
  protected
    procedure WMpaint(var Message: TWMpaint); message WM_PAINT;
    p?rocedure WMneedlemoved(var Message: TMessage); message WM_NEEDLEMOVED;
    Procedure Paint;override;
  public
   ,constructor Create(AOwner:TComponent);override;
    destructor Destroy;override;
    Property Marks[Index: integer] : integer read GetMark write SetMark ;
    Function Ratio : double;
  published
    Property Value : integer read GetValue write SetValueÿÿÿÿÿÿÿÿ 0;
    Property Caption : string readetLevel default 7;
    Property Cursor;
    Property Height;
    Property HelpContext;
    Property Hint;
    Property Left;
    Property Name;
    Property Tag;
    Property Top;
    Property Width;
end;

procedure Register;


implementation

{=================================9===============================//=============}

procedure Register;
begin
  RegisterComponents('Samples',[TGauge]);
end;
 
 
{================================================================================}

constructor TGauge.Create(AOwner:TComponent);
begin
  inherited Create(AOwner);
  Width := 050;
     FValue := 0;
     FCaption := 'Gauge';
     FLevel := 7;
end;
 
 
{================================================================================}

destructor TGauge.Destroy;
begin
  inherited Destroy;
end;
 
 
{========================================================================================5==============================================}

procedure TGauge.SetMark(Index: integer; Value:integer);
begin

end;
 
 
{================================================================================}

procedure TGauge.SetLevel(Value:integer);
begin

end;
 ¶
 
{======ÃÂÂÌ======================================================================}

function TGauge.GetValue: integer;
begin

Result := FValue;
end;
 
 
{================================================================================}

function TGauge.GetMark(Index: integer): integer;
var
Step: integer;
begin

Step := 10;
Result := Index *==================}

function TGauge.GetMark(Index: integer): integer;
var
Step: integer;
begin

Step := 10;
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
 
 
{=====================ger;
var
Step: integer;
begin

Step := 10;
Result := Index * Step;
end;
 
 
{=====================================================================  inherited;
end;
 
 
{======================================ing here}

end;
end.

