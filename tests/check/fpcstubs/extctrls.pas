{ Stub of the ExtCtrls unit: the panel, timer and paint box. }
unit ExtCtrls;

interface

uses Classes, Graphics, Controls;

type
  TBevelCut = (bvNone, bvLowered, bvRaised);
  TBevelWidth = 1..MaxInt;
  TBorderWidth = 0..MaxInt;

  TCustomPanel = class(TCustomControl)
  private
    FAlignment: TAlignment;
    FBevelInner, FBevelOuter: TBevelCut;
    FBevelWidth: TBevelWidth;
    FBorderStyle: Integer;
    FBorderWidth: TBorderWidth;
    FCaption: string;
    FFullRepaint, FLocked: Boolean;
    FOnResize: TNotifyEvent;
  protected
    property Alignment: TAlignment read FAlignment write FAlignment;
    property BevelInner: TBevelCut read FBevelInner write FBevelInner;
    property BevelOuter: TBevelCut read FBevelOuter write FBevelOuter;
    property BevelWidth: TBevelWidth read FBevelWidth write FBevelWidth;
    property BorderStyle: Integer read FBorderStyle write FBorderStyle;
    property BorderWidth: TBorderWidth read FBorderWidth write FBorderWidth;
    property Caption: string read FCaption write FCaption;
    property FullRepaint: Boolean read FFullRepaint write FFullRepaint;
    property Locked: Boolean read FLocked write FLocked;
    property OnResize: TNotifyEvent read FOnResize write FOnResize;
  end;

  TPanel = class(TCustomPanel)
  published
    property Align;
    property Alignment;
    property BevelInner;
    property BevelOuter;
    property BevelWidth;
    property BorderStyle;
    property BorderWidth;
    property Caption;
    property Color;
    property Ctl3D;
    property DragCursor;
    property DragMode;
    property Enabled;
    property Font;
    property FullRepaint;
    property Locked;
    property ParentColor;
    property ParentCtl3D;
    property ParentFont;
    property ParentShowHint;
    property PopupMenu;
    property ShowHint;
    property TabOrder;
    property TabStop;
    property Visible;
    property OnClick;
    property OnDblClick;
    property OnDragDrop;
    property OnDragOver;
    property OnEndDrag;
    property OnEnter;
    property OnExit;
    property OnMouseDown;
    property OnMouseMove;
    property OnMouseUp;
    property OnResize;
    property OnStartDrag;
  end;

  TTimer = class(TComponent)
  private
    FEnabled: Boolean;
    FInterval: Cardinal;
    FOnTimer: TNotifyEvent;
  published
    property Enabled: Boolean read FEnabled write FEnabled default True;
    property Interval: Cardinal read FInterval write FInterval default 1000;
    property OnTimer: TNotifyEvent read FOnTimer write FOnTimer;
  end;

  TPaintBox = class(TGraphicControl)
  private
    FOnPaint: TNotifyEvent;
  published
    property Align;
    property Color;
    property DragCursor;
    property DragMode;
    property Enabled;
    property Font;
    property ParentColor;
    property ParentFont;
    property ParentShowHint;
    property PopupMenu;
    property ShowHint;
    property Visible;
    property OnClick;
    property OnDblClick;
    property OnDragDrop;
    property OnDragOver;
    property OnEndDrag;
    property OnMouseDown;
    property OnMouseMove;
    property OnMouseUp;
    property OnPaint: TNotifyEvent read FOnPaint write FOnPaint;
    property OnStartDrag;
  end;

implementation

end.
