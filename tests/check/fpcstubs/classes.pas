{ Stub of the class library's Classes unit: just what generated units use. }
unit Classes;

interface

type
  TNotifyEvent = procedure(Sender: TObject) of object;
  TAlignment = (taLeftJustify, taRightJustify, taCenter);
  TShiftState = set of (ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble);

  TList = class(TObject)
  private
    FCount: Integer;
  public
    constructor Create;
    property Count: Integer read FCount;
  end;

{$M+}
  TPersistent = class(TObject)
  public
    procedure Assign(Source: TPersistent); virtual;
  end;
{$M-}

  TStrings = class(TPersistent)
  end;

  TStringList = class(TStrings)
  end;

  TStream = class(TObject)
  end;

  TOperation = (opInsert, opRemove);
  TBasicAction = class;

  TComponent = class(TPersistent)
  private
    FName: string;
    FTag: Longint;
    FOwner: TComponent;
  protected
    procedure Loaded; virtual;
    procedure Notification(AComponent: TComponent; Operation: TOperation); virtual;
    function HasParent: Boolean; dynamic;
  public
    constructor Create(AOwner: TComponent); virtual;
    destructor Destroy; override;
    function ExecuteAction(Action: TBasicAction): Boolean; dynamic;
    property Owner: TComponent read FOwner;
  published
    property Name: string read FName write FName;
    property Tag: Longint read FTag write FTag default 0;
  end;

  TComponentClass = class of TComponent;

  TBasicAction = class(TComponent)
  end;

procedure RegisterComponents(const Page: string; ComponentClasses: array of TComponentClass);

implementation

constructor TList.Create;
begin
end;

procedure TPersistent.Assign(Source: TPersistent);
begin
end;

procedure TComponent.Loaded;
begin
end;

procedure TComponent.Notification(AComponent: TComponent; Operation: TOperation);
begin
end;

function TComponent.HasParent: Boolean;
begin
  Result := False;
end;

function TComponent.ExecuteAction(Action: TBasicAction): Boolean;
begin
  Result := False;
end;

constructor TComponent.Create(AOwner: TComponent);
begin
  FOwner := AOwner;
end;

destructor TComponent.Destroy;
begin
end;

procedure RegisterComponents(const Page: string; ComponentClasses: array of TComponentClass);
begin
end;

end.
