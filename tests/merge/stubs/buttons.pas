{ Stands in for the class library unit of that name when generated units are compiled. }
unit Buttons;

interface

implementation

end.
