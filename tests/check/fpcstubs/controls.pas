{ Stub of the Controls unit: the control classes generated units descend from. }
unit Controls;

interface

uses Classes, Graphics, WinTypes;

type
  TAlign = (alNone, alTop, alBottom, alLeft, alRight, alClient);
  TCursor = -32768..32767;
  TCaption = string;
  TDragMode = (dmManual, dmAutomatic);
  TMouseButton = (mbLeft, mbRight, mbMiddle);
  TMouseEvent = procedure(Sender: TObject; Button: TMouseButton; Shift: TShiftState;
    X, Y: Integer) of object;
  TMouseMoveEvent = procedure(Sender: TObject; Shift: TShiftState; X, Y: Integer) of object;
  TKeyEvent = procedure(Sender: TObject; var Key: Word; Shift: TShiftState) of object;
  TKeyPressEvent = procedure(Sender: TObject; var Key: Char) of object;

const
  crDefault = TCursor(0);
  crNone = TCursor(-1);
  crArrow = TCursor(-2);
  crCross = TCursor(-3);
  crIBeam = TCursor(-4);
  crSize = TCursor(-5);
  crSizeNESW = TCursor(-6);
  crSizeNS = TCursor(-7);
  crSizeNWSE = TCursor(-8);
  crSizeWE = TCursor(-9);
  crUpArrow = TCursor(-10);
  crHourGlass = TCursor(-11);
  crDrag = TCursor(-12);
  crNoDrop = TCursor(-13);
  crHSplit = TCursor(-14);
  crVSplit = TCursor(-15);
  crMultiDrag = TCursor(-16);
  crSQLWait = TCursor(-17);

type
  TControl = class(TComponent)
  private
    FCursor: TCursor;
    FHeight, FLeft, FTop, FWidth: Integer;
    FHint: string;
    FAlign: TAlign;
    FColor: TColor;
    FFont: TFont;
    FEnabled, FVisible, FParentColor, FParentFont, FParentShowHint, FShowHint: Boolean;
    FDragCursor: TCursor;
    FDragMode: TDragMode;
    FOnClick, FOnDblClick: TNotifyEvent;
    FOnMouseDown, FOnMouseUp: TMouseEvent;
    FOnMouseMove: TMouseMoveEvent;
    FOnDragDrop, FOnDragOver, FOnEndDrag, FOnStartDrag: TNotifyEvent;
    FPopupMenu: TComponent;
    FBoundsRect: TRect;
  protected
    procedure Click; dynamic;
    procedure Resize; dynamic;
    property Align: TAlign read FAlign write FAlign;
    property Color: TColor read FColor write FColor;
    property Font: TFont read FFont write FFont;
    property Enabled: Boolean read FEnabled write FEnabled;
    property Visible: Boolean read FVisible write FVisible;
    property ParentColor: Boolean read FParentColor write FParentColor;
    property ParentFont: Boolean read FParentFont write FParentFont;
    property ParentShowHint: Boolean read FParentShowHint write FParentShowHint;
    property ShowHint: Boolean read FShowHint write FShowHint;
    property DragCursor: TCursor read FDragCursor write FDragCursor;
    property DragMode: TDragMode read FDragMode write FDragMode;
    property PopupMenu: TComponent read FPopupMenu write FPopupMenu;
    property OnClick: TNotifyEvent read FOnClick write FOnClick;
    property OnDblClick: TNotifyEvent read FOnDblClick write FOnDblClick;
    property OnMouseDown: TMouseEvent read FOnMouseDown write FOnMouseDown;
    property OnMouseUp: TMouseEvent read FOnMouseUp write FOnMouseUp;
    property OnMouseMove: TMouseMoveEvent read FOnMouseMove write FOnMouseMove;
    property OnDragDrop: TNotifyEvent read FOnDragDrop write FOnDragDrop;
    property OnDragOver: TNotifyEvent read FOnDragOver write FOnDragOver;
    property OnEndDrag: TNotifyEvent read FOnEndDrag write FOnEndDrag;
    property OnStartDrag: TNotifyEvent read FOnStartDrag write FOnStartDrag;
  public
    constructor Create(AOwner: TComponent); override;
    procedure Invalidate; virtual;
    property BoundsRect: TRect read FBoundsRect;
  published
    property Cursor: TCursor read FCursor write FCursor default 0;
    property Height: Integer read FHeight write FHeight;
    property Hint: string read FHint write FHint;
    property Left: Integer read FLeft write FLeft;
    property Top: Integer read FTop write FTop;
    property Width: Integer read FWidth write FWidth;
  end;

  TWinControl = class(TControl)
  private
    FHelpContext: Longint;
    FTabOrder: Integer;
    FTabStop, FCtl3D, FParentCtl3D: Boolean;
    FOnEnter, FOnExit: TNotifyEvent;
    FOnKeyDown, FOnKeyUp: TKeyEvent;
    FOnKeyPress: TKeyPressEvent;
  protected
    procedure CreateWnd; virtual;
    property TabOrder: Integer read FTabOrder write FTabOrder;
    property TabStop: Boolean read FTabStop write FTabStop;
    property Ctl3D: Boolean read FCtl3D write FCtl3D;
    property ParentCtl3D: Boolean read FParentCtl3D write FParentCtl3D;
    property OnEnter: TNotifyEvent read FOnEnter write FOnEnter;
    property OnExit: TNotifyEvent read FOnExit write FOnExit;
    property OnKeyDown: TKeyEvent read FOnKeyDown write FOnKeyDown;
    property OnKeyUp: TKeyEvent read FOnKeyUp write FOnKeyUp;
    property OnKeyPress: TKeyPressEvent read FOnKeyPress write FOnKeyPress;
  published
    property HelpContext: Longint read FHelpContext write FHelpContext default 0;
  end;

  TGraphicControl = class(TControl)
  private
    FCanvas: TCanvas;
  protected
    procedure Paint; virtual;
    property Canvas: TCanvas read FCanvas;
  end;

  TCustomControl = class(TWinControl)
  private
    FCanvas: TCanvas;
  protected
    procedure Paint; virtual;
    property Canvas: TCanvas read FCanvas;
  end;

implementation

constructor TControl.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

procedure TControl.Click;
begin
end;

procedure TControl.Resize;
begin
end;

procedure TControl.Invalidate;
begin
end;

procedure TWinControl.CreateWnd;
begin
end;

procedure TGraphicControl.Paint;
begin
end;

procedure TCustomControl.Paint;
begin
end;

end.
