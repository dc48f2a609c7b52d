{ Stub of the inifiles unit: generated units name it in their uses clause. }
unit inifiles;

interface

implementation

end.
