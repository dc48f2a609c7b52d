{ Stub of the FileCtrl unit: generated units name it in their uses clause. }
unit FileCtrl;

interface

implementation

end.
