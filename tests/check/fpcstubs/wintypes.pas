{ Stub of WinTypes: the Windows types generated units may name. }
unit WinTypes;

interface

type
  HWND = Longword;
  THandle = Longword;
  HDC = Longword;
  BOOL = LongBool;
  DWORD = Longword;
  UINT = Longword;
  WPARAM = Longint;
  LPARAM = Longint;
  LRESULT = Longint;
  TRect = record
    Left, Top, Right, Bottom: Integer;
  end;
  TPoint = record
    X, Y: Integer;
  end;
  PRect = ^TRect;
  PPoint = ^TPoint;

implementation

end.
