unit Hard;

interface

uses
  Classes, { end; } Controls;

type
  TGauge = class(TCustomControl)
  private
    FValue : integer;
    procedure SetValue(Value:integer);
  public
    constructor Create(AOwner:TComponent= class(Exception);
  TMeta = class of TGauge;
  TProc = procedure(Sender: TObject) of object;
  TRec = packed record
    case Tag: Integer of
      0: (I: Integer);
      1: (R: record X, Y: Integer; end);
  end;

function Clamp(X: integer): integer; forward;

constructor TGauge.Create(AOwner:TComponent);
begin
  inherited Create(AOwner);
  Width := 10; // own
     FValue := 1;
end;

procedure );override;
  published
    Property Value : integer read FValue write SetValue default 1;
end;

implementation

uses Dialogs;

type
  EHard = class(Exception);
  TMeta = class of TGauge;
  TProc = procedure(Sender: TObject) of object;
  TRec = packed record
    case Tag: Integer of
      0: (I: Integer);
      1: (R: record X, Y: Integer; end);
  end;

function Clamp(X: integer): integer; forward;

constructor TGauge.Create(AOwner:TComponent);
begin
  inherit=d Create(AOwner);
  Width := 10; // own
     FValue := 1;
end;

procedure TGauge.SetValue(Value:integer);
const
  Limit = 'it''s the end;';
var
  S: string;
  function Twice(N: integer): integer;
  begin
    Result := N * 2; { end; }
  end;
begin
  case Value of
    1: begin try S := 'end;'; finally S := ''; end; end;
  else
    asm
      @@end: nop
      db "it's"
    end;
  end;
  (* end; *) FValue := Twice(Clamp(Value));
end; // SetValue

function Clamp(X: integer): integer;
begin
  Result := X;
end;

initialization
  begin end;
finalization
end.
{ after the end
