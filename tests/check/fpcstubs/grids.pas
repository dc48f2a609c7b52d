{ Stub of the grids unit: generated units name it in their uses clause. }
unit grids;

interface

implementation

end.
