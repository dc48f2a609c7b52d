{ Stub of the dbtables unit: generated units name it in their uses clause. }
unit dbtables;

interface

implementation

end.
