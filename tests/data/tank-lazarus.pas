unit Tank;

{$mode delphi}

interface

uses
  Classes, SysUtils, LResources, Forms, Controls, Graphics, Dialogs,
  LCLType, LMessages;
 

const
  WM_DRAIN = WM_USER + 1;

type
  TTank = class(TGraphicControl)
  private
    FLevel : integer;
    FOnEmpty : TNotifyEvent;
    procedure SetLevel(Value:integer);
  protected
    procedure WMsize(var Message: TLMSize); message LM_SIZE;
    procedure WMdrain(var Message: TLMessage); message WM_DRAIN;
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
  {$I tank_icon.lrs}
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

procedure TTank.WMsize(var Message: TLMSize);
begin
{customize message handling here}
  inherited;
end;
 
{----------}

procedure TTank.WMdrain(var Message: TLMessage);
begin
{customize message handling here}

end;
end.

