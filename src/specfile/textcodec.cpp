// SPDX-License-Identifier: MIT
#include "specfile/textcodec.h"

#include <QStringDecoder>

#include <array>

namespace {

// Windows-1252 bytes 0x80..0x9F. The five bytes that the code page leaves
// unassigned map to the C1 control of the same value, as the system's own
// conversion does, so that every byte decodes and encodes back unchanged.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// The Windows-1252 byte of c, or -1 when the code page has none.
int windows1252Byte(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (int i = 0; i < int(kHighControls.size()); ++i) {
        if (kHighControls[i] == c)
            return 0x80 + i;
    }
    return -1;
}

QString decodeWindows1252(const QByteArray &bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (const char b : bytes) {
        const auto u = static_cast<unsigned char>(b);
        *out++ = QChar(u >= 0x80 && u < 0xA0 ? kHighControls[u - 0x80] : char16_t(u));
    }
    return text;
}

} // namespace

QString decodeText(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        return decodeWindows1252(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return text;
}

// Whether every character is ASCII; written as a reduction so that it vectorises.
bool isAscii(QStringView text)
{
    const char16_t *p = text.utf16();
    char16_t bits = 0;
    for (qsizetype i = 0; i < text.size(); ++i)
        bits |= p[i];
    return bits < 0x80;
}

bool fitsWindows1252(QStringView text)
{
    if (isAscii(text))
        return true;
    for (const QChar c : text) {
        if (c.unicode() >= 0x80 && windows1252Byte(c.unicode()) < 0)
            return false;
    }
    return true;
}

char *encodeWindows1252(QStringView text, char *out)
{
    const char16_t *p = text.utf16();
    if (isAscii(text)) {
        for (qsizetype i = 0; i < text.size(); ++i)
            out[i] = char(p[i]);
        return out + text.size();
    }
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        *out++ = char(u < 0x80 ? u : windows1252Byte(u));
    }
    return out;
}

QByteArray encodeText(const QString &text)
{
    if (!fitsWindows1252(text))
        return text.toUtf8();
    QByteArray bytes(text.size(), Qt::Uninitialized);
    encodeWindows1252(text, bytes.data());
    return bytes;
}

QByteArray sourceFileBytes(const QStringList &lines)
{
    // The usual case: every line is one line of Windows-1252 text.
    qsizetype size = 0;
    bool plain = true;
    for (const QString &line : lines) {
        size += line.size() + 2;
        if (plain && (!fitsWindows1252(line) || line.contains(u'\n') || line.contains(u'\r')))
            plain = false;
    }
    if (plain) {
        QByteArray bytes(size, Qt::Uninitialized);
        char *out = bytes.data();
        for (const QString &line : lines) {
            out = encodeWindows1252(line, out);
            *out++ = '\r';
            *out++ = '\n';
        }
        return bytes;
    }

    static const QString kCrLf = QStringLiteral("\r\n");
    QString text;
    text.reserve(size);
    for (const QString &line : lines) {
        // A comment of several lines reaches the output as one entry; its breaks
        // (CR LF, LF or CR) become line ends of the file.
        qsizetype start = 0;
        for (qsizetype i = 0; i < line.size(); ++i) {
            const QChar c = line.at(i);
            if (c != u'\r' && c != u'\n')
                continue;
            text += QStringView(line).mid(start, i - start);
            text += kCrLf;
            if (c == u'\r' && i + 1 < line.size() && line.at(i + 1) == u'\n')
                ++i;
            start = i + 1;
        }
        text += QStringView(line).mid(start);
        text += kCrLf;
    }
    return encodeText(text);
}
