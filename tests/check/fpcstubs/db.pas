{ Stub of the DB unit: generated units name it in their uses clause. }
unit DB;

interface

implementation

end.
