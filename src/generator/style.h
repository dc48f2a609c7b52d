// The formatting style a build writes the unit in, as the Style page shows it,
// and the ranges its values keep to wherever they come from (the Style page,
// the settings file, the command line).
#pragma once

#include <QString>

#include <algorithm>
#include <optional>

struct StyleRange {
    int min;
    int max;
    int clamp(int value) const { return std::clamp(value, min, max); }
};

inline constexpr StyleRange kIndentRange{0, 20};
inline constexpr StyleRange kBlankLinesRange{0, 9};
inline constexpr StyleRange kSeparatorLengthRange{0, 120};

// The class library and compiler a unit is written for.
enum class Target { Delphi2, Lazarus };

// "Delphi 2.0" or "Lazarus": the target as the Style page and the settings file name it.
inline QString targetName(Target target)
{
    return target == Target::Lazarus ? QStringLiteral("Lazarus") : QStringLiteral("Delphi 2.0");
}

// The target a name stands for, without regard to letter case: a target's
// name, or "delphi" or "lazarus" as the command line gives it.
inline std::optional<Target> targetFromName(const QString &name)
{
    const QString folded = name.trimmed().toCaseFolded();
    if (folded == QLatin1String("lazarus"))
        return Target::Lazarus;
    if (folded == QLatin1String("delphi") || folded == QLatin1String("delphi 2.0"))
        return Target::Delphi2;
    return std::nullopt;
}

struct Style {
    int indent = 2;               // spaces of one indentation level
    int blankLines = 2;           // spacer lines before each routine
    int separatorLength = 80;     // repetitions of separatorChar; 0 turns the line off
    QString separatorChar = QStringLiteral("=");   // may be empty, or longer than one character
    bool commentsBefore = false;  // a method's comment goes above its heading
    Target target = Target::Delphi2;

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
