// SPDX-License-Identifier: MIT
#include "app/aboutform.h"

#include "app/programicon.h"

#include <QPainter>
#include <QPushButton>

TAboutform::TAboutform(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("Aboutform"));
    setWindowTitle(QStringLiteral("About Unitforge"));
    setFixedSize(328, 229);

    OKButton = new QPushButton(QStringLiteral("&Ok"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    QFont bold = OKButton->font();
    bold.setBold(true);
    OKButton->setFont(bold);
    OKButton->setGeometry(265, 2, 46, 24);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
}

void TAboutform::paintEvent(QPaintEvent *event)
{
    QDialog::paintEvent(event);
    QPainter p(this);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.drawPixmap(8, 8, programPixmap(32));

    QFont title(QStringLiteral("MS Sans Serif"));
    title.setPixelSize(24);
    title.setBold(true);
    title.setItalic(true);
    p.setFont(title);
    const QFontMetrics titleMetrics(title);
    // The name twice: a grey shadow, then maroon on top, one pixel up and two left.
    p.setPen(Qt::gray);
    p.drawText(55, 33 + titleMetrics.ascent(), QStringLiteral("Unitforge"));
    p.setPen(QColor(128, 0, 0));
    p.drawText(53, 32 + titleMetrics.ascent(), QStringLiteral("Unitforge"));

    QFont version(QStringLiteral("MS Sans Serif"));
    version.setPixelSize(16);
    version.setBold(true);
    version.setItalic(true);
    p.setFont(version);
    p.setPen(QColor(0, 0, 128));
    p.drawText(55, 32 + titleMetrics.height() + 12 + QFontMetrics(version).ascent(),
               QStringLiteral("Version 2.31 (32 bit edition)"));
}
