// SPDX-License-Identifier: MIT
// The 24 x 24 palette icon a Lazarus package gets when the user picks no
// image of their own, drawn and encoded as PNG without a graphics library.
#pragma once

#include <QByteArray>
#include <QList>

inline constexpr int kPaletteIconSize = 24;

// The default icon: a framed panel with a dial on it, as PNG bytes.
QByteArray defaultPaletteIconPng();

// width x height pixels, row by row, each 0xAARRGGBB, as a PNG file of
// 8-bit RGBA; empty when the pixel count does not match.
QByteArray encodePng(int width, int height, const QList<quint32> &pixels);
