{ Stub of the DDEMan unit: generated units name it in their uses clause. }
unit DDEMan;

interface

implementation

end.
