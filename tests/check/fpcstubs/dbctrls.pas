{ Stub of the DBCtrls unit: generated units name it in their uses clause. }
unit DBCtrls;

interface

implementation

end.
