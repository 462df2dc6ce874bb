#include "filmdata/json_reader.h"

#include <gtest/gtest.h>

#include <string>

namespace filmdata {
namespace {

std::string StringOf(std::string_view json) {
    JsonParseResult result = ParseJson(json);
    EXPECT_TRUE(result.ok()) << json << ": " << result.error;
    if (!result.ok() || !result.value->IsString()) return "<not a string>";
    return result.value->Text();
}

struct EscapeCase {
    const char* json;
    const char* text;
};
void PrintTo(const EscapeCase& c, std::ostream* out) {
    *out << c.json;
}

class StringDecoding : public testing::TestWithParam<EscapeCase> {};

TEST_P(StringDecoding, DecodesToUtf8Bytes) {
    EXPECT_EQ(StringOf(GetParam().json), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Escapes, StringDecoding,
                         testing::Values(EscapeCase{R"("Bill & Ted's \"Bogus\" Journey")",
                                                    "Bill & Ted's \"Bogus\" Journey"},
                                         EscapeCase{R"("a\\b\/c")", "a\\b/c"},
                                         EscapeCase{R"("\b\f\n\r\t")", "\b\f\n\r\t"},
                                         EscapeCase{R"("L\u00e9on")", "L\xC3\xA9on"},
                                         EscapeCase{R"("\u20AC")", "\xE2\x82\xAC"},
                                         EscapeCase{R"("\ud83c\udfac")", "\xF0\x9F\x8E\xAC"},
                                         // Unpaired surrogates cannot be UTF-8; they become U+FFFD.
                                         EscapeCase{R"("\ud800x")", "\xEF\xBF\xBDx"},
                                         EscapeCase{R"("\udc00")", "\xEF\xBF\xBD"},
                                         EscapeCase{R"("\ud800\u0041")",
                                                    "\xEF\xBF\xBD"
                                                    "A"},
                                         // Raw bytes pass unchanged, valid UTF-8 or not.
                                         EscapeCase{"\"Alien\xC2\xB3\"", "Alien\xC2\xB3"},
                                         EscapeCase{"\"Ast\xC8rix\"", "Ast\xC8rix"}));

TEST(JsonValues, NumbersKeepTheTextTheyWereWrittenAs) {
    JsonParseResult result = ParseJson("[1776, -0.5, 6.10, 2E+3, 0]");
    ASSERT_TRUE(result.ok()) << result.error;
    const auto& items = result.value->Items();
    ASSERT_EQ(items.size(), 5u);
    EXPECT_EQ(items[0].Text(), "1776");
    EXPECT_EQ(items[2].Text(), "6.10");
    EXPECT_EQ(items[3].Text(), "2E+3");
    EXPECT_EQ(items[3].AsDouble(), 2000.0);
    EXPECT_EQ(items[1].AsDouble(), -0.5);
}

TEST(JsonValues, ObjectsAndArraysNestAndKeepMemberOrder) {
    JsonParseResult result = ParseJson(
        "\xEF\xBB\xBF { \"a\": null, \"b\": [true, false, {\"c\": []}], \"a\": \"second\" }\r\n");
    ASSERT_TRUE(result.ok()) << result.error;
    const JsonValue& object = *result.value;
    ASSERT_TRUE(object.IsObject());
    EXPECT_EQ(object.Names(), (std::vector<std::string>{"a", "b", "a"}));
    EXPECT_TRUE(object.Items()[0].IsNull());
    // A repeated name: the last one counts.
    ASSERT_NE(object.Find("a"), nullptr);
    EXPECT_EQ(object.Find("a")->Text(), "second");
    const JsonValue* b = object.Find("b");
    ASSERT_NE(b, nullptr);
    ASSERT_EQ(b->Items().size(), 3u);
    EXPECT_TRUE(b->Items()[0].AsBool());
    EXPECT_FALSE(b->Items()[1].AsBool());
    EXPECT_TRUE(b->Items()[2].Find("c")->IsArray());
    EXPECT_EQ(object.Find("missing"), nullptr);
}

struct MalformedCase {
    std::string json;
    std::string place;
};
void PrintTo(const MalformedCase& c, std::ostream* out) {
    *out << c.json.substr(0, 20);
}

class MalformedJson : public testing::TestWithParam<MalformedCase> {};

TEST_P(MalformedJson, IsRefusedWithItsPlace) {
    JsonParseResult result = ParseJson(GetParam().json);
    EXPECT_FALSE(result.ok());
    EXPECT_TRUE(result.error.starts_with(GetParam().place)) << result.error;
}

INSTANTIATE_TEST_SUITE_P(Structure, MalformedJson,
                         testing::Values(MalformedCase{"", "line 1, column 1:"},
                                         MalformedCase{"[1,\n ]", "line 2, column 2:"},
                                         MalformedCase{"{\"a\" 1}", "line 1, column 6:"},
                                         MalformedCase{"{1: 2}", "line 1, column 2:"},
                                         MalformedCase{"[\"open", "line 1, column 7:"},
                                         MalformedCase{"[012]", "line 1, column 3:"},
                                         MalformedCase{"[1.]", "line 1, column 4:"},
                                         MalformedCase{"[nul]", "line 1, column 2:"},
                                         MalformedCase{"[\"\\x\"]", "line 1, column 4:"},
                                         MalformedCase{"[\"\\u12\"]", "line 1, column 7:"},
                                         MalformedCase{"[1] [2]", "line 1, column 5:"},
                                         MalformedCase{std::string(100000, '['),
                                                       "line 1, column 257:"}));

}  // namespace
}  // namespace filmdata
