#include <gtest/gtest.h>

#include <QSet>

#include "generator/style.h"

// A row copied for a new option and not fully edited would read, write or
// show another option's value: each name is unique in its column.
TEST(StyleOptions, EachNameIsUniqueInItsColumn)
{
    QSet<QString> keys;
    QSet<QString> options;
    QSet<QString> controls;
    for (const StyleOption &option : kStyleOptions) {
        EXPECT_FALSE(keys.contains(QLatin1StringView(option.key))) << option.key;
        EXPECT_FALSE(options.contains(QLatin1StringView(option.option))) << option.option;
        EXPECT_FALSE(controls.contains(QLatin1StringView(option.control))) << option.control;
        keys.insert(QLatin1StringView(option.key));
        options.insert(QLatin1StringView(option.option));
        controls.insert(QLatin1StringView(option.control));
    }
}

TEST(StyleOptions, NumbersAreKeptToTheirRowsRanges)
{
    const Style low = Style{-1, -1, -1, QString(), false}.withinRanges();
    const Style high = Style{21, 10, 121, QString(), false}.withinRanges();
    EXPECT_EQ(low.indent, 0);
    EXPECT_EQ(high.indent, 20);
    EXPECT_EQ(low.blankLines, 0);
    EXPECT_EQ(high.blankLines, 9);
    EXPECT_EQ(low.separatorLength, 0);
    EXPECT_EQ(high.separatorLength, 120);
    const Style inside = Style{20, 9, 120, QString(), false}.withinRanges();
    EXPECT_EQ(inside.indent, 20);
    EXPECT_EQ(inside.blankLines, 9);
    EXPECT_EQ(inside.separatorLength, 120);
}

TEST(StyleOptions, SwitchesAndTextsGoThroughTheirMembers)
{
    Style style;
    setStyleNumber(style, styleOption("commentsbefore"), 2);
    EXPECT_TRUE(style.commentsBefore);
    EXPECT_EQ(styleText(style, styleOption("commentsbefore")), QStringLiteral("1"));
    setStyleText(style, styleOption("linechar"), QStringLiteral("~*"));
    EXPECT_EQ(style.separatorChar, QStringLiteral("~*"));
}

// A choice is kept as the index of its name; the indent stands in for an
// enumeration member here.
TEST(StyleOptions, ChoicesAreReadByNameInAnyLetterCase)
{
    static constexpr const char *kNames[] = {"first", "second"};
    const StyleOption choice{"k", "o", "c", "Caption", "description",
                             StyleChoice{[](const Style &s) { return s.indent; },
                                         [](Style &s, int value) { s.indent = value; }},
                             {}, kNames};
    Style style;
    setStyleText(style, choice, QStringLiteral(" SECOND "));
    EXPECT_EQ(style.indent, 1);
    EXPECT_EQ(styleText(style, choice), QStringLiteral("second"));
    setStyleText(style, choice, QStringLiteral("third"));
    EXPECT_EQ(style.indent, 1) << "an unknown name changes nothing";
    setStyleNumber(style, choice, 2);
    EXPECT_EQ(style.indent, 1) << "nor does an index past the names";
    EXPECT_EQ(choiceIndex(choice, u"First"), 0);
}
