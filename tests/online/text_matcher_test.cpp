#include <gtest/gtest.h>

#include "online/substitute.h"
#include "online/text_matcher.h"

namespace {

using online::SubstituteInText;
using online::TextMatcher;

TEST(TextMatcherTest, MatchesByCaseAndWholeCell) {
    const std::tuple<const char*, bool, bool, const char*, bool> cases[] = {
        // what, match case, whole cell, cell, matches
        {"the", false, false, "Gone with THE Wind", true},
        {"the", false, false, "th", false},
        {"The", true, false, "The Matrix", true},
        {"The", true, false, "the matrix", false},
        {"the", false, true, "THE", true},
        {"the", false, true, "The Matrix", false},
        {"the", true, true, "The", false},
        // Bytes above 127 match only themselves.
        {"\xc3\xa9t\xc3\xa9", false, false, "L'\xc3\xa9t\xc3\xa9", true},
        {"\xc3\xa9t\xc3\xa9", false, false, "L'\xc3\x89T\xc3\x89", false}};
    for (const auto& [what, match_case, whole, cell, matches] : cases) {
        EXPECT_EQ(TextMatcher(what, match_case, whole).Matches(cell), matches)
            << what << " " << match_case << whole << " in " << cell;
    }
}

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

TEST(SubstituteTest, ReplacesEveryOccurrenceOnce) {
    const std::string a(20000, 'a'), b(20000, 'b');
    const std::tuple<std::string, const char*, const char*, bool, std::string> cases[] = {
        // text, what, with, match case, result
        {"banana", "a", "aa", false, "baanaanaa"},
        {"aaaa", "aa", "a", false, "aa"},
        {"Ann, ann, ANN", "ann", "Bo", false, "Bo, Bo, Bo"},
        {"Ann, ann, ANN", "ann", "Bo", true, "Ann, Bo, ANN"},
        {"remove me", " me", "", false, "remove"},
        {a + "Smith" + b, "smith", "Jones", false,
         a + "Jones" + b}};  // nothing beyond any length lost
    for (const auto& [text, what, with, match_case, result] : cases) {
        EXPECT_EQ(SubstituteInText(text, TextMatcher(what, match_case, false), with), result)
            << what << " in " << text.substr(0, 20);
    }
}

}  // namespace
