// SPDX-License-Identifier: MIT
#include "generator/lazaruspackage.h"

#include "generator/lazarusunit.h"
#include "model/componentspec.h"
#include "model/lcltable.h"
#include "model/unitname.h"
#include "specfile/textcodec.h"

using namespace Qt::StringLiterals;

namespace {

constexpr qsizetype kResourceLineLength = 78;

// Printable characters go between quotes, the others as #n.
QStringList resourcePieces(const QByteArray &bytes)
{
    QStringList pieces;
    QString quoted;
    const auto closeQuote = [&] {
        if (!quoted.isEmpty()) {
            pieces.append(u"'"_s + quoted + u"'"_s);
            quoted.clear();
        }
    };
    for (const char c : bytes) {
        const auto byte = quint8(c);
        if (byte >= 32 && byte < 127) {
            quoted += byte == '\'' ? u"''"_s : QString(QChar(byte));
        } else {
            closeQuote();
            pieces.append(u"#"_s + QString::number(byte));
        }
        if (quoted.size() >= kResourceLineLength / 2)
            closeQuote();
    }
    closeQuote();
    return pieces;
}

QString xmlEscaped(const QString &text)
{
    return text.toHtmlEscaped();
}

} // namespace

QString lazarusPackageName(const QString &unit)
{
    return unit + u"Package"_s;
}

QString lazarusResourceText(const QString &name, const QString &type, const QByteArray &bytes)
{
    QString text = u"LazarusResources.Add('"_s + name + u"','"_s + type + u"',[\n"_s;
    QString line = u"  "_s;
    bool first = true;
    for (const QString &piece : resourcePieces(bytes)) {
        if (line.size() + piece.size() > kResourceLineLength && line.size() > 3) {
            text += line + u"\n"_s;
            line = u"  +"_s;
        }
        line += piece;
        first = false;
    }
    if (!first)
        text += line + u"\n"_s;
    else
        text += u"  ''\n"_s;
    return text + u"]);\n"_s;
}

QString lazarusPackageText(const QString &unit, bool needsPrinters)
{
    const QString file = xmlEscaped(unit.toLower());
    QStringList required{u"LCL"_s};
    if (needsPrinters)
        required.prepend(u"Printer4Lazarus"_s);
    QString requiredItems;
    for (qsizetype i = 0; i < required.size(); ++i) {
        requiredItems += u"      <Item%1>\n        <PackageName Value=\"%2\"/>\n      </Item%1>\n"_s
                             .arg(i + 1)
                             .arg(required.at(i));
    }
    return uR"lpk(<?xml version="1.0" encoding="UTF-8"?>
<CONFIG>
  <Package Version="5">
    <PathDelim Value="\"/>
    <Name Value="%1"/>
    <Type Value="RunAndDesignTime"/>
    <CompilerOptions>
      <Version Value="11"/>
      <PathDelim Value="\"/>
      <SearchPaths>
        <UnitOutputDirectory Value="lib\$(TargetCPU)-$(TargetOS)"/>
      </SearchPaths>
      <Parsing>
        <SyntaxOptions>
          <SyntaxMode Value="Delphi"/>
        </SyntaxOptions>
      </Parsing>
    </CompilerOptions>
    <Files Count="2">
      <Item1>
        <Filename Value="%2.pas"/>
        <HasRegisterProc Value="True"/>
        <UnitName Value="%3"/>
      </Item1>
      <Item2>
        <Filename Value="%4"/>
        <Type Value="LRS"/>
      </Item2>
    </Files>
    <RequiredPkgs Count="%5">
%6    </RequiredPkgs>
    <UsageOptions>
      <UnitPath Value="$(PkgOutDir)"/>
    </UsageOptions>
    <PublishOptions>
      <Version Value="2"/>
    </PublishOptions>
  </Package>
</CONFIG>
)lpk"_s.arg(xmlEscaped(lazarusPackageName(unit)), file, xmlEscaped(unit),
         xmlEscaped(lazarusIconFileName(unit)), QString::number(required.size()), requiredItems);
}

bool needsPrinter4Lazarus(const ComponentSpec &spec)
{
    const auto ancestor = lclAncestor(spec.Ancestor);
    return ancestor && ancestor->unit.compare(u"PrintersDlgs"_s, Qt::CaseInsensitive) == 0;
}

QList<PackageFile> lazarusPackageFiles(const ComponentSpec &spec, const QStringList &unitLines,
                                       const QByteArray &iconPng)
{
    const QString unit = unitIdentifier(spec.Filename);
    QStringList lines = unitLines;
    lines.append(QString());
    // The palette finds the icon under the class name.
    const QString resource = lazarusResourceText(spec.Classname.toLower(), u"PNG"_s, iconPng);
    return {
        {unit.toLower() + u".pas"_s, sourceFileBytes(lines)},
        {lazarusIconFileName(unit), resource.toUtf8()},
        {lazarusPackageName(unit).toLower() + u".lpk"_s,
         lazarusPackageText(unit, needsPrinter4Lazarus(spec)).toUtf8()},
    };
}
