// SPDX-License-Identifier: MIT
// Prints lines of text the way the Output page prints its source: each line
// from the left edge, a long line broken where the page ends, tabs every eight
// average character widths, a new page when the next line does not fit.
#pragma once

#include <QColor>
#include <QFont>
#include <QStringList>
#include <memory>

class QPagedPaintDevice;
class QTextDocument;

// The lines laid out and paginated for device, in font and color.
std::unique_ptr<QTextDocument> layoutForPrinting(const QStringList &lines, const QFont &font,
                                                 QPagedPaintDevice *device,
                                                 const QColor &color = Qt::black);

// Prints the lines onto device; false when the device reports an error.
bool printLines(const QStringList &lines, const QFont &font, QPagedPaintDevice *device,
                const QColor &color = Qt::black);

// The font used when the Output font is not to be matched.
QFont defaultPrinterFont();
