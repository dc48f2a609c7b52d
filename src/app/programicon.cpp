#include "app/programicon.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

QPixmap programPixmap(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    // A navy tile with a "U" and an orange spark: a unit being forged.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 128));
    p.drawRoundedRect(QRectF(0.5, 0.5, s - 1, s - 1), s * 0.18, s * 0.18);
    QFont font(QStringLiteral("Liberation Serif"));
    font.setPixelSize(int(s * 0.72));
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(0, s * 0.06, s * 0.86, s), Qt::AlignCenter, QStringLiteral("U"));
    QPainterPath spark;
    spark.moveTo(s * 0.78, s * 0.08);
    spark.lineTo(s * 0.86, s * 0.26);
    spark.lineTo(s * 0.96, s * 0.30);
    spark.lineTo(s * 0.86, s * 0.36);
    spark.lineTo(s * 0.80, s * 0.52);
    spark.lineTo(s * 0.74, s * 0.36);
    spark.lineTo(s * 0.62, s * 0.30);
    spark.lineTo(s * 0.74, s * 0.25);
    spark.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 160, 0));
    p.drawPath(spark);
    return pixmap;
}

QIcon programIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64})
        icon.addPixmap(programPixmap(size));
    return icon;
}
