// A unit file as an update reads and writes it: its text, and the encoding
// and line ends it came in, so that writing the merged text back changes no
// byte the merge did not change.
#pragma once

#include <QByteArray>
#include <QString>

struct UnitFile {
    enum class Encoding { Windows1252, Utf8, Utf8WithBom };

    QString text;
    Encoding encoding = Encoding::Windows1252;
    QString lineBreak = QStringLiteral("\r\n");   // "\n" for a file without CR LF
};

// UTF-8 (with or without a byte-order mark) when the bytes are valid UTF-8
// beyond ASCII, else Windows-1252.
UnitFile decodeUnitFile(const QByteArray &bytes);

// The bytes of text in encoding; Windows-1252 text that does not fit the
// code page is written as UTF-8.
QByteArray encodeUnitFile(const QString &text, UnitFile::Encoding encoding);
