{ Stub of the StdCtrls unit: generated units name it in their uses clause. }
unit StdCtrls;

interface

implementation

end.
