{ Stub of the DbGrids unit: generated units name it in their uses clause. }
unit DbGrids;

interface

implementation

end.
