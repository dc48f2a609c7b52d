{ Stub of the TabNotBk unit: generated units name it in their uses clause. }
unit TabNotBk;

interface

implementation

end.
