// SPDX-License-Identifier: MIT
#include "app/statusline.h"

namespace {
constexpr int kHeight = 25;
}

StatusLine::StatusLine(QWidget *parent)
    : QLabel(parent)
{
    setObjectName(QStringLiteral("Panel1"));
    setFixedHeight(kHeight);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setIndent(4);
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setMinimumWidth(1);
    QFont bold = font();
    bold.setBold(true);
    setFont(bold);
}

QSize StatusLine::sizeHint() const
{
    return {minimumWidth(), kHeight};
}

QSize StatusLine::minimumSizeHint() const
{
    return sizeHint();
}
