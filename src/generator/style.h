// The formatting style a build writes the unit in, as the Style page shows it.
#pragma once

#include <QString>

struct Style {
    int indent = 2;               // spaces of one indentation level, 0..20
    int blankLines = 2;           // spacer lines before each routine, 0..9
    int separatorLength = 80;     // repetitions of separatorChar; 0 turns the line off
    QString separatorChar = QStringLiteral("=");   // may be empty, or longer than one character
    bool commentsBefore = false;  // a method's comment goes above its heading
};
