unit Tank;

interface

uses
  SysUtils,WinTypes,WinProcs,Messages,Classes,Graphics,
  Controls,Forms,Dialogs,StdCtrls,Menus,Buttons,printers,
  inifiles,TabNotBk,Tabs,ExtCtrls,clipbrd,typinfo,dbtables,
  grids,mask,outline,DB,DBCtrls,DbGrids,DBLookup,DDEMan,FileCtrl,
  mplayer,Spin;
 

const
  WM_DRAIN = WM_USER + 1;

type
  TTank = class(TGraphicControl)
  private
    FLevel : integer;
    FOnEmpty : TNotifyEvent;
    procedure SetLevel(Value:integer);
  protected
    procedure WMsize(var Message: TWMsize); message WM_SIZE;
    procedure WMdrain(var Message: TMessage); message WM_DRAIN;
  public
    constructor Create(AOwner:TComponent);override;
    destructor Destroy;override;
    Procedure Fill(Amount: integer);
  published
    Property Level : integer read FLevel write SetLevel default 50;
    Property OnEmpty : TNotifyEvent read FOnEmpty write FOnEmpty ;
    Property Cursor;
    Property Height;
    Property Hint;
    Property Left;
    Property Name;
    Property Tag;
    Property Top;
    Property Width;
end;

procedure Register;


implementation

{----------}

procedure Register;
begin
  RegisterComponents('Samples',[TTank]);
end;
 
{----------}

constructor TTank.Create(AOwner:TComponent);
begin
  inherited Create(AOwner);
     FLevel := 50;
end;
 
{----------}

destructor TTank.Destroy;
begin
  inherited Destroy;
end;
 
{----------}

procedure TTank.SetLevel(Value:integer);
begin

end;
 
{----------}

Procedure TTank.Fill(Amount: integer);
{ Adds liquid }
begin

end;
 
{----------}

procedure TTank.WMsize(var Message: TWMsize);
begin
{customize message handling here}
  inherited;
end;
 
{----------}

procedure TTank.WMdrain(var Message: TMessage);
begin
{customize message handling here}

end;
end.

