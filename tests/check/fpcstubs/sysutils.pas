{ Stub of the SysUtils unit. }
unit SysUtils;

interface

type
  Exception = class(TObject)
  end;

implementation

end.
