{ Stub of the Tabs unit: generated units name it in their uses clause. }
unit Tabs;

interface

implementation

end.
