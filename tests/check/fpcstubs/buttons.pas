{ Stub of the Buttons unit: generated units name it in their uses clause. }
unit Buttons;

interface

implementation

end.
