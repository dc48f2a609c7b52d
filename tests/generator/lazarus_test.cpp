// SPDX-License-Identifier: MIT
// The unit built for Lazarus and the files of its package.
#include "awk/awk.h"
#include "generator/lazaruspackage.h"
#include "generator/paletteicon.h"
#include "generator/unitgenerator.h"
#include "model/ancestortable.h"
#include "model/componentspec.h"
#include "model/specbuilders.h"
#include "specfile/filebytes.h"
#include "specfile/textcodec.h"

#include <QtEndian>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

Style lazarusStyle(Style style = Style())
{
    style.target = Target::Lazarus;
    return style;
}

QStringList build(const ComponentSpec &spec, const Style &style = lazarusStyle())
{
    TAwk awk;
    return generateUnit(spec, style, awk, nullptr).lines;
}

// The lines between "uses" and the first spacer line.
QStringList usesLines(const QStringList &lines)
{
    const qsizetype from = lines.indexOf(u"uses"_s);
    const qsizetype to = lines.indexOf(u" "_s, from);
    return lines.mid(from + 1, to - from - 1);
}

} // namespace

TEST(LazarusUnit, BuildsTheTankUnit)
{
    TAwk awk;
    const GeneratedUnit unit = generateUnit(tankSpec(), lazarusStyle(tankStyle()), awk, nullptr);
    expectSameAsDataFile(sourceFileBytes(unit.lines + QStringList{QString()}), "tank-lazarus.pas");
}

TEST(LazarusUnit, MappedAncestorTakesItsCounterpartAndUnit)
{
    const QStringList lines = build(specOn(u"TOutline"_s));
    EXPECT_TRUE(lines.contains(u"  TDial = class(TTreeView)"_s));
    EXPECT_EQ(usesLines(lines), (QStringList{
        u"  Classes, SysUtils, LResources, Forms, Controls, Graphics, Dialogs,"_s,
        u"  LCLType, LMessages, ComCtrls;"_s}));
    EXPECT_TRUE(lines.contains(u"    Property ScrollBars;"_s));
    EXPECT_FALSE(lines.contains(u"    Property OutlineStyle;"_s)) << "TTreeView has no OutlineStyle";
    EXPECT_FALSE(lines.contains(u"    Property Ctl3D;"_s));
}

TEST(LazarusUnit, AncestorOfAWizardUnitIsNotUsedTwice)
{
    EXPECT_EQ(usesLines(build(specOn(u"TComponent"_s))).value(1), u"  LCLType, LMessages;"_s);
    EXPECT_EQ(usesLines(build(specOn(u"TForm"_s))).value(1), u"  LCLType, LMessages;"_s);
}

TEST(LazarusUnit, AncestorOutsideTheListIsKeptWithItsMembers)
{
    ComponentSpec spec = specOn(u"TComponent"_s);
    spec.Ancestor = u"TMyBase"_s;
    spec.StandardProperties = {u"Ctl3D"_s};
    const QStringList lines = build(spec);
    EXPECT_TRUE(lines.contains(u"  TDial = class(TMyBase)"_s));
    EXPECT_TRUE(lines.contains(u"    Property Ctl3D;"_s));
    EXPECT_EQ(usesLines(lines).value(1), u"  LCLType, LMessages;"_s);
}

TEST(LazarusUnit, MessagesTakeLclConstantsAndRecords)
{
    ComponentSpec spec = specOn(u"TCustomControl"_s);
    spec.selectStandardMessage(u"BM_GETCHECK"_s);
    spec.selectStandardMessage(u"WM_CANCELMODE"_s);
    spec.selectStandardMessage(u"WM_SIZE"_s);
    spec.selectStandardMessage(u"WM_DDE_ACK"_s);
    spec.addUserMessage(u"WM_GO"_s, 3);
    const QStringList lines = build(spec);

    const qsizetype constants = lines.indexOf(u"const"_s);
    ASSERT_GE(constants, 0);
    EXPECT_EQ(lines.mid(constants + 1, 4), (QStringList{
        u"  BM_GETCHECK = $00F0;"_s, u"  WM_DDE_ACK = $03E4;"_s, u"  WM_GO = WM_USER + 3;"_s, u""_s}))
        << "the messages the LCL has no constant for get their Windows values";
    for (const QString &line : {
             u"    procedure BMgetcheck(var Message: TLMessage); message BM_GETCHECK;"_s,
             u"    procedure WMcancelmode(var Message: TLMessage); message LM_CANCELMODE;"_s,
             u"    procedure WMsize(var Message: TLMSize); message LM_SIZE;"_s,
             u"    procedure WMddeack(var Message: TLMessage); message WM_DDE_ACK;"_s,
             u"    procedure WMgo(var Message: TLMessage); message WM_GO;"_s,
             u"procedure TDial.WMsize(var Message: TLMSize);"_s,
             u"procedure TDial.WMgo(var Message: TLMessage);"_s}) {
        EXPECT_TRUE(lines.contains(line)) << line.toStdString();
    }
}

TEST(LazarusUnit, RegisterIncludesTheIconJustBeforeRegisterComponents)
{
    const QStringList lines = build(specOn(u"TComponent"_s));
    const qsizetype call = lines.indexOf(u"  RegisterComponents('Samples',[TDial]);"_s);
    ASSERT_GT(call, 0);
    EXPECT_EQ(lines.at(call - 1), u"  {$I dial_icon.lrs}"_s);
    EXPECT_EQ(lines.at(call - 2), u"begin"_s);
    EXPECT_EQ(lines.mid(0, 4), (QStringList{u"unit Dial;"_s, u""_s, u"{$mode delphi}"_s, u""_s}));
}

TEST(LazarusPackage, ResourceTextQuotesPrintableBytesOnly)
{
    EXPECT_EQ(lazarusResourceText(u"tdial"_s, u"PNG"_s, QByteArray("a'b\x01\x89z", 6)),
              u"LazarusResources.Add('tdial','PNG',[\n  'a''b'#1#137'z'\n]);\n"_s);
    const QString text = lazarusResourceText(u"t"_s, u"PNG"_s, QByteArray(200, 'x'));
    const QStringList lines = text.split(u'\n');
    EXPECT_TRUE(lines.at(2).startsWith(u"  +'"_s)) << "a long resource goes on in a continued line";
    for (const QString &line : lines)
        EXPECT_LE(line.size(), 80) << line.toStdString();
    EXPECT_EQ(QString(text).remove(u"'+'"_s).count(u'x'), 200);
}

TEST(LazarusPackage, FilesListTheUnitAndRequireWhatItUses)
{
    const ComponentSpec dialog = specOn(u"TPrintDialog"_s);
    const QList<PackageFile> files = lazarusPackageFiles(dialog, build(dialog), QByteArray("png"));
    ASSERT_EQ(files.size(), 3);
    EXPECT_EQ(files.at(0).name, u"dial.pas"_s);
    EXPECT_EQ(files.at(1).name, u"dial_icon.lrs"_s);
    EXPECT_EQ(files.at(2).name, u"dialpackage.lpk"_s);
    EXPECT_TRUE(files.at(0).bytes.startsWith("unit Dial;\r\n"));
    EXPECT_TRUE(files.at(0).bytes.endsWith("end.\r\n\r\n")) << "as the command line writes a unit";
    EXPECT_TRUE(files.at(1).bytes.startsWith("LazarusResources.Add('tdial','PNG',["));

    const QString lpk = QString::fromUtf8(files.at(2).bytes);
    EXPECT_TRUE(lpk.contains(u"<Name Value=\"DialPackage\"/>"_s));
    EXPECT_TRUE(lpk.contains(u"<Filename Value=\"dial.pas\"/>\n        <HasRegisterProc Value=\"True\"/>\n"
                             "        <UnitName Value=\"Dial\"/>"_s));
    EXPECT_TRUE(lpk.contains(u"<RequiredPkgs Count=\"2\">"_s));
    EXPECT_TRUE(lpk.contains(u"<PackageName Value=\"Printer4Lazarus\"/>"_s));

    const QString plain = lazarusPackageText(u"Dial"_s, needsPrinter4Lazarus(specOn(u"TPanel"_s)));
    EXPECT_TRUE(plain.contains(u"<RequiredPkgs Count=\"1\">"_s));
    EXPECT_FALSE(plain.contains(u"Printer4Lazarus"_s));
    EXPECT_TRUE(plain.contains(u"<PackageName Value=\"LCL\"/>"_s));
}

TEST(PaletteIcon, EncodesRgbaRowsWithChunkChecksums)
{
    const QByteArray png = encodePng(2, 1, {0x80102030u, 0xFF405060u});
    ASSERT_TRUE(png.startsWith(QByteArray("\x89PNG\r\n\x1a\n", 8)));
    // IHDR: width 2, height 1, 8 bits, RGBA.
    EXPECT_EQ(png.mid(8, 8), QByteArray("\0\0\0\x0dIHDR", 8));
    EXPECT_EQ(qFromBigEndian<quint32>(png.constData() + 16), 2u);
    EXPECT_EQ(qFromBigEndian<quint32>(png.constData() + 20), 1u);
    EXPECT_EQ(png.mid(24, 2), QByteArray("\x08\x06", 2));
    // Every PNG ends with the same IEND chunk and checksum.
    EXPECT_TRUE(png.endsWith(QByteArray("\0\0\0\0IEND\xae\x42\x60\x82", 12)));

    const qsizetype idat = png.indexOf("IDAT");
    const quint32 length = qFromBigEndian<quint32>(png.constData() + idat - 4);
    QByteArray zlib(4, '\0');
    qToBigEndian<quint32>(9, zlib.data());
    const QByteArray raw = qUncompress(zlib + png.mid(idat + 4, length));
    EXPECT_EQ(raw, QByteArray("\0\x10\x20\x30\x80\x40\x50\x60\xff", 9)) << "filter byte, then R G B A";

    EXPECT_TRUE(encodePng(2, 2, {1u, 2u, 3u}).isEmpty());
    EXPECT_TRUE(encodePng(0, 0, {}).isEmpty());
}

TEST(PaletteIcon, DefaultIconIs24By24)
{
    const QByteArray png = defaultPaletteIconPng();
    EXPECT_EQ(qFromBigEndian<quint32>(png.constData() + 16), 24u);
    EXPECT_EQ(qFromBigEndian<quint32>(png.constData() + 20), 24u);
}
