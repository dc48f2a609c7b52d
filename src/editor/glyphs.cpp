// SPDX-License-Identifier: MIT
#include "editor/glyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

// Drawn on a grid of 16 units, at twice the size, so it stays sharp when
// scaled down to the button's icon size.
constexpr int kScale = 2;

void arrowHead(QPainter &p, QPointF tip, QPointF a, QPointF b, const QColor &colour)
{
    QPainterPath head;
    head.moveTo(tip);
    head.lineTo(a);
    head.lineTo(b);
    head.closeSubpath();
    p.fillPath(head, colour);
}

void folder(QPainter &p, bool open)
{
    const QColor edge(140, 100, 20);
    p.setPen(QPen(edge, 0.8));
    p.setBrush(QColor(230, 180, 60));
    QPainterPath back;
    back.moveTo(1.5, 3.5);
    back.lineTo(6, 3.5);
    back.lineTo(7.5, 5);
    back.lineTo(14.5, 5);
    back.lineTo(14.5, 13.5);
    back.lineTo(1.5, 13.5);
    back.closeSubpath();
    p.drawPath(back);
    if (open) {
        p.setBrush(QColor(250, 215, 110));
        QPainterPath flap;
        flap.moveTo(1.5, 13.5);
        flap.lineTo(4, 7.5);
        flap.lineTo(15.5, 7.5);
        flap.lineTo(13.5, 13.5);
        flap.closeSubpath();
        p.drawPath(flap);
    }
}

void draw(QPainter &p, Glyph glyph)
{
    switch (glyph) {
    case Glyph::Exit: {
        // A door left open, and the way out.
        p.setPen(QPen(QColor(90, 50, 20), 0.8));
        p.setBrush(QColor(170, 110, 60));
        p.drawRect(QRectF(2.5, 1.5, 7, 13));
        p.setBrush(QColor(200, 150, 90));
        p.drawPolygon(QPolygonF({{2.5, 1.5}, {6.5, 3}, {6.5, 15.5}, {2.5, 14.5}}));
        const QColor green(0, 140, 40);
        p.setPen(QPen(green, 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(8.5, 8), QPointF(12.5, 8));
        arrowHead(p, {15.5, 8}, {12, 4.5}, {12, 11.5}, green);
        break;
    }
    case Glyph::Open:
        folder(p, true);
        break;
    case Glyph::Build: {
        // A sheet of source and the spark that makes it.
        p.setPen(QPen(Qt::black, 0.8));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(2.5, 1.5, 9, 13));
        p.setPen(QPen(QColor(40, 70, 140), 1.2));
        for (const qreal y : {4.5, 7.0, 9.5, 12.0})
            p.drawLine(QPointF(4.5, y), QPointF(y < 8 ? 9.5 : 8, y));
        p.setPen(QPen(QColor(120, 70, 0), 0.6));
        p.setBrush(QColor(245, 160, 30));
        p.drawPolygon(QPolygonF({{12.5, 6}, {13.4, 8.6}, {16, 9}, {14, 10.6}, {14.6, 13.4},
                                 {12.5, 11.8}, {10.4, 13.4}, {11, 10.6}, {9, 9}, {11.6, 8.6}}));
        break;
    }
    case Glyph::Save:
        // A diskette.
        p.setPen(QPen(QColor(10, 30, 80), 0.8));
        p.setBrush(QColor(40, 70, 150));
        p.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 1, 1);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4, 1.5, 8, 5));
        p.setBrush(QColor(190, 190, 190));
        p.drawRect(QRectF(4.5, 9.5, 7, 5));
        p.fillRect(QRectF(9, 2.5, 1.6, 3), QColor(40, 70, 150));
        break;
    case Glyph::Help: {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(30, 90, 190));
        p.drawEllipse(QRectF(1, 1, 14, 14));
        // The question mark as strokes, not as text: no font is needed.
        p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        QPainterPath hook;
        hook.moveTo(5.5, 6);
        hook.cubicTo(5.5, 3, 10.5, 3, 10.5, 6);
        hook.cubicTo(10.5, 8, 8, 8, 8, 10);
        p.drawPath(hook);
        p.drawPoint(QPointF(8, 12.6));
        break;
    }
    case Glyph::Ok:
        p.setPen(QPen(QColor(0, 150, 40), 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF({{2.5, 8.5}, {6.5, 12.5}, {13.5, 3.5}}));
        break;
    case Glyph::Cancel:
        p.setPen(QPen(QColor(200, 20, 20), 2.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(3.5, 3.5), QPointF(12.5, 12.5));
        p.drawLine(QPointF(12.5, 3.5), QPointF(3.5, 12.5));
        break;
    case Glyph::FolderOpen:
        folder(p, true);
        break;
    case Glyph::FolderClosed:
        folder(p, false);
        break;
    case Glyph::Comment: {
        // A note with lines of text and a pencil.
        p.setPen(QPen(Qt::black, 0.8));
        p.setBrush(QColor(255, 250, 200));
        p.drawRect(QRectF(1.5, 1.5, 10, 13));
        p.setPen(QPen(QColor(90, 90, 90), 1));
        for (const qreal y : {4.5, 7.0, 9.5})
            p.drawLine(QPointF(3.5, y), QPointF(9.5, y));
        p.setPen(QPen(QColor(60, 60, 60), 0.6));
        p.setBrush(QColor(240, 170, 40));
        p.drawPolygon(QPolygonF({{14.5, 5}, {15.8, 6.3}, {9.3, 12.8}, {8, 11.5}}));
        p.setBrush(Qt::black);
        p.drawPolygon(QPolygonF({{8, 11.5}, {9.3, 12.8}, {7.3, 13.5}}));
        break;
    }
    }
}

} // namespace

QIcon glyphIcon(Glyph glyph)
{
    QPixmap pixmap(16 * kScale, 16 * kScale);
    pixmap.fill(Qt::transparent);
    {
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(kScale, kScale);
        draw(p, glyph);
    }
    return QIcon(pixmap);
}
