{ Stub of the Dialogs unit: generated units name it in their uses clause. }
unit Dialogs;

interface

implementation

end.
