{ Stub of the Graphics unit. }
unit Graphics;

interface

uses Classes;

type
  TColor = -$7FFFFFFF-1..$7FFFFFFF;
  TFontStyle = (fsBold, fsItalic, fsUnderline, fsStrikeOut);
  TFontStyles = set of TFontStyle;
  TPenStyle = (psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame);
  TBrushStyle = (bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal,
    bsCross, bsDiagCross);

  TGraphicsObject = class(TPersistent)
  end;
  TFont = class(TGraphicsObject)
  end;
  TPen = class(TGraphicsObject)
  end;
  TBrush = class(TGraphicsObject)
  end;
  TCanvas = class(TPersistent)
  end;
  TGraphic = class(TPersistent)
  end;
  TBitmap = class(TGraphic)
  end;
  TIcon = class(TGraphic)
  end;
  TPicture = class(TPersistent)
  end;

const
  clBlack = TColor($000000);
  clWhite = TColor($FFFFFF);
  clRed = TColor($0000FF);
  clBtnFace = TColor(-2147483633);
  clWindow = TColor(-2147483643);

implementation

end.
