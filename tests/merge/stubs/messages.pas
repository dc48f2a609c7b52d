{ Stands in for the class library unit of that name when generated units are compiled. }
unit Messages;

interface

const
  WM_USER = $0400;
  WM_SIZE = $0005;
  WM_PAINT = $000F;
  WM_KEYDOWN = $0100;
  WM_TIMER = $0113;
  WM_LBUTTONDOWN = $0201;

type
  TMessage = record
    Msg: Cardinal;
    WParam, LParam, Result: Longint;
  end;
  TWMSize = TMessage;
  TWMPaint = TMessage;
  TWMKeyDown = TMessage;
  TWMTimer = TMessage;
  TWMLButtonDown = TMessage;

implementation

end.
