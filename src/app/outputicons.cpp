// SPDX-License-Identifier: MIT
#include "app/outputicons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

void drawPage(QPainter &p, const QRectF &r)
{
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawRect(r);
}

void drawMagnifier(QPainter &p, QPointF centre, qreal radius)
{
    p.setPen(QPen(Qt::black, 1.5));
    p.setBrush(QColor(200, 230, 255));
    p.drawEllipse(centre, radius, radius);
    p.setPen(QPen(QColor(120, 60, 0), 2.5, Qt::SolidLine, Qt::RoundCap));
    const qreal d = radius * 0.72;
    p.drawLine(centre + QPointF(d, d), centre + QPointF(d + 4, d + 4));
}

void drawArrowHead(QPainter &p, QPointF tip, QPointF a, QPointF b)
{
    QPainterPath head;
    head.moveTo(tip);
    head.lineTo(a);
    head.lineTo(b);
    head.closeSubpath();
    p.fillPath(head, p.pen().color());
}

} // namespace

QIcon outputToolIcon(OutputTool tool)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    switch (tool) {
    case OutputTool::Print:
        drawPage(p, QRectF(4.5, 1.5, 7, 6));
        p.setBrush(QColor(160, 160, 160));
        p.drawRoundedRect(QRectF(1.5, 6.5, 13, 6), 1, 1);
        drawPage(p, QRectF(4.5, 10.5, 7, 4));
        break;
    case OutputTool::Find:
        drawMagnifier(p, QPointF(6.5, 6.5), 4.5);
        break;
    case OutputTool::Replace:
        drawMagnifier(p, QPointF(5, 5), 3.5);
        p.setPen(QPen(Qt::darkBlue, 1.5));
        p.drawLine(QPointF(9, 12), QPointF(15, 12));
        p.drawLine(QPointF(9, 15), QPointF(15, 15));
        break;
    case OutputTool::Undo: {
        p.setPen(QPen(Qt::darkBlue, 2, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(3, 4, 10, 9), 180 * 16, -200 * 16);
        drawArrowHead(p, QPointF(1, 8), QPointF(6, 8), QPointF(3.5, 4));
        break;
    }
    case OutputTool::Erase:
        p.setPen(QPen(Qt::red, 2.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(3, 3), QPointF(13, 13));
        p.drawLine(QPointF(13, 3), QPointF(3, 13));
        break;
    case OutputTool::Cut:
        p.setPen(QPen(Qt::black, 1.5));
        p.drawLine(QPointF(5, 1), QPointF(10, 10));
        p.drawLine(QPointF(11, 1), QPointF(6, 10));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(4.5, 12.5), 2.5, 2.5);
        p.drawEllipse(QPointF(11.5, 12.5), 2.5, 2.5);
        break;
    case OutputTool::Copy:
        drawPage(p, QRectF(1.5, 1.5, 8, 10));
        drawPage(p, QRectF(6.5, 4.5, 8, 10));
        break;
    case OutputTool::Paste:
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(QColor(170, 120, 60));
        p.drawRoundedRect(QRectF(1.5, 2.5, 10, 12), 1, 1);
        p.setBrush(QColor(200, 200, 200));
        p.drawRect(QRectF(4.5, 1.5, 4, 2));
        drawPage(p, QRectF(7.5, 6.5, 7, 8));
        break;
    case OutputTool::Font: {
        // A bold serif "A", drawn as strokes: a font for it would be one more
        // to load at start-up.
        p.setPen(QPen(Qt::black, 2.2, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        p.drawPolyline(QPolygonF({{3, 14}, {8, 2}, {13, 14}}));
        p.setPen(QPen(Qt::black, 1.6));
        p.drawLine(QPointF(5, 10), QPointF(11, 10));
        p.setPen(QPen(Qt::black, 1.2));
        p.drawLine(QPointF(1.5, 14.5), QPointF(5, 14.5));
        p.drawLine(QPointF(11, 14.5), QPointF(14.5, 14.5));
        break;
    }
    case OutputTool::Brush: {
        const QColor colours[4] = {Qt::red, QColor(0, 160, 0), Qt::blue, Qt::yellow};
        for (int i = 0; i < 4; ++i)
            p.fillRect(QRectF(2 + (i % 2) * 6, 2 + (i / 2) * 6, 6, 6), colours[i]);
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(1.5, 1.5, 12, 12));
        break;
    }
    case OutputTool::Wordwrap:
        p.setPen(QPen(Qt::black, 1.5));
        p.drawLine(QPointF(1, 3), QPointF(14, 3));
        p.drawLine(QPointF(1, 7), QPointF(12, 7));
        p.drawLine(QPointF(1, 12), QPointF(6, 12));
        p.setPen(QPen(Qt::darkBlue, 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(8, 7, 6, 5), 90 * 16, -180 * 16);
        drawArrowHead(p, QPointF(7, 12), QPointF(10, 9.5), QPointF(10, 14.5));
        break;
    }
    return QIcon(pixmap);
}
