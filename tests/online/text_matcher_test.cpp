#include <gtest/gtest.h>

#include "online/substitute.h"
#include "online/text_matcher.h"

namespace {

using online::SubstituteInText;
using online::TextMatcher;

TEST(TextMatcherTest, InsideCellsIgnoringCaseUnlessItMatters) {
    const TextMatcher the("the", false, false);
    EXPECT_TRUE(the.Matches("The Matrix"));
    EXPECT_TRUE(the.Matches("Gone with THE Wind"));
    EXPECT_FALSE(the.Matches("Alien"));
    EXPECT_FALSE(the.Matches("th"));

    const TextMatcher exact("The", true, false);
    EXPECT_TRUE(exact.Matches("The Matrix"));
    EXPECT_FALSE(exact.Matches("the matrix"));
}

TEST(TextMatcherTest, WholeCells) {
    const TextMatcher the("the", false, true);
    EXPECT_TRUE(the.Matches("THE"));
    EXPECT_FALSE(the.Matches("The Matrix"));
    EXPECT_FALSE(TextMatcher("the", true, true).Matches("The"));
}

TEST(TextMatcherTest, FindsEveryPlaceLeftToRight) {
    const TextMatcher ab("aB", false, false);
    EXPECT_EQ(ab.Find("xxabyyAB"), 2u);
    EXPECT_EQ(ab.Find("xxabyyAB", 3), 6u);
    EXPECT_EQ(ab.Find("xxabyyAB", 7), std::string_view::npos);
    EXPECT_EQ(TextMatcher("a", false, false).Find("bbbA"), 3u);
    EXPECT_EQ(TextMatcher("abcabd", false, false).Find("abcabcabd"), 3u);
}

TEST(TextMatcherTest, BytesAbove127MatchOnlyThemselves) {
    const TextMatcher accented("\xc3\xa9t\xc3\xa9", false, false);
    EXPECT_TRUE(accented.Matches("L'\xc3\xa9t\xc3\xa9"));
    EXPECT_FALSE(accented.Matches("L'\xc3\x89T\xc3\x89"));
}

TEST(TextMatcherTest, CellsOfAnyLengthAreSearchedWhole) {
    std::string cell(200000, 'x');
    cell += "needle";
    EXPECT_TRUE(TextMatcher("NEEDLE", false, false).Matches(cell));
    EXPECT_TRUE(TextMatcher(cell, false, true).Matches(cell));
}

struct SubstituteCase {
    const char* text;
    const char* what;
    const char* with;
    bool match_case;
    const char* result;
};

class SubstituteTest : public ::testing::TestWithParam<SubstituteCase> {};

TEST_P(SubstituteTest, ReplacesEveryOccurrenceOnce) {
    const SubstituteCase& c = GetParam();
    EXPECT_EQ(SubstituteInText(c.text, TextMatcher(c.what, c.match_case, false), c.with), c.result);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SubstituteTest,
    ::testing::Values(SubstituteCase{"banana", "a", "aa", false, "baanaanaa"},
                      SubstituteCase{"aaaa", "aa", "a", false, "aa"},
                      SubstituteCase{"Smith", "Smith", "John Smith", false, "John Smith"},
                      SubstituteCase{"Ann, ann, ANN", "ann", "Bo", false, "Bo, Bo, Bo"},
                      SubstituteCase{"Ann, ann, ANN", "ann", "Bo", true, "Ann, Bo, ANN"},
                      SubstituteCase{"no match", "xyz", "q", false, "no match"},
                      SubstituteCase{"remove me", " me", "", false, "remove"}));

TEST(SubstituteLongCellTest, NothingBeyondAnyLengthIsLost) {
    const std::string cell = std::string(20000, 'a') + "Smith" + std::string(20000, 'b') + "smith";
    const std::string result = SubstituteInText(cell, TextMatcher("smith", false, false), "Jones");
    EXPECT_EQ(result, std::string(20000, 'a') + "Jones" + std::string(20000, 'b') + "Jones");
}

}  // namespace
