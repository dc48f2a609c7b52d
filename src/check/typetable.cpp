#include "check/typetable.h"

#include "model/pascalvocabulary.h"

using namespace Qt::StringLiterals;

namespace {

constexpr qint64 kLongintMin = -2147483647LL - 1;
constexpr qint64 kLongintMax = 2147483647LL;

QStringList colourNames()
{
    return {u"clScrollBar"_s, u"clBackground"_s, u"clActiveCaption"_s, u"clInactiveCaption"_s,
            u"clMenu"_s, u"clWindow"_s, u"clWindowFrame"_s, u"clMenuText"_s, u"clWindowText"_s,
            u"clCaptionText"_s, u"clActiveBorder"_s, u"clInactiveBorder"_s, u"clAppWorkSpace"_s,
            u"clHighlight"_s, u"clHighlightText"_s, u"clBtnFace"_s, u"clBtnShadow"_s,
            u"clGrayText"_s, u"clBtnText"_s, u"clInactiveCaptionText"_s, u"clBtnHighlight"_s,
            u"clBlack"_s, u"clMaroon"_s, u"clGreen"_s, u"clOlive"_s, u"clNavy"_s, u"clPurple"_s,
            u"clTeal"_s, u"clGray"_s, u"clSilver"_s, u"clRed"_s, u"clLime"_s, u"clYellow"_s,
            u"clBlue"_s, u"clFuchsia"_s, u"clAqua"_s, u"clLtGray"_s, u"clDkGray"_s, u"clWhite"_s};
}

PascalType simple(const QString &name, TypeKind kind)
{
    return {name, kind, 0, 0, {}};
}

QStringList cursorNames()
{
    return {u"crDefault"_s, u"crNone"_s, u"crArrow"_s, u"crCross"_s, u"crIBeam"_s, u"crSize"_s,
            u"crSizeNESW"_s, u"crSizeNS"_s, u"crSizeNWSE"_s, u"crSizeWE"_s, u"crUpArrow"_s,
            u"crHourGlass"_s, u"crDrag"_s, u"crNoDrop"_s, u"crHSplit"_s, u"crVSplit"_s,
            u"crMultiDrag"_s, u"crSQLWait"_s};
}

QList<PascalType> makeTable()
{
    using K = TypeKind;
    const QStringList fontStyles{u"fsBold"_s, u"fsItalic"_s, u"fsUnderline"_s, u"fsStrikeOut"_s};
    return {
        // Delphi 2.0's cardinal is 31 bits wide; Free Pascal's is 32.
        {u"Integer"_s, K::Integer, kLongintMin, kLongintMax, {}},
        {u"Longint"_s, K::Integer, kLongintMin, kLongintMax, {}},
        {u"Cardinal"_s, K::Integer, 0, kLongintMax, {}},
        {u"Shortint"_s, K::Integer, -128, 127, {}},
        {u"Smallint"_s, K::Integer, -32768, 32767, {}},
        {u"Byte"_s, K::Integer, 0, 255, {}},
        {u"Word"_s, K::Integer, 0, 65535, {}},
        {u"TColor"_s, K::Integer, kLongintMin, kLongintMax, colourNames()},
        {u"TCursor"_s, K::Integer, -32768, 32767, cursorNames()},
        simple(u"Boolean"_s, K::Boolean), simple(u"ByteBool"_s, K::Boolean), simple(u"WordBool"_s, K::Boolean),
        simple(u"LongBool"_s, K::Boolean),
        simple(u"Char"_s, K::Char), simple(u"AnsiChar"_s, K::Char),
        {u"TAlign"_s, K::Enumeration, 0, 0,
         {u"alNone"_s, u"alTop"_s, u"alBottom"_s, u"alLeft"_s, u"alRight"_s, u"alClient"_s}},
        {u"TAlignment"_s, K::Enumeration, 0, 0,
         {u"taLeftJustify"_s, u"taRightJustify"_s, u"taCenter"_s}},
        {u"TFontStyle"_s, K::Enumeration, 0, 0, fontStyles},
        {u"TFontStyles"_s, K::Set, 0, 0, fontStyles},
        {u"TPenStyle"_s, K::Enumeration, 0, 0,
         {u"psSolid"_s, u"psDash"_s, u"psDot"_s, u"psDashDot"_s, u"psDashDotDot"_s,
          u"psClear"_s, u"psInsideFrame"_s}},
        {u"TBrushStyle"_s, K::Enumeration, 0, 0,
         {u"bsSolid"_s, u"bsClear"_s, u"bsHorizontal"_s, u"bsVertical"_s, u"bsFDiagonal"_s,
          u"bsBDiagonal"_s, u"bsCross"_s, u"bsDiagCross"_s}},
        {u"TMouseButton"_s, K::Enumeration, 0, 0, {u"mbLeft"_s, u"mbRight"_s, u"mbMiddle"_s}},
        {u"TDragMode"_s, K::Enumeration, 0, 0, {u"dmManual"_s, u"dmAutomatic"_s}},
        {u"TShiftState"_s, K::Set, 0, 0,
         {u"ssShift"_s, u"ssAlt"_s, u"ssCtrl"_s, u"ssLeft"_s, u"ssRight"_s, u"ssMiddle"_s,
          u"ssDouble"_s}},
        simple(u"Real"_s, K::Real), simple(u"Single"_s, K::Real), simple(u"Double"_s, K::Real),
        simple(u"Extended"_s, K::Real), simple(u"Comp"_s, K::Real), simple(u"Currency"_s, K::Real),
        simple(u"string"_s, K::String),
        simple(u"ShortString"_s, K::OtherString), simple(u"AnsiString"_s, K::OtherString),
        simple(u"TCaption"_s, K::OtherString),
        simple(u"Pointer"_s, K::Pointer), simple(u"PChar"_s, K::Pointer),
        simple(u"TObject"_s, K::Class), simple(u"TPersistent"_s, K::Class), simple(u"TComponent"_s, K::Class),
        simple(u"TControl"_s, K::Class), simple(u"TWinControl"_s, K::Class), simple(u"TFont"_s, K::Class),
        simple(u"TPen"_s, K::Class), simple(u"TBrush"_s, K::Class), simple(u"TCanvas"_s, K::Class),
        simple(u"TGraphic"_s, K::Class), simple(u"TBitmap"_s, K::Class), simple(u"TIcon"_s, K::Class),
        simple(u"TPicture"_s, K::Class), simple(u"TStrings"_s, K::Class), simple(u"TStringList"_s, K::Class),
        simple(u"TList"_s, K::Class),
        simple(u"TNotifyEvent"_s, K::Method), simple(u"TMouseEvent"_s, K::Method),
        simple(u"TMouseMoveEvent"_s, K::Method), simple(u"TKeyEvent"_s, K::Method),
        simple(u"TKeyPressEvent"_s, K::Method),
        simple(u"TRect"_s, K::Record), simple(u"TPoint"_s, K::Record), simple(u"TMessage"_s, K::Record),
        simple(u"Text"_s, K::TextFile), simple(u"TextFile"_s, K::TextFile),
    };
}

} // namespace

const PascalType *findType(const QString &name)
{
    static const QList<PascalType> table = makeTable();
    for (const PascalType &type : table) {
        if (sameName(type.name, name))
            return &type;
    }
    return nullptr;
}

bool isPublishable(TypeKind kind)
{
    return kind != TypeKind::Pointer && kind != TypeKind::Record && kind != TypeKind::TextFile;
}

QString kindPhrase(TypeKind kind)
{
    switch (kind) {
    case TypeKind::Integer: return u"an integer"_s;
    case TypeKind::Boolean: return u"a boolean"_s;
    case TypeKind::Char: return u"a char"_s;
    case TypeKind::Enumeration: return u"an enumeration"_s;
    case TypeKind::Set: return u"a set"_s;
    case TypeKind::Real: return u"a floating-point"_s;
    case TypeKind::String: return u"a string"_s;
    case TypeKind::OtherString: return u"a string"_s;
    case TypeKind::Pointer: return u"a pointer"_s;
    case TypeKind::Class: return u"a class"_s;
    case TypeKind::Method: return u"an event"_s;
    case TypeKind::Record: return u"a record"_s;
    case TypeKind::TextFile: return u"a text file"_s;
    }
    return QString();
}
