{ Stub of the typinfo unit: generated units name it in their uses clause. }
unit typinfo;

interface

implementation

end.
