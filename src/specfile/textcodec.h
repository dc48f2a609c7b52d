// SPDX-License-Identifier: MIT
// Text encoding of the files the program reads and writes: specification
// files, settings files and generated source files.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// UTF-8 when the bytes are valid UTF-8 (a leading byte-order mark is dropped),
// else Windows-1252.
QString decodeText(const QByteArray &bytes);

// Windows-1252 when every character has a code there, else UTF-8; never a
// byte-order mark.
QByteArray encodeText(const QString &text);

// Whether every character of text has a Windows-1252 code.
bool fitsWindows1252(QStringView text);

// Writes the Windows-1252 bytes of text, which must fit, to out; returns the
// end of what it wrote.
char *encodeWindows1252(QStringView text, char *out);

// The bytes of a saved source file. lines are the lines of the Output text,
// the empty line after the last line break included (a built unit's lines
// plus one empty line); each is written followed by CR LF. A line break inside
// a line (a comment of several lines) starts a new line of the file.
QByteArray sourceFileBytes(const QStringList &lines);
