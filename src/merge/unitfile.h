// SPDX-License-Identifier: MIT
// A unit file as an update reads and writes it: its text, and the encoding
// and line ends it came in, so that writing the merged text back changes no
// byte the merge did not change.
#pragma once

#include <QByteArray>
#include <QFileDevice>
#include <QString>

#include <optional>

struct UnitFile {
    enum class Encoding { Windows1252, Utf8, Utf8WithBom };

    QString text;
    Encoding encoding = Encoding::Windows1252;
    // The line end most lines of the file end with, which new lines get:
    // CR LF, LF or CR; CR LF for a file of one line.
    QString lineBreak = QStringLiteral("\r\n");
};

// UTF-8 (with or without a byte-order mark) when the bytes are valid UTF-8
// beyond ASCII, else Windows-1252.
UnitFile decodeUnitFile(const QByteArray &bytes);

// The bytes of text in encoding; Windows-1252 text that does not fit the
// code page is written as UTF-8 (an update refuses such text first).
QByteArray encodeUnitFile(const QString &text, UnitFile::Encoding encoding);

// No unit comes near this size; a larger file is refused before it is read.
inline constexpr qint64 kMaxUnitFileSize = 64 * 1024 * 1024;

// The bytes of an open unit file, read only up to kMaxUnitFileSize; nothing,
// with why in *reason, for a larger file or a failed read.
std::optional<QByteArray> readUnitFileBytes(QFileDevice &file, QString *reason);
