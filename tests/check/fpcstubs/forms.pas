{ Stub of the Forms unit. }
unit Forms;

interface

uses Classes, Controls;

type
  TBorderStyle = (bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin);
  TFormBorderStyle = TBorderStyle;
  TScrollingWinControl = class(TWinControl)
  end;

implementation

end.
