// SPDX-License-Identifier: MIT
#include "app/textprinter.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPagedPaintDevice>
#include <QPrinter>
#include <QScreen>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextOption>

namespace {

constexpr qreal kMarginInches = 0.6;

// The resolution QTextDocument lays out in when it has no paint device of its
// own; print() scales from it to the printer's.
qreal layoutDpi()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? qRound(screen->logicalDotsPerInchY()) : 100;
}

} // namespace

QFont defaultPrinterFont()
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSize(10);
    return font;
}

std::unique_ptr<QTextDocument> layoutForPrinting(const QStringList &lines, const QFont &font,
                                                 QPagedPaintDevice *device, const QColor &color)
{
    auto document = std::make_unique<QTextDocument>();
    document->setDefaultFont(font);
    QTextOption option = document->defaultTextOption();
    option.setWrapMode(QTextOption::WrapAnywhere);
    option.setTabStopDistance(8 * QFontMetricsF(font).averageCharWidth());
    document->setDefaultTextOption(option);
    const qreal dpi = layoutDpi();
    document->setDocumentMargin(kMarginInches * dpi);
    // The page in layout units: print() scales it back onto the device's page.
    document->setPageSize(QSizeF(device->width() * dpi / device->logicalDpiX(),
                                 device->height() * dpi / device->logicalDpiY()));
    document->setPlainText(lines.join(QLatin1Char('\n')));
    if (color != QColor(Qt::black)) {
        QTextCursor all(document.get());
        all.select(QTextCursor::Document);
        QTextCharFormat format;
        format.setForeground(color);
        all.mergeCharFormat(format);
    }
    document->pageCount();   // lays the whole text out now
    return document;
}

bool printLines(const QStringList &lines, const QFont &font, QPagedPaintDevice *device,
                const QColor &color)
{
    const std::unique_ptr<QTextDocument> document = layoutForPrinting(lines, font, device, color);
    document->print(device);
    if (auto *printer = dynamic_cast<QPrinter *>(device))
        return printer->printerState() != QPrinter::Error;
    return true;
}
