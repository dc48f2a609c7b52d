{ Stub of the mplayer unit: generated units name it in their uses clause. }
unit mplayer;

interface

implementation

end.
