// SPDX-License-Identifier: MIT
// The formatting style a build writes the unit in, and the table of its
// options: each row says how the settings file, the command line and the
// Style page name one member and what values it takes. Reading and writing
// the settings, the command line's options and help, and the Style page
// iterate the table, so a new option is a member and a row.
#pragma once

#include <QString>

#include <algorithm>
#include <span>
#include <type_traits>
#include <utility>
#include <variant>

// The class library and compiler a unit is written for.
enum class Target { Delphi2, Lazarus };

struct Style {
    int indent = 2;               // spaces of one indentation level
    int blankLines = 2;           // spacer lines before each routine
    int separatorLength = 80;     // repetitions of separatorChar; 0 turns the line off
    QString separatorChar = QStringLiteral("=");   // may be empty, or longer than one character
    bool commentsBefore = false;  // a method's comment goes above its heading
    Target target = Target::Delphi2;
    // Access methods read and write their fields, owned objects are created
    // and freed, overrides and user message handlers call inherited, notify
    // events get a dispatch method; off, every routine is an empty skeleton.
    bool workingBodies = false;

    // The style with each number brought into its row's range.
    Style withinRanges() const;
};

struct StyleRange {
    int min;
    int max;
    int clamp(int value) const { return std::clamp(value, min, max); }
};

// An enumeration member, reached through its value as an int.
struct StyleChoice {
    int (*get)(const Style &);
    void (*set)(Style &, int);
};
template <auto member>
constexpr StyleChoice styleChoice()
{
    using Enum = std::remove_cvref_t<decltype(std::declval<Style &>().*member)>;
    return {[](const Style &style) { return int(style.*member); },
            [](Style &style, int value) { style.*member = Enum(value); }};
}

struct StyleOption {
    enum class Kind { Number, Switch, Text, Choice };

    const char *key;           // settings file key
    const char *option;        // command-line option, without "--"
    const char *control;       // objectName of the Style page's control
    const char *caption;       // the Style page's text for the control
    const char *description;   // the command line's help for the option
    std::variant<int Style::*, bool Style::*, QString Style::*, StyleChoice> member;
    StyleRange range{0, 0};                   // Number: the values kept to
    std::span<const char *const> choices{};   // Choice: the names of the values 0, 1, ...
    bool afterLook = false;    // the settings file writes it after the Output look's keys
    bool last = false;         // the settings file writes it after the window's own keys
    std::span<const char *const> optionChoices{};   // Choice: the command line's names

    Kind kind() const { return Kind(member.index()); }
};

inline constexpr const char *kTargetNames[] = {"Delphi 2.0", "Lazarus"};
inline constexpr const char *kTargetOptionNames[] = {"delphi", "lazarus"};

// In the order the settings file writes them (those before the Output look's
// keys, then those after it), which is also the order of the command line's help.
inline const StyleOption kStyleOptions[] = {
    {"linebreak", "blank-lines", "linebreak", "Separate Functions and Procedures by ",
     "blank lines before each routine", &Style::blankLines, {0, 9}},
    {"commentsbefore", "comments-before", "placebefore",
     "Place source comments before declaration", "put method comments above their headings",
     &Style::commentsBefore},
    {"indent", "indent", "indent", "Spaces to indent:", "spaces per indentation level",
     &Style::indent, {0, 20}},
    {"numchars", "separator-length", "numchars",
     "Separate Functions and Procedures with line of ", "characters of the separator line",
     &Style::separatorLength, {0, 120}, {}, true},
    {"linechar", "separator-char", "charcombo", "characters",
     "character of the separator line, may be empty", &Style::separatorChar, {}, {}, true},
    {"Target", "target", "targetcombo", "Write the unit for:",
     "the class library the unit is for, Delphi 2.0 or the Lazarus LCL",
     styleChoice<&Style::target>(), {}, kTargetNames, false, true, kTargetOptionNames},
    {"workingbodies", "working-bodies", "workingbodies",
     "Write working access methods and calls to inherited",
     "write access methods that use their fields, owned objects and calls to inherited",
     &Style::workingBodies, {}, {}, false, true},
};

const StyleOption &styleOption(const char *key);

// Numbers, switches (0 or 1) and choices (the index of the name) as an int;
// setting one brings it into range (a choice out of range is ignored).
int styleNumber(const Style &style, const StyleOption &option);
void setStyleNumber(Style &style, const StyleOption &option, int value);
QString styleText(const Style &style, const StyleOption &option);
void setStyleText(Style &style, const StyleOption &option, const QString &text);

// A choice's name as the settings file and the command line spell it, in any
// letter case, and back.
int choiceIndex(const StyleOption &option, QStringView name);   // -1: none of them
QString choiceName(const StyleOption &option, int index);
