#include "imports/gcstar_reader.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "foreign_reader_fixture.h"

namespace {

// Four films: every mapped field, and covers beside the file, at an absolute path (the sample's
// /home/ann/covers), oversized and missing.
const std::string kFilms = ReadFileBytes(REELDECK_TEST_DATA "/gcstar-films.gcs");

class GcstarReaderTest : public ForeignReaderTest {
  protected:
    GcstarReaderTest() : ForeignReaderTest("films.gcs") {}
};

TEST_F(GcstarReaderTest, ReadsFilmsWithOurColumnNamesAndCopiesCovers) {
    std::filesystem::create_directory(temp_ / "images");
    WriteFileBytes(temp_ / "images/alien.JPG", "JPEGDATA");
    WriteFileBytes(temp_ / "heat.png", "PNGDATA");
    WriteFileBytes(temp_ / "huge.jpg", "");
    std::filesystem::resize_file(temp_ / "huge.jpg", 21 * 1024 * 1024);
    WriteFileBytes(file_, std::regex_replace(kFilms, std::regex("/home/ann/covers"), temp_.path()));
    const core::FileResult result = imports::ReadGcstar(file_, covers_, &table_);
    ASSERT_TRUE(result) << result.Describe();
    EXPECT_EQ(result.value, 4);
    ASSERT_EQ(table_.rows.size(), 4u);

    EXPECT_EQ(Cell(0, "Title"), "Alien");
    EXPECT_EQ(Cell(0, "Year"), "1979");
    EXPECT_EQ(Cell(0, "Duration"), "01:57:00");
    EXPECT_EQ(Cell(0, "Director"), "Ridley Scott");
    EXPECT_EQ(Cell(0, "MPAA"), "16+");
    EXPECT_EQ(Cell(0, "Synopsis"), "In space\nno one can hear you scream.");
    EXPECT_EQ(Cell(0, "Cast"), "Sigourney Weaver, Tom Skerritt");
    EXPECT_EQ(Cell(0, "Category"), "Horror, Science Fiction");
    EXPECT_EQ(Cell(0, "Nationality"), "USA");
    EXPECT_EQ(Cell(0, "Original"), "Alien");
    EXPECT_EQ(Cell(0, "Format"), "DVD");
    EXPECT_EQ(Cell(1, "Year"), "1995");
    EXPECT_EQ(Cell(1, "Duration"), "02:50:00");
    EXPECT_EQ(Cell(1, "MPAA"), "All ages");
    EXPECT_EQ(Cell(1, "Cast"), "Al Pacino, Robert De Niro");
    EXPECT_EQ(Cell(2, "Duration"), "01:30:00");
    EXPECT_EQ(Cell(2, "MPAA"), "");
    EXPECT_EQ(Cell(3, "Duration"), "");
    for (const auto& field : table_.fields) EXPECT_NE(field.name, "backpic");
    EXPECT_EQ(table_.seen, (std::vector<bool>{true, false, false, false}));

    // Covers are copied under the reader's own names; a missing or oversized one is skipped.
    ASSERT_EQ(table_.covers.size(), 4u);
    EXPECT_EQ(table_.covers[0], std::filesystem::path(covers_) / "0.jpg");
    EXPECT_EQ(ReadFileBytes(table_.covers[0]), "JPEGDATA");
    EXPECT_EQ(ReadFileBytes(table_.covers[1]), "PNGDATA");
    EXPECT_TRUE(table_.covers[2].empty());
    EXPECT_TRUE(table_.covers[3].empty());
}

TEST_F(GcstarReaderTest, MalformedFilesGiveAClearErrorAndNoTable) {
    const struct {
        const char* name;
        std::string text;
        const char* reason;
    } cases[] = {
        {"broken XML", "<collection type=\"GCfilms\"><item title=\"A\">", "broken XML at byte"},
        {"not XML", "\x89PNG\r\n", "broken XML"},
        {"no collection", "<films/>", "no <collection> element"},
        {"book collection", std::regex_replace(kFilms, std::regex("GCfilms"), "GCbooks"),
         "not a film collection (GCstar collection type \"GCbooks\""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WriteFileBytes(file_, c.text);
        MarkTable();
        ExpectRefused(imports::ReadGcstar(file_, covers_, &table_), c.reason);
    }
    const core::FileResult missing = imports::ReadGcstar(temp_ / "none.gcs", covers_, &table_);
    EXPECT_FALSE(missing);
    EXPECT_FALSE(missing.reason.empty());
}

}  // namespace
