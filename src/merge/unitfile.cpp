// SPDX-License-Identifier: MIT
#include "merge/unitfile.h"

#include "specfile/textcodec.h"

#include <QStringDecoder>

namespace {

const QByteArray kByteOrderMark("\xEF\xBB\xBF");

bool isAscii(const QByteArray &bytes)
{
    for (const char b : bytes) {
        if (static_cast<unsigned char>(b) >= 0x80)
            return false;
    }
    return true;
}

// The line end that ends the most lines; CR LF on a tie with it.
QString dominantLineBreak(QStringView text)
{
    qsizetype crlf = 0, lf = 0, cr = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\n') {
            ++lf;
        } else if (text[i] == u'\r') {
            if (i + 1 < text.size() && text[i + 1] == u'\n') {
                ++crlf;
                ++i;
            } else {
                ++cr;
            }
        }
    }
    if (lf > crlf && lf >= cr)
        return QStringLiteral("\n");
    if (cr > crlf && cr > lf)
        return QStringLiteral("\r");
    return QStringLiteral("\r\n");
}

} // namespace

UnitFile decodeUnitFile(const QByteArray &bytes)
{
    UnitFile file;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = utf8.decode(bytes);
    if (!utf8.hasError() && bytes.startsWith(kByteOrderMark)) {
        file.encoding = UnitFile::Encoding::Utf8WithBom;
        file.text = decoded.startsWith(QChar(0xFEFF)) ? decoded.mid(1) : decoded;
    } else if (!utf8.hasError() && !isAscii(bytes)) {
        file.encoding = UnitFile::Encoding::Utf8;
        file.text = decoded;
    } else {
        file.text = decodeText(bytes);
    }
    file.lineBreak = dominantLineBreak(file.text);
    return file;
}

QByteArray encodeUnitFile(const QString &text, UnitFile::Encoding encoding)
{
    switch (encoding) {
    case UnitFile::Encoding::Utf8WithBom:
        return kByteOrderMark + text.toUtf8();
    case UnitFile::Encoding::Utf8:
        return text.toUtf8();
    case UnitFile::Encoding::Windows1252:
        break;
    }
    return encodeText(text);
}

std::optional<QByteArray> readUnitFileBytes(QFileDevice &file, QString *reason)
{
    const QString tooLarge = QStringLiteral("it is larger than %1 MB, more than any unit; it is not read")
                                 .arg(kMaxUnitFileSize / (1024 * 1024));
    if (file.size() > kMaxUnitFileSize) {
        *reason = tooLarge;
        return std::nullopt;
    }
    // The size again as read: the file may have grown since.
    QByteArray bytes;
    while (true) {
        const QByteArray chunk = file.read(1024 * 1024);
        if (file.error() != QFileDevice::NoError) {
            *reason = file.errorString();
            return std::nullopt;
        }
        if (chunk.isEmpty())
            return bytes;
        bytes += chunk;
        if (bytes.size() > kMaxUnitFileSize) {
            *reason = tooLarge;
            return std::nullopt;
        }
    }
}
