{ Stub of the DBLookup unit: generated units name it in their uses clause. }
unit DBLookup;

interface

implementation

end.
