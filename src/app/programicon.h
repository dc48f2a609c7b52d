// SPDX-License-Identifier: MIT
// The program's icon: the pictures the desktop shows for it, compiled in, so
// the window, the about box and the application menu show the same one.
#pragma once

#include <QIcon>
#include <QPixmap>

QPixmap programPixmap(int size);
// The pictures are read when first shown, not when the window is made.
QIcon programIcon();
