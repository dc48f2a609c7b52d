{ Stands in for the class library unit of that name when generated units are compiled. }
unit Controls;

interface

uses Classes;

type
  TControl = class(TComponent)
  private
    FColor: Longint;
  protected
    property Color: Longint read FColor write FColor;
  end;

  TGraphicControl = class(TControl)
  protected
    procedure Paint; virtual;
  end;

  TWinControl = class(TControl)
  end;

  TCustomControl = class(TWinControl)
  protected
    procedure Paint; virtual;
  end;

implementation

procedure TGraphicControl.Paint;
begin
end;

procedure TCustomControl.Paint;
begin
end;

end.
