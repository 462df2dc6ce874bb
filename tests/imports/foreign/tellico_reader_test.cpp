#include "imports/tellico_reader.h"

#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <string>

#include "foreign_reader_fixture.h"
#include "zip_archive.h"

namespace {

// A video collection of three entries: every mapped field, covers embedded, in the archive's
// images/ folder and outside it.
const std::string kVideos = ReadFileBytes(REELDECK_TEST_DATA "/tellico-videos.xml");

class TellicoReaderTest : public ForeignReaderTest {
  protected:
    TellicoReaderTest() : ForeignReaderTest("videos.tc") {}
};

TEST_F(TellicoReaderTest, ReadsAVideoCollectionWithOurColumnNamesAndCovers) {
    WriteZip(file_, {{"tellico.xml", kVideos},
                     {"images/f00d.png", "PNGDATA"},
                     {"images/../../escaped.jpg", "EVIL"},
                     {"../escaped.jpg", "EVIL"}});
    const core::FileResult result = imports::ReadTellico(file_, covers_, &table_);
    ASSERT_TRUE(result) << result.Describe();
    EXPECT_EQ(result.value, 3);
    ASSERT_EQ(table_.rows.size(), 3u);

    EXPECT_EQ(Cell(0, "Title"), "Alien");
    EXPECT_EQ(Cell(0, "Year"), "1979");
    EXPECT_EQ(Cell(0, "MPAA"), "R");
    EXPECT_EQ(Cell(0, "Duration"), "01:57:00");
    EXPECT_EQ(Cell(0, "Category"), "Horror, Science Fiction");
    EXPECT_EQ(Cell(0, "Cast"), "Sigourney Weaver, Tom Skerritt");
    EXPECT_EQ(Cell(0, "Director"), "Ridley Scott");
    EXPECT_EQ(Cell(0, "Synopsis"), "In space no one can hear you scream.");
    EXPECT_EQ(Cell(0, "Nationality"), "USA, UK");
    EXPECT_EQ(Cell(0, "Studio"), "20th Century Fox");
    EXPECT_EQ(Cell(0, "Shelf"), "A3");
    EXPECT_EQ(Cell(0, "Date Created"), "03/07/2021");
    EXPECT_EQ(Cell(1, "Producer"), "Art Linson");
    EXPECT_EQ(Cell(1, "Writer"), "Michael Mann");
    EXPECT_EQ(table_.seen, (std::vector<bool>{true, false, false}));

    // Covers come from the embedded images and from the archive's images/ folder, under names
    // the reader chooses; a cover naming a path outside images/ is not taken.
    ASSERT_EQ(table_.covers.size(), 3u);
    EXPECT_EQ(table_.covers[0], std::filesystem::path(covers_) / "0.jpeg");
    EXPECT_EQ(ReadFileBytes(table_.covers[0]), "JPEGDATA");
    EXPECT_EQ(ReadFileBytes(table_.covers[1]), "PNGDATA");
    EXPECT_TRUE(table_.covers[2].empty());
    EXPECT_FALSE(std::filesystem::exists(temp_ / "escaped.jpg"));
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::temp_directory_path() / "escaped.jpg"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(covers_), {}), 2);
}

TEST_F(TellicoReaderTest, MalformedFilesGiveAClearErrorAndNoTable) {
    WriteZip(temp_ / "good.tc", {{"tellico.xml", kVideos}});
    const std::string good = ReadFileBytes(temp_ / "good.tc");
    const struct {
        const char* name;
        std::map<std::string, std::string> entries;  // empty: the raw bytes below instead
        std::string raw;
        const char* reason;
    } cases[] = {
        {"truncated zip", {}, good.substr(0, good.size() / 2), "not a zip archive"},
        {"not a zip", {}, "just some text", "not a zip archive"},
        {"no tellico.xml", {{"other.xml", "<tellico/>"}}, "", "holds no tellico.xml"},
        {"broken XML", {{"tellico.xml", "<tellico><collection type=\"3\">"}}, "", "broken XML"},
        {"no collection", {{"tellico.xml", "<tellico/>"}}, "", "holds no collection"},
        {"book collection",
         {{"tellico.xml", std::regex_replace(kVideos, std::regex("type=\"3\""), "type=\"2\"")}},
         "",
         "not a video collection (Tellico collection type \"2\""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.entries.empty()) {
            WriteFileBytes(file_, c.raw);
        } else {
            WriteZip(file_, c.entries);
        }
        MarkTable();
        ExpectRefused(imports::ReadTellico(file_, covers_, &table_), c.reason);
    }
    EXPECT_FALSE(imports::ReadTellico(temp_ / "missing.tc", covers_, &table_));
}

}  // namespace
