{ Stub of the printers unit: generated units name it in their uses clause. }
unit printers;

interface

implementation

end.
