{ Stub of the outline unit: generated units name it in their uses clause. }
unit outline;

interface

implementation

end.
