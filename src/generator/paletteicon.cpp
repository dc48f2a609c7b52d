// SPDX-License-Identifier: MIT
#include "generator/paletteicon.h"

#include <QtEndian>

#include <array>
#include <cmath>

namespace {

quint32 crc32(const QByteArray &bytes)
{
    static const std::array<quint32, 256> table = [] {
        std::array<quint32, 256> t{};
        for (quint32 n = 0; n < 256; ++n) {
            quint32 c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    quint32 c = 0xFFFFFFFFu;
    for (const char byte : bytes)
        c = table[(c ^ quint8(byte)) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

void appendBigEndian(QByteArray &out, quint32 value)
{
    char bytes[4];
    qToBigEndian(value, bytes);
    out.append(bytes, 4);
}

void appendChunk(QByteArray &png, const char *type, const QByteArray &data)
{
    appendBigEndian(png, quint32(data.size()));
    QByteArray typed(type, 4);
    typed.append(data);
    png.append(typed);
    appendBigEndian(png, crc32(typed));
}

} // namespace

QByteArray encodePng(int width, int height, const QList<quint32> &pixels)
{
    if (width <= 0 || height <= 0 || pixels.size() != qsizetype(width) * height)
        return {};
    QByteArray header;
    appendBigEndian(header, quint32(width));
    appendBigEndian(header, quint32(height));
    header.append("\x08\x06\x00\x00\x00", 5);   // 8 bits, RGBA, deflate, no filter, no interlace

    QByteArray raw;
    raw.reserve(height * (1 + 4 * width));
    for (int y = 0; y < height; ++y) {
        raw.append('\0');   // filter type None
        for (int x = 0; x < width; ++x) {
            const quint32 argb = pixels.at(qsizetype(y) * width + x);
            raw.append(char((argb >> 16) & 0xFF));
            raw.append(char((argb >> 8) & 0xFF));
            raw.append(char(argb & 0xFF));
            raw.append(char(argb >> 24));
        }
    }
    // qCompress puts the length before the zlib stream that PNG wants.
    const QByteArray deflated = qCompress(raw, 9).mid(4);

    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    appendChunk(png, "IHDR", header);
    appendChunk(png, "IDAT", deflated);
    appendChunk(png, "IEND", QByteArray());
    return png;
}

QByteArray defaultPaletteIconPng()
{
    constexpr int n = kPaletteIconSize;
    constexpr quint32 frame = 0xFF404850u;
    constexpr quint32 face = 0xFFE4ECF4u;
    constexpr quint32 scale = 0xFF8090A0u;
    constexpr quint32 needle = 0xFF2060C0u;
    constexpr quint32 hub = 0xFFC03030u;
    QList<quint32> pixels(n * n, 0u);
    const double cx = 11.5;
    const double cy = 16.0;
    for (int y = 1; y < n - 1; ++y) {
        for (int x = 1; x < n - 1; ++x) {
            const bool edge = x == 1 || y == 1 || x == n - 2 || y == n - 2;
            quint32 colour = edge ? frame : face;
            const double dx = x - cx;
            const double dy = y - cy;
            const double r = std::hypot(dx, dy);
            // The dial's scale: an upper half ring.
            if (!edge && dy <= 0.5 && r >= 8.0 && r < 9.2)
                colour = scale;
            // The needle from the hub up and to the right.
            const double along = (dx * 0.6 - dy * 0.8);
            const double across = std::abs(dx * 0.8 + dy * 0.6);
            if (!edge && along >= 0 && along <= 8.0 && across < 0.8)
                colour = needle;
            if (!edge && r < 1.8)
                colour = hub;
            pixels[y * n + x] = colour;
        }
    }
    return encodePng(n, n, pixels);
}
