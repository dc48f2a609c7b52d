{ Stub of the Menus unit: generated units name it in their uses clause. }
unit Menus;

interface

implementation

end.
