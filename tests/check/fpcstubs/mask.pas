{ Stub of the mask unit: generated units name it in their uses clause. }
unit mask;

interface

implementation

end.
