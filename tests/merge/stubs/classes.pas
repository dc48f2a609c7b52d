{ Stands in for the class library unit of that name when generated units are compiled. }
unit Classes;

interface

type
  TNotifyEvent = procedure(Sender: TObject) of object;

{$M+}
  TPersistent = class(TObject)
  end;
{$M-}

  TComponent = class(TPersistent)
  private
    FTag: Longint;
  public
    constructor Create(AOwner: TComponent); virtual;
  published
    property Tag: Longint read FTag write FTag default 0;
  end;

  TComponentClass = class of TComponent;

procedure RegisterComponents(const Page: string; const ComponentClasses: array of TComponentClass);

implementation

constructor TComponent.Create(AOwner: TComponent);
begin
end;

procedure RegisterComponents(const Page: string; const ComponentClasses: array of TComponentClass);
begin
end;

end.
