{ Stub of the SysUtils unit. }
unit SysUtils;

interface

type
  { Delphi 2.0's cardinal is 31 bits wide. }
  Cardinal = 0..2147483647;

  Exception = class(TObject)
  end;

implementation

end.
