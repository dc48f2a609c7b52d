{ Stands in for the class library unit of that name when generated units are compiled. }
unit TypInfo;

interface

implementation

end.
