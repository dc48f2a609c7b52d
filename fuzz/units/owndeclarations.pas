{ Hand-written additions around and inside a built class }
unit Gauge;

interface

uses
  SysUtils,WinTypes,WinProcs,Messages,Classes,Graphics,
  Controls,Forms,Dialogs,StdCtrls,Menus,Buttons,printers,
  inifiles,TabNotBk,Tabs,ExtCtrls,clipbrd,typinfo,dbtables,
  grids,mask,outline,DB,DBCtrls,DbGrids,DBLookup,DDEMan,FileCtrl,
  mplayer,Spin,Registry;
 

const
  WM_NEEDLE = WM_USER + 1;
  Limit = 10; (* a limit
  of ten *)

type
  TNeedle = (ndThin, ndThick);
  TGauge = class(TCustomControl)
  private
    FValue : integer;
    { the face,

      drawn once }
    FFace: TBitmap;
    {$IFDEF WIN32}
    FHandle: THandle;
    {$ENDIF}
    const Steps = 10;
    type TMark = record
      At: integer;
    end;
    procedure SetValue(Value:integer);
  protected
    procedure WMpaint(var Message: TWMpaint); message WM_PAINT;
    procedure WMneedle(var Message: TMessage); message WM_NEEDLE;
    procedure Paint; override;
  public
    constructor Create(AOwner:TComponent);override;
    destructor Destroy;override;
    Procedure Flash(Times: integer);
    procedure Fill(A: integer); overload;
    procedure Fill(const S: string);
      overload;
    property Items[I: integer]: integer read GetItem; default;
  published
    Property Value : integer read FValue write SetValue default 1;
    property Needle: TNeedle read FNeedle write FNeedle;
end;

procedure Register;
function Clamp(X: integer): integer;

implementation

procedure Register;
begin
  RegisterComponents('Samples',[TGauge]);
end;

constructor TGauge.Create(AOwner:TComponent);
begin
  inherited Create(AOwner);
     FValue := 1;
end;

destructor TGauge.Destroy;
begin
  inherited Destroy;
end;

procedure TGauge.SetValue(Value:integer);
begin
  FValue := Value;
end;

Procedure TGauge.Flash(Times: integer);
begin
end;

procedure TGauge.Paint;
begin
  Canvas.Draw(0, 0, FFace);
end;

procedure TGauge.Fill(A: integer);
begin
end;

procedure TGauge.Fill(const S: string);
begin
  Fill(Length(S));
end;

function Clamp(X: integer): integer;
begin
  Result := X;
end;

procedure TGauge.WMpaint(var Message: TWMpaint);
begin
  inherited;
end;

procedure TGauge.WMneedle(var Message: TMessage);
begin
end;

end.
