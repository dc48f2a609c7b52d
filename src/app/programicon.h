// The program's icon, drawn rather than shipped as a file.
#pragma once

#include <QIcon>
#include <QPixmap>

QPixmap programPixmap(int size);
QIcon programIcon();
