// The formatting style a build writes the unit in, as the Style page shows it,
// and the ranges its values keep to wherever they come from (the Style page,
// the settings file, the command line).
#pragma once

#include <QString>

#include <algorithm>

struct StyleRange {
    int min;
    int max;
    int clamp(int value) const { return std::clamp(value, min, max); }
};

inline constexpr StyleRange kIndentRange{0, 20};
inline constexpr StyleRange kBlankLinesRange{0, 9};
inline constexpr StyleRange kSeparatorLengthRange{0, 120};

struct Style {
    int indent = 2;               // spaces of one indentation level
    int blankLines = 2;           // spacer lines before each routine
    int separatorLength = 80;     // repetitions of separatorChar; 0 turns the line off
    QString separatorChar = QStringLiteral("=");   // may be empty, or longer than one character
    bool commentsBefore = false;  // a method's comment goes above its heading

    // The style with each number brought into its range.
    Style withinRanges() const
    {
        Style style = *this;
        style.indent = kIndentRange.clamp(indent);
        style.blankLines = kBlankLinesRange.clamp(blankLines);
        style.separatorLength = kSeparatorLengthRange.clamp(separatorLength);
        return style;
    }
};
