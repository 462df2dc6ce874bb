#include "core/text.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <string>

namespace {

using core::GetField;

struct EditCase {
    const char* function;
    std::function<std::string(std::string)> edit;
    std::string input;
    std::string expected;
};

class TextEditTest : public ::testing::TestWithParam<EditCase> {};

TEST_P(TextEditTest, GivesTheExpectedText) {
    const EditCase& c = GetParam();
    EXPECT_EQ(c.edit(c.input), c.expected) << c.function << " of \"" << c.input << "\"";
}

const EditCase kEditCases[] = {
    {"RemoveNewlines", core::RemoveNewlines, "a\nb\n\nc\r\n", "abc\r"},
    {"RemoveCarriageReturns", core::RemoveCarriageReturns, "a\r\nb\rc", "a\nbc"},
    {"RemoveAngleBrackets", core::RemoveAngleBrackets, "x<b>y", "xby"},
    {"RemoveAngleBrackets", core::RemoveAngleBrackets, "<<a>>b><", "ab"},
    {"RemoveDoubleQuotes", core::RemoveDoubleQuotes, "say \"hi\" 'you'", "say hi 'you'"},
    {"RemoveSingleQuotes", core::RemoveSingleQuotes, "it's \"x\"'", "its \"x\""},
    {"RemoveChar", [](std::string t) { return core::RemoveChar(std::move(t), '|'); }, "|a||b|",
     "ab"},
    {"RemoveChar NUL", [](std::string t) { return core::RemoveChar(std::move(t), '\0'); },
     std::string("a\0b\0", 4), "ab"},
    {"ReplaceChar", [](std::string t) { return core::ReplaceChar(std::move(t), '.', '/'); },
     "a.b..c", "a/b//c"},
    {"ToLowerAscii", core::ToLowerAscii, "AbC-XYZ@[`\xC4\xE9", "abc-xyz@[`\xC4\xE9"},
    {"ReverseText", core::ReverseText, "ab\xC3\xA9",
     "\xA9\xC3"
     "ba"},
    {"ReverseText", core::ReverseText, "", ""},
    {"EncodeLineBreaks", core::EncodeLineBreaks, "one\ntwo\n\nthree\n", "one~two~~three~"},
    {"DecodeLineBreaks", core::DecodeLineBreaks, "one~two~~", "one\ntwo\n\n"},
    {"StripTags", [](std::string t) { return core::StripTags(t); }, "x<b>y</b>z", "xyz"},
    {"StripTags", [](std::string t) { return core::StripTags(t); }, "keep <unclosed tag", "keep "},
    {"StripTags", [](std::string t) { return core::StripTags(t); }, "a>b<>c", "a>bc"},
    {"StripTags", [](std::string t) { return core::StripTags(t); }, "a<<b>c>d", "ac>d"},
    {"StripTags", [](std::string t) { return core::StripTags(t); }, "<", ""},
    {"StripTags", [](std::string t) { return core::StripTags(t); }, "plain", "plain"},
    {"MoveLeadingArticle", core::MoveLeadingArticle, "The Matrix", "Matrix, The"},
    {"MoveLeadingArticle", core::MoveLeadingArticle, "the end", "end, the"},
    {"MoveLeadingArticle", core::MoveLeadingArticle, "THE X", "X, THE"},
    {"MoveLeadingArticle", core::MoveLeadingArticle, "tHe  Gap", " Gap, tHe"},
    {"MoveLeadingArticle", core::MoveLeadingArticle, "The", "The"},
    {"MoveLeadingArticle", core::MoveLeadingArticle, "The ", "The "},
    {"MoveLeadingArticle", core::MoveLeadingArticle, "Theatre", "Theatre"},
    {"MoveLeadingArticle", core::MoveLeadingArticle, "Them Again", "Them Again"},
    {"MoveLeadingArticle", core::MoveLeadingArticle, " The Matrix", " The Matrix"},
    {"MoveLeadingArticle", core::MoveLeadingArticle, "A The End", "A The End"},
    {"MoveLeadingArticle", core::MoveLeadingArticle, "Matrix, The", "Matrix, The"},
};

INSTANTIATE_TEST_SUITE_P(Functions, TextEditTest, ::testing::ValuesIn(kEditCases));

TEST(MoveLeadingArticleTest, GrowsTheTextByOneByte) {
    for (const std::string title : {"The Matrix", "the end", "The 39 Steps"}) {
        EXPECT_EQ(core::MoveLeadingArticle(title).size(), title.size() + 1) << title;
    }
}

TEST(GetFieldTest, ReturnsTheFieldAtTheIndex) {
    struct Case {
        std::string text;
        int index;
        std::string expected;
    };
    const Case cases[] = {
        {"a|b|c|", 1, "b"},
        {"a|b|c|", 0, "a"},
        {"a|b|c|", 2, "c"},
        {"a|b|c|", 3, ""},
        {"a|b", 1, "b"},
        {"a|b", 5, ""},
        {"", 0, ""},
        {"", 2, ""},
        {"|x|", 0, ""},
        {"|x|", 1, "x"},
        {"a||c", 1, ""},
        {"a||c", 2, "c"},
        {"no bars", 0, "no bars"},
        {"no bars", 1, ""},
        {"a|b", -1, ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(GetField(c.text, c.index), c.expected) << '"' << c.text << "\" index " << c.index;
    }
}

TEST(ColorToHtmlTest, WritesRedGreenBlueInLowerCaseHex) {
    EXPECT_EQ(core::ColorToHtml(core::MakeColor(255, 0, 0)), "#ff0000");
    EXPECT_EQ(core::ColorToHtml(core::MakeColor(12, 11, 10)), "#0c0b0a");
    EXPECT_EQ(core::ColorToHtml(core::MakeColor(0, 0, 255)), "#0000ff");
    EXPECT_EQ(core::ColorToHtml(core::MakeColor(0xAB, 0xCD, 0xEF)), "#abcdef");
    EXPECT_EQ(core::ColorToHtml(0x00000000), "#000000");
    // Red is the low byte of the stored value; the top byte is not part of the colour.
    EXPECT_EQ(core::ColorToHtml(0x00010203), "#030201");
    EXPECT_EQ(core::ColorToHtml(0xFF000000), "#000000");
}

TEST(CaseFoldingTest, FoldsOnlyAsciiLetters) {
    EXPECT_TRUE(core::EqualsNoCase("Star WARS", "star wars"));
    EXPECT_FALSE(core::EqualsNoCase("star wars", "star wars "));
    EXPECT_FALSE(core::EqualsNoCase("\xC9t\xE9", "\xE9t\xE9"));  // É and é are different bytes
    EXPECT_FALSE(core::EqualsNoCase("@", "`"));                  // 0x40 and 0x60 are not letters
    EXPECT_FALSE(core::EqualsNoCase("[", "{"));

    EXPECT_EQ(core::CompareNoCase("abc", "ABC"), 0);
    EXPECT_LT(core::CompareNoCase("apple", "Banana"), 0);
    EXPECT_GT(core::CompareNoCase("Banana", "apple"), 0);
    EXPECT_LT(core::CompareNoCase("abc", "abcd"), 0);
    EXPECT_GT(core::CompareNoCase("b", "abcd"), 0);
    EXPECT_LT(core::CompareNoCase("", "a"), 0);
    // Bytes compare unsigned: letters beyond ASCII sort after "z".
    EXPECT_GT(core::CompareNoCase("\xE9t\xE9", "zoo"), 0);
    // "_" lies between "Z" and "a": folded, every letter sorts after it.
    EXPECT_GT(core::CompareNoCase("B", "_"), 0);
}

TEST(ParseLeadingIntTest, ReadsLikeAtoi) {
    struct Case {
        std::string text;
        int expected;
    };
    const Case cases[] = {
        {"42", 42},
        {"  7x", 7},
        {"\t-13", -13},
        {"+5", 5},
        {"", 0},
        {"abc", 0},
        {"-", 0},
        {"1 2", 1},
        {"007", 7},
        {"12\r", 12},
        {"99999999999", INT_MAX},
        {"-99999999999", INT_MIN},
        {std::string(400, '9'), INT_MAX},
    };
    for (const Case& c : cases) EXPECT_EQ(core::ParseLeadingInt(c.text), c.expected) << c.text;
    EXPECT_EQ(core::ParseLeadingLong("1078617600 and more"), 1078617600LL);
    EXPECT_GT(core::ParseLeadingLong(std::string(400, '9')), 0);
    EXPECT_LT(core::ParseLeadingLong("-" + std::string(400, '9')), 0);
}

}  // namespace
