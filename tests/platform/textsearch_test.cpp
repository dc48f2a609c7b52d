#include <gtest/gtest.h>

#include "platform/textsearch.h"
#include "rowname.h"

namespace {

struct SearchCase {
    const char *name;
    QString text;
    int selStart;
    int selLength;
    QString pattern;
    SearchOptions options;
    int expected;   // -1: no match
};
UF_ROW_NAME(SearchCase)

constexpr SearchOptions kDown{true, false, false};
constexpr SearchOptions kUp{false, false, false};
constexpr SearchOptions kDownCase{true, true, false};
constexpr SearchOptions kUpCase{false, true, false};
constexpr SearchOptions kDownWord{true, false, true};
constexpr SearchOptions kUpWord{false, false, true};

const QString kUnit = QStringLiteral("unit Unit1;\r\ninterface\r\nbegin\r\nend;\r\nend.");

class Search : public testing::TestWithParam<SearchCase>
{
};

TEST_P(Search, FindsTheExpectedPosition)
{
    const SearchCase &c = GetParam();
    const std::optional<int> match = findText(c.text, c.selStart, c.selLength, c.pattern, c.options);
    EXPECT_EQ(match.value_or(-1), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, Search,
    testing::Values(
        SearchCase{"DownFindsEndDotAtTheEnd", kUnit, 0, 0, "end.", kDown, int(kUnit.size()) - 4},
        SearchCase{"UpFindsFirstWordAtZero", kUnit, int(kUnit.size()), 0, "unit", kUpWord, 0},
        SearchCase{"UpWithMatchCaseFindsFirstWord", kUnit, int(kUnit.size()), 0, "unit", kUpCase, 0},
        SearchCase{"UpIgnoringCaseFindsTheNearerOne", kUnit, int(kUnit.size()), 0, "unit", kUp, 5},
        SearchCase{"DownFromLastOccurrenceDoesNotWrap", "ab ab", 3, 2, "ab", kDown, -1},
        SearchCase{"UpFromFirstOccurrenceDoesNotWrap", "ab ab", 0, 2, "ab", kUp, -1},
        SearchCase{"DownStartsAfterTheSelection", "abab", 0, 1, "ab", kDown, 2},
        SearchCase{"DownFromSelectedOccurrenceFindsNext", "abab", 0, 2, "ab", kDown, 2},
        SearchCase{"UpStartsPatternLengthBeforeSelection", "abab", 3, 0, "ab", kUp, 0},
        SearchCase{"UpOverlapping", "aaa", 3, 0, "aa", kUp, 1},
        SearchCase{"UpFromTooNearTheStart", "abc", 1, 0, "ab", kUp, -1},
        SearchCase{"EmptyPattern", "abc", 0, 0, "", kDown, -1},
        SearchCase{"EmptyText", "", 0, 0, "a", kDown, -1},
        SearchCase{"PatternLongerThanText", "ab", 0, 0, "abc", kDown, -1},
        SearchCase{"IgnoringCaseBeginFindsLowerCase", "x begin", 0, 0, "BEGIN", kDown, 2},
        SearchCase{"MatchCaseBeginDoesNotFindLowerCase", "x begin", 0, 0, "BEGIN", kDownCase, -1},
        SearchCase{"IgnoringCaseMapsAccentedLetters", "x \u00e4rger", 0, 0, "\u00c4RGER", kDown, 2},
        SearchCase{"SharpSIsNotExpanded", "stra\u00dfe", 0, 0, "STRASSE", kDown, -1},
        SearchCase{"WholeWordSkipsFCountAndCount2", "FCount Count2 Count;", 0, 0, "Count", kDownWord, 14},
        SearchCase{"WholeWordMatchesAtTheEnd", "FCount Count", 0, 0, "Count", kDownWord, 7},
        SearchCase{"WholeWordUnderscoreDelimits", "My_Count", 0, 0, "Count", kDownWord, 3},
        SearchCase{"WholeWordAtWordStartBeginsWithNextWord", "Count Count", 0, 0, "Count", kDownWord, 6},
        SearchCase{"PlainSearchAtWordStartFindsIt", "Count Count", 0, 0, "Count", kDown, 0},
        SearchCase{"WholeWordSoleWordAtInsertionPoint", "Count", 0, 0, "Count", kDownWord, -1},
        SearchCase{"WholeWordFromInsideAWord", "Count Count", 2, 0, "Count", kDownWord, 6},
        SearchCase{"WholeWordNeedsDelimiterAfter", "x end.y", 0, 0, "end.", kDownWord, -1},
        SearchCase{"WholeWordPatternEndingInDelimiter", "x end. y", 0, 0, "end.", kDownWord, 2},
        SearchCase{"WholeWordUpMovesToStartOfWord", "Count FCount", 12, 0, "Count", kUpWord, 0},
        SearchCase{"WholeWordUpSkipsLongerWord", "Countx", 6, 0, "Count", kUpWord, -1},
        SearchCase{"WholeWordUpFromDelimiters", "Count ;; ", 9, 0, "Count", kUpWord, 0},
        SearchCase{"WholeWordTrailingDelimitersRunOut", "x ;;;", 0, 0, "x", kDownWord, -1},
        SearchCase{"WholeWordIgnoresCase", "x count;", 0, 0, "COUNT", kDownWord, 2},
        SearchCase{"WholeWordMatchCase", "x count Count", 0, 0, "Count", {true, true, true}, 8}),
    [](const testing::TestParamInfo<SearchCase> &info) { return std::string(info.param.name); });

TEST(ReplaceAllPositions, ResumesAfterEachOccurrenceAndKeepsThoseBeforeTheSelection)
{
    const QString text = QStringLiteral("Count x Count y Count");
    EXPECT_EQ(replaceAllPositions(text, 0, 0, QStringLiteral("Count"), kDown), (QList<int>{0, 8, 16}));
    EXPECT_EQ(replaceAllPositions(text, 6, 0, QStringLiteral("Count"), kDown), (QList<int>{8, 16}));
    EXPECT_EQ(replaceAllPositions(text, 0, 0, QStringLiteral("Count"), kDownWord), (QList<int>{8, 16}));
    EXPECT_EQ(replaceAllPositions(QStringLiteral("aaaa"), 0, 0, QStringLiteral("aa"), kDown),
              (QList<int>{0, 2}));
    // The replace dialog searches down whatever the options say.
    EXPECT_EQ(replaceAllPositions(text, 21, 0, QStringLiteral("Count"), kUp), QList<int>{});
    EXPECT_TRUE(replaceAllPositions(text, 0, 0, QString(), kDown).isEmpty());
}

// Replace works on the selection when it is what a search would have selected.
TEST(IsOccurrence, FollowsTheSearchOptions)
{
    const QString text = QStringLiteral("FCount Count Count2");
    EXPECT_TRUE(isOccurrence(text, 7, 5, QStringLiteral("COUNT"), kDown));
    EXPECT_FALSE(isOccurrence(text, 7, 5, QStringLiteral("COUNT"), kDownCase));
    EXPECT_FALSE(isOccurrence(text, 7, 4, QStringLiteral("Count"), kDown)) << "a shorter selection";
    EXPECT_TRUE(isOccurrence(text, 1, 5, QStringLiteral("Count"), kDown));
    EXPECT_FALSE(isOccurrence(text, 1, 5, QStringLiteral("Count"), kDownWord)) << "inside FCount";
    EXPECT_FALSE(isOccurrence(text, 13, 5, QStringLiteral("Count"), kDownWord)) << "start of Count2";
    EXPECT_TRUE(isOccurrence(text, 7, 5, QStringLiteral("Count"), kDownWord));
    EXPECT_FALSE(isOccurrence(text, 17, 5, QStringLiteral("Count"), kDown)) << "past the end";
    EXPECT_FALSE(isOccurrence(text, 0, 0, QString(), kDown));
}

} // namespace
