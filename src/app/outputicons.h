// SPDX-License-Identifier: MIT
// The pictures of the Output page's toolbar buttons, drawn at run time.
#pragma once

#include <QIcon>

enum class OutputTool { Print, Find, Replace, Undo, Erase, Cut, Copy, Paste, Font, Brush, Wordwrap };

QIcon outputToolIcon(OutputTool tool);
