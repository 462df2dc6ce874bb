// The text, date and path helpers.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <random>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "core/dates.h"
#include "core/paths.h"
#include "core/text.h"
#include "temp_folder.h"

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

TEST(TextTest, FormatTextFillsTheMarksInOrderAndColoursBecomeHtml) {
    EXPECT_EQ(core::FormatText("Error:\n%s.\n%s.", {"/v/a.rdk", "Is a directory"}),
              "Error:\n/v/a.rdk.\nIs a directory.");
    EXPECT_EQ(core::FormatText("%s%d%s", {"max ", "50", "."}), "max 50.");
    EXPECT_EQ(core::FormatText("100%% of %s, %s", {"%s"}), "100% of %s, %s");
    // Colours are written red, green, blue in lower-case hex.
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

// ---- Dates ----

constexpr std::int64_t kHour = 3600;
constexpr std::int64_t kDay = 86400;
constexpr std::int64_t kMarch7th2004 = 1078617600;  // 2004-03-07 00:00:00 UTC

// A zone that changes its offset once, at `switch_time`, as a zone does when daylight saving
// time begins or ends.
class SwitchingClock final : public core::Clock {
  public:
    SwitchingClock(std::int64_t switch_time, long before, long after)
        : switch_time_(switch_time), before_(before), after_(after) {}
    std::int64_t Now() const override { return switch_time_; }
    long UtcOffsetAt(std::int64_t time) const override {
        return time < switch_time_ ? before_ : after_;
    }

  private:
    std::int64_t switch_time_;
    long before_;
    long after_;
};

TEST(DatesTest, KeysGiveTheLocalDateAndTodayComesFromTheClock) {
    // A Key, the zone's offset, and the date.
    const std::tuple<std::string, long, std::string> cases[] = {
        {"1078617599", 0, "03/06/2004"},
        // An hour east of UTC, 23:30 UTC is already the next day.
        {std::to_string(kMarch7th2004 - 30 * 60), kHour, "03/07/2004"},
        // Five hours west, 02:00 UTC is still the previous day.
        {std::to_string(kMarch7th2004 + 2 * kHour), -5 * kHour, "03/06/2004"},
        {"0", -1, "12/31/1969"},
        {"951782400", 0, "02/29/2000"},
        {"4107542400", 0, "03/01/2100"},
        {"253402300800", 0, "01/01/10000"},
        {"1078617600 trailing", 0, "03/07/2004"},
    };
    for (const auto& [key, offset, date] : cases) {
        EXPECT_EQ(core::KeyToDate(key, core::FixedClock(0, offset)), date)
            << "key " << key << ", offset " << offset;
    }
    // The offset is the one at the Key's moment: here the zone moves east at 10:00 UTC.
    const SwitchingClock clock(kMarch7th2004 + 10 * kHour, 0, kHour);
    EXPECT_EQ(core::KeyToDate(std::to_string(kMarch7th2004 - 30 * 60), clock), "03/06/2004");
    EXPECT_EQ(core::KeyToDate(std::to_string(kMarch7th2004 + kDay - 30 * 60), clock), "03/08/2004");

    // Today and new Keys come from the clock.
    const std::int64_t new_years_eve = 1104535800;  // 2004-12-31 23:30 UTC
    EXPECT_EQ(core::TodayDate(core::FixedClock(new_years_eve)), "12/31/2004");
    EXPECT_EQ(core::TodayShortDate(core::FixedClock(new_years_eve)), "12/31/04");
    EXPECT_EQ(core::TodayDate(core::FixedClock(new_years_eve, kHour)), "01/01/2005");
    EXPECT_EQ(core::TodayShortDate(core::FixedClock(new_years_eve, kHour)), "01/01/05");
    // The zone does not change the Key: it counts seconds since 1970 in UTC.
    EXPECT_EQ(core::NowKey(core::FixedClock(kMarch7th2004, -5 * kHour)), "1078617600");
}

// The cache looks a zone's offset up once per day; it must give what KeyToDate gives, also on
// the day the zone changes its offset.
TEST(DateTextCacheTest, AgreesWithKeyToDateWhenTheZoneChangesItsOffset) {
    struct Switch {
        const char* what;
        std::int64_t time;
        long before;
        long after;
    };
    const Switch switches[] = {
        {"daylight saving time begins, US Eastern", 1299999600, -5 * kHour, -4 * kHour},
        {"daylight saving time ends, Central Europe", 1319936400, 2 * kHour, kHour},
        {"a change exactly at midnight UTC", kMarch7th2004, 0, kHour},
        {"a change a second before midnight UTC", kMarch7th2004 - 1, -kHour, 2 * kHour},
        {"a zone skipping a whole day (Samoa 2011)", 1325239200, -10 * kHour, 14 * kHour},
        {"a zone repeating a day", 1325239200, 14 * kHour, -10 * kHour},
        {"no change: a zone half an hour off the hour", 0, 19800, 19800},
    };
    std::mt19937_64 random(20040307);
    for (const Switch& s : switches) {
        SCOPED_TRACE(s.what);
        const SwitchingClock clock(s.time, s.before, s.after);
        // Keys every few minutes for days around the change, the seconds around it a day apart,
        // and keys up to 2100, in no particular order.
        std::vector<std::int64_t> keys;
        for (std::int64_t t = s.time - 3 * kDay; t <= s.time + 3 * kDay; t += 7 * 60) {
            keys.push_back(t);
        }
        for (std::int64_t d = -2; d <= 2; ++d) {
            keys.insert(keys.end(), {s.time + d, s.time + d * kDay - 1, s.time + d * kDay});
        }
        for (int i = 0; i < 2000; ++i)
            keys.push_back(static_cast<std::int64_t>(random() % 4102444800ULL));
        std::shuffle(keys.begin(), keys.end(), random);
        core::DateTextCache cache(clock);
        for (std::int64_t time : keys) {
            const std::string key = std::to_string(time);
            ASSERT_EQ(std::string(cache.Format(key)), core::KeyToDate(key, clock)) << "key " << key;
        }
        for (const char* key : {"", "junk", "-86401", "253402300800", "99999999999999999999"}) {
            EXPECT_EQ(std::string(cache.Format(key)), core::KeyToDate(key, clock)) << "key " << key;
        }
    }
}

// ---- Paths and files ----

struct PathCase {
    std::string path, file_name, parent, extension, stripped;
};

TEST(PathsTest, SplitsAtTheLastSeparatorAndDot) {
    const PathCase cases[] = {
        {"/home/ann/Movies.rdk", "Movies.rdk", "/home/ann", "rdk", "/home/ann/Movies"},
        {"C:\\Videos\\Movies.RDK", "Movies.RDK", "C:\\Videos", "RDK", "C:\\Videos\\Movies"},
        {"mixed\\folder/file.tar.gz", "file.tar.gz", "mixed\\folder", "gz",
         "mixed\\folder/file.tar"},
        // No "." in the file name: the extension is the whole text, the stripped path empty.
        {"films", "films", "", "films", ""},
        {"/v/dir.d/films", "films", "/v/dir.d", "/v/dir.d/films", ""},
        {"C:\\dir.d\\films", "films", "C:\\dir.d", "C:\\dir.d\\films", ""},
        {"/file.", "file.", "", "", "/file"},
        {"folder/", "", "folder", "folder/", ""},
    };
    for (const PathCase& c : cases) {
        EXPECT_EQ(core::FileNameOf(c.path), c.file_name) << c.path;
        EXPECT_EQ(core::ParentFolderOf(c.path), c.parent) << c.path;
        EXPECT_EQ(core::ExtensionOf(c.path), c.extension) << c.path;
        EXPECT_EQ(core::StripExtension(c.path), c.stripped) << c.path;
    }
    EXPECT_EQ(core::UrlLastSegment("http://127.0.0.1:8080/images/12345.jpg"), "12345.jpg");
    EXPECT_EQ(core::UrlLastSegment("a\\b.jpg"), "a\\b.jpg");
    EXPECT_EQ(core::JoinPath("/a/b/", "c.txt"), "/a/b/c.txt");
    EXPECT_EQ(core::JoinPath("", "c.txt"), "c.txt");
}

class FileHelpersTest : public ::testing::Test {
  protected:
    TempFolder folder_;
};

TEST_F(FileHelpersTest, CountLinesCountsALastLineWithoutLineFeed) {
    const std::pair<std::string, std::int64_t> cases[] = {
        {"", 0},
        {"a", 1},
        {"a\n", 1},
        {"a\nb", 2},
        {"\n\n", 2},
        {std::string(200000, 'x') + "\nend", 2},
        {std::string(70000, '\n'), 70000},
    };
    for (const auto& [bytes, lines] : cases) {
        WriteFileBytes(folder_ / "lines.txt", bytes);
        EXPECT_EQ(core::CountLines(folder_ / "lines.txt"), lines) << bytes.substr(0, 20);
    }
    EXPECT_EQ(core::CountLines(folder_ / "missing.txt"), -1);
}

TEST_F(FileHelpersTest, CountFilesWithExtensionIgnoresCaseAndSubFolders) {
    for (const char* name : {"1.jpg", "2.JPG", "3.Jpg", "4.gif", "5.jpgx", "jpg", "6.bmp.jpg"}) {
        WriteFileBytes(folder_ / name, "x");
    }
    std::filesystem::create_directory(folder_ / "folder.jpg");
    std::filesystem::create_directory(folder_ / "sub");
    WriteFileBytes(folder_ / "sub/7.jpg", "x");
    EXPECT_EQ(core::CountFilesWithExtension(folder_.path(), "JPG"), 4);
    EXPECT_EQ(core::CountFilesWithExtension(folder_.path(), "gif"), 1);
    EXPECT_EQ(core::CountFilesWithExtension(folder_ / "missing", "jpg"), 0);
}

TEST_F(FileHelpersTest, FindImageExtensionPrefersJpgThenGifThenBmpInEitherCase) {
    const std::string base = folder_ / "1078617600";
    EXPECT_EQ(core::FindImageExtension(base), "");
    const std::pair<const char*, const char*> added_and_found[] = {
        {".bmp", ".bmp"}, {".GIF", ".GIF"}, {".gif", ".gif"}, {".JPG", ".JPG"}, {".jpg", ".jpg"}};
    for (const auto& [added, found] : added_and_found) {
        WriteFileBytes(base + added, "image");
        EXPECT_EQ(core::FindImageExtension(base), found) << "after adding " << added;
    }
    // Another record's image is not this record's.
    EXPECT_EQ(core::FindImageExtension(folder_ / "107861760"), "");
}

}  // namespace
