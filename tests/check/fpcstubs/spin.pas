{ Stub of the Spin unit: generated units name it in their uses clause. }
unit Spin;

interface

implementation

end.
