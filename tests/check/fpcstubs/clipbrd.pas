{ Stub of the clipbrd unit: generated units name it in their uses clause. }
unit clipbrd;

interface

implementation

end.
