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
  clScrollBar = TColor(-2147483648);
  clBackground = TColor(-2147483647);
  clActiveCaption = TColor(-2147483646);
  clInactiveCaption = TColor(-2147483645);
  clMenu = TColor(-2147483644);
  clWindow = TColor(-2147483643);
  clWindowFrame = TColor(-2147483642);
  clMenuText = TColor(-2147483641);
  clWindowText = TColor(-2147483640);
  clCaptionText = TColor(-2147483639);
  clActiveBorder = TColor(-2147483638);
  clInactiveBorder = TColor(-2147483637);
  clAppWorkSpace = TColor(-2147483636);
  clHighlight = TColor(-2147483635);
  clHighlightText = TColor(-2147483634);
  clBtnFace = TColor(-2147483633);
  clBtnShadow = TColor(-2147483632);
  clGrayText = TColor(-2147483631);
  clBtnText = TColor(-2147483630);
  clInactiveCaptionText = TColor(-2147483629);
  clBtnHighlight = TColor(-2147483628);
  clBlack = TColor($000000);
  clMaroon = TColor($000080);
  clGreen = TColor($008000);
  clOlive = TColor($008080);
  clNavy = TColor($800000);
  clPurple = TColor($800080);
  clTeal = TColor($808000);
  clGray = TColor($808080);
  clSilver = TColor($C0C0C0);
  clRed = TColor($0000FF);
  clLime = TColor($00FF00);
  clYellow = TColor($00FFFF);
  clBlue = TColor($FF0000);
  clFuchsia = TColor($FF00FF);
  clAqua = TColor($FFFF00);
  clLtGray = TColor($C0C0C0);
  clDkGray = TColor($808080);
  clWhite = TColor($FFFFFF);

implementation

end.
