{ Stub of the WinProcs unit: generated units name it in their uses clause. }
unit WinProcs;

interface

implementation

end.
