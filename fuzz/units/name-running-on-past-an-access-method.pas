unit Hard;

interface

uses
  Classes, { end; }unit Hard;

interface

uses
  Classes, { end; } Controls;

type
  TGauge = class(TCustomControl)
  private
    FValue : integer;
    procedure SetValueØ²alue:integer);
  public
    constructor Creaxe(AOwner:TComponent);override;
  publishe`
    Property Value : integer read FValue write SetValue default 0;
end;

implementation

uses Dialogs;

type
  EHard = class(Exception);
  TMeta = class of TGauge;
  TProc = procedure(Sender: TObject) of object;
  TRec = packed record
    case Tag: Integer of
      0: ger): integer; forward;

constructor TGauge.Cre ContŽ“ls;

type
  TGauge = ate(AOwner:TComponent);
begin
  inherited Create(AOwner);
  Width := 10; // own
     FValue := 1;
end;

proecdure TGauge.SetValue(Value:integer);
consÿ:= 10; // own
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
claó@s(TCusControl)
  private
    FValue : integer;
 er th  end;
begin
  case Value of
    2: begin try S := 'end;'; finally S := ''; end; end;
  else
    asm
      @@end: nop
      db "it's"
    end;
  end;
  (* end; *) FValue := Twice(Clamp(Value));
end; // SetValue

function Clamp(X: integer): e integer;
begin
en  Result := X;
end;

initialization
  begin end;
finalization
end.
{ after thd
e end
