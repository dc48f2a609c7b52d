// SPDX-License-Identifier: MIT
// The pictures of the window's glyph buttons and of the directory list,
// drawn by the program itself: asking the style for its standard icons
// would load the desktop's icon theme at start-up, which is slow.
#pragma once

#include <QIcon>

enum class Glyph { Exit, Open, Build, Save, Help, Ok, Cancel, FolderOpen, FolderClosed, Comment };

QIcon glyphIcon(Glyph glyph);
