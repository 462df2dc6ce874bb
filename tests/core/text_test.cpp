#include "core/text.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <string>
#include <tuple>
#include <utility>

namespace {

struct EditCase {
    const char* function;
    std::function<std::string(std::string)> edit;
    std::string input;
    std::string expected;
};

TEST(TextTest, EditsGiveTheExpectedText) {
    const auto strip_tags = [](std::string text) { return core::StripTags(text); };
    const EditCase cases[] = {
        {"ToLowerAscii", core::ToLowerAscii, "AbC-XYZ@[`\xC4\xE9", "abc-xyz@[`\xC4\xE9"},
        {"StripTags", strip_tags, "x<b>y</b>z", "xyz"},
        {"StripTags", strip_tags, "keep <unclosed tag", "keep "},
        {"StripTags", strip_tags, "a>b<>c", "a>bc"},
        {"StripTags", strip_tags, "a<<b>c>d", "ac>d"},
        {"MoveLeadingArticle", core::MoveLeadingArticle, "The Matrix", "Matrix, The"},
        {"MoveLeadingArticle", core::MoveLeadingArticle, "the end", "end, the"},
        {"MoveLeadingArticle", core::MoveLeadingArticle, "tHe  Gap", " Gap, tHe"},
        {"MoveLeadingArticle", core::MoveLeadingArticle, "The ", "The "},
        {"MoveLeadingArticle", core::MoveLeadingArticle, "Theatre", "Theatre"},
        {"MoveLeadingArticle", core::MoveLeadingArticle, " The Matrix", " The Matrix"},
    };
    for (const EditCase& c : cases) {
        EXPECT_EQ(c.edit(c.input), c.expected) << c.function << " of \"" << c.input << "\"";
    }
}

TEST(TextTest, GetFieldReturnsTheFieldAtTheIndex) {
    const std::tuple<std::string, int, std::string> cases[] = {
        {"a|b|c|", 0, "a"}, {"a|b|c|", 2, "c"},
        {"a|b|c|", 3, ""},  {"a|b", 1, "b"},
        {"a|b", 5, ""},     {"", 0, ""},
        {"|x|", 0, ""},     {"a||c", 1, ""},
        {"a||c", 2, "c"},   {"no bars", 0, "no bars"},
        {"a|b", -1, ""},
    };
    for (const auto& [text, index, expected] : cases) {
        EXPECT_EQ(core::GetField(text, index), expected) << '"' << text << "\" index " << index;
    }
}

TEST(TextTest, FormatTextFillsTheMarksInOrder) {
    EXPECT_EQ(core::FormatText("Error:\n%s.\n%s.", {"/v/a.rdk", "Is a directory"}),
              "Error:\n/v/a.rdk.\nIs a directory.");
    EXPECT_EQ(core::FormatText("%s%d%s", {"max ", "50", "."}), "max 50.");
    EXPECT_EQ(core::FormatText("100%% of %s, %s", {"%s"}), "100% of %s, %s");
}

TEST(TextTest, ColorToHtmlWritesRedGreenBlueInLowerCaseHex) {
    EXPECT_EQ(core::ColorToHtml(core::MakeColor(0xAB, 0x0C, 0xEF)), "#ab0cef");
    // Red is the low byte of the stored value; the top byte is not part of the colour.
    EXPECT_EQ(core::ColorToHtml(0xFF010203), "#030201");
}

TEST(TextTest, CaseFoldingFoldsOnlyAsciiLetters) {
    EXPECT_TRUE(core::EqualsNoCase("Star WARS", "star wars"));
    EXPECT_FALSE(core::EqualsNoCase("star wars", "star wars "));
    EXPECT_FALSE(core::EqualsNoCase("\xC9t\xE9", "\xE9t\xE9"));  // É and é are different bytes
    EXPECT_FALSE(core::EqualsNoCase("@", "`"));                  // 0x40 and 0x60 are not letters

    EXPECT_EQ(core::CompareNoCase("abc", "ABC"), 0);
    EXPECT_LT(core::CompareNoCase("apple", "Banana"), 0);
    EXPECT_GT(core::CompareNoCase("Banana", "apple"), 0);
    EXPECT_LT(core::CompareNoCase("abc", "abcd"), 0);
    EXPECT_GT(core::CompareNoCase("b", "abcd"), 0);
    // Bytes compare unsigned: letters beyond ASCII sort after "z"; "_" lies between "Z" and "a".
    EXPECT_GT(core::CompareNoCase("\xE9t\xE9", "zoo"), 0);
    EXPECT_GT(core::CompareNoCase("B", "_"), 0);
}

TEST(TextTest, ParseLeadingIntReadsLikeAtoi) {
    const std::pair<std::string, int> cases[] = {
        {"42", 42},
        {"  7x", 7},
        {"\t-13", -13},
        {"+5", 5},
        {"", 0},
        {"abc", 0},
        {"-", 0},
        {"12\r", 12},
        {"99999999999", INT_MAX},
        {"-99999999999", INT_MIN},
        {std::string(400, '9'), INT_MAX},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(core::ParseLeadingInt(text), expected) << text;
    }
    EXPECT_EQ(core::ParseLeadingLong("1078617600 and more"), 1078617600LL);
    EXPECT_LT(core::ParseLeadingLong("-" + std::string(400, '9')), 0);
}

}  // namespace
