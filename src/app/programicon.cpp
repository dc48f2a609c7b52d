// SPDX-License-Identifier: MIT
#include "app/programicon.h"

namespace {
const int kSizes[] = {16, 24, 32, 48, 64};
}

QPixmap programPixmap(int size)
{
    return programIcon().pixmap(size, size);
}

QIcon programIcon()
{
    QIcon icon;
    for (const int size : kSizes)
        icon.addFile(QStringLiteral(":/icons/unitforge-%1.png").arg(size), QSize(size, size));
    return icon;
}
