#include <gtest/gtest.h>

#include "online/substitute.h"
#include "online/text_matcher.h"
#include "param_name.h"

namespace {

using online::SubstituteInText;
using online::TextMatcher;

struct MatchCase {
    const char* what;
    bool match_case;
    bool whole;
    const char* cell;
    bool matches;
};

class TextMatcherTest : public ::testing::TestWithParam<MatchCase> {};

TEST_P(TextMatcherTest, Matches) {
    const MatchCase& c = GetParam();
    EXPECT_EQ(TextMatcher(c.what, c.match_case, c.whole).Matches(c.cell), c.matches);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TextMatcherTest,
    ::testing::Values(MatchCase{"the", false, false, "Gone with THE Wind", true},
                      MatchCase{"the", false, false, "th", false},
                      MatchCase{"The", true, false, "The Matrix", true},
                      MatchCase{"The", true, false, "the matrix", false},
                      MatchCase{"the", false, true, "THE", true},
                      MatchCase{"the", false, true, "The Matrix", false},
                      MatchCase{"the", true, true, "The", false},
                      // Bytes above 127 match only themselves.
                      MatchCase{"\xc3\xa9t\xc3\xa9", false, false, "L'\xc3\xa9t\xc3\xa9", true},
                      MatchCase{"\xc3\xa9t\xc3\xa9", false, false, "L'\xc3\x89T\xc3\x89", false}),
    [](const auto& info) {
        const MatchCase& c = info.param;
        return ParamName(info.index, std::string(c.what) + (c.match_case ? " case" : "") +
                                         (c.whole ? " whole" : "") + " in " + c.cell);
    });

TEST(TextMatcherFindTest, FindsEveryPlaceLeftToRightInCellsOfAnyLength) {
    const TextMatcher ab("aB", false, false);
    EXPECT_EQ(ab.Find("xxabyyAB"), 2u);
    EXPECT_EQ(ab.Find("xxabyyAB", 3), 6u);
    EXPECT_EQ(ab.Find("xxabyyAB", 7), std::string_view::npos);
    EXPECT_EQ(TextMatcher("abcabd", false, false).Find("abcabcabd"), 3u);

    const std::string cell = std::string(200000, 'x') + "needle";
    EXPECT_TRUE(TextMatcher("NEEDLE", false, false).Matches(cell));
    EXPECT_TRUE(TextMatcher(cell, false, true).Matches(cell));
    EXPECT_FALSE(TextMatcher(cell + "a", false, true).Matches(cell + "b"));
    EXPECT_FALSE(TextMatcher(cell, false, true).Matches(cell + "s"));
}

struct SubstituteCase {
    std::string text;
    const char* what;
    const char* with;
    bool match_case;
    std::string result;
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
                      SubstituteCase{"Ann, ann, ANN", "ann", "Bo", false, "Bo, Bo, Bo"},
                      SubstituteCase{"Ann, ann, ANN", "ann", "Bo", true, "Ann, Bo, ANN"},
                      SubstituteCase{"remove me", " me", "", false, "remove"},
                      // Nothing beyond any length is lost.
                      SubstituteCase{std::string(20000, 'a') + "Smith" + std::string(20000, 'b'),
                                     "smith", "Jones", false,
                                     std::string(20000, 'a') + "Jones" + std::string(20000, 'b')}),
    [](const auto& info) {
        const SubstituteCase& c = info.param;
        return ParamName(info.index, std::string(c.what) + " by " + c.with +
                                         (c.match_case ? " case " : " ") + c.text);
    });

}  // namespace
