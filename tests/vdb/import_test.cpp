// Titles from CSV files: columns by name, quoting, clear refusals, covers, and the shipped list.
#include <gtest/gtest.h>

#include <sstream>

#include "temp_folder.h"
#include "vdb/sqlite_catalogue.h"
#include "vdb/title_import.h"

namespace {

vdb::TitlesRead Read(const std::string& text, const std::string& covers = ".") {
    std::istringstream in(text);
    return vdb::ReadTitles(in, "films.csv", covers);
}

TEST(TitleImport, ReadsColumnsByNameWithQuotedFields) {
    const vdb::TitlesRead read = Read(
        "\xEF\xBB\xBFyear,TITLE,Duration,MPAA Rating,Synopsis\r\n"
        "1979,Alien,117,R,\"In space, \"\"no one\"\"\nhears.\"\r\n"
        "\n"
        ",\"Tom | Jerry\",1:05:09,,\n");
    ASSERT_TRUE(read.ok()) << read.error;
    ASSERT_EQ(read.titles.size(), 2u);
    const vdb::TitleText& alien = read.titles[0].text;
    EXPECT_EQ(alien.year, "1979");
    EXPECT_EQ(alien.title, "Alien");
    EXPECT_EQ(alien.duration, "01:57:00");
    EXPECT_EQ(alien.mpaa, "R");
    EXPECT_EQ(alien.synopsis, "In space, \"no one\"\nhears.");
    EXPECT_EQ(read.titles[1].text.title, "Tom | Jerry");
    EXPECT_EQ(read.titles[1].text.duration, "01:05:09");
}

TEST(TitleImport, RefusesTheWholeFileNamingTheLineAndTheReason) {
    const std::pair<std::string, std::string> cases[] = {
        {"", "films.csv: the file is empty"},
        {"Title,Price\nAlien,3\n", "films.csv, line 1: unknown column \"Price\" in the header"},
        {"Year\n1979\n", "films.csv, line 1: the header has no Title column"},
        {"Title,title\n", "films.csv, line 1: the column \"title\" is named twice"},
        {"Title,Year\nAlien,1979\nAliens\n", "films.csv, line 3: 1 fields where the header has 2"},
        {"Title,Year\nAlien,19x9\n", "films.csv, line 2: the Year \"19x9\" is not a year"},
        {"Title,Duration\nAlien,1:5\n",
         "films.csv, line 2: the Duration \"1:5\" is neither minutes nor h:mm:ss"},
        {"Title,Year\n,1979\n", "films.csv, line 2: the Title is empty"},
        {"Title\n\"Alien\n", "films.csv: a quoted field that begins on line 2 never ends"},
        {"Title\n\"Alien\"x\n", "films.csv: line 2: text after the closing quote of a field"},
        {"Title,Cover\nAlien,missing.jpg\n",
         "films.csv, line 2: cannot read the cover ./missing.jpg"},
    };
    for (const auto& [text, error] : cases) {
        const vdb::TitlesRead read = Read(text);
        EXPECT_EQ(read.error, error) << text;
        EXPECT_TRUE(read.titles.empty()) << text;
    }
}

TEST(TitleImport, CoversAreTakenByTheirBytesBesideTheFile) {
    TempFolder folder;
    WriteFileBytes(folder / "alien.pic", "\xFF\xD8\xFF\xE0 jpeg");
    WriteFileBytes(folder / "text.jpg", "not a picture");
    WriteFileBytes(folder / "good.csv", "Title,Cover\nAlien,alien.pic\nAliens,\n");
    WriteFileBytes(folder / "bad.csv", "Title,Cover\nAlien,text.jpg\n");
    const vdb::TitlesRead good = vdb::ReadTitlesFile(folder / "good.csv");
    ASSERT_TRUE(good.ok()) << good.error;
    ASSERT_TRUE(good.titles[0].cover.has_value());
    EXPECT_EQ(good.titles[0].cover->extension, "jpg");
    EXPECT_FALSE(good.titles[1].cover.has_value());
    EXPECT_EQ(vdb::ReadTitlesFile(folder / "bad.csv").error,
              folder / "bad.csv, line 2: the cover " + folder.path() +
                  "/text.jpg is not a JPEG, GIF or BMP picture");
    EXPECT_NE(vdb::ReadTitlesFile(folder / "none.csv").error.find("No such file"),
              std::string::npos);
}

TEST(TitleImport, TheShippedFilmListFillsACatalogueOnceOnly) {
    const vdb::TitlesRead films =
        vdb::ReadTitlesFile(std::string(REELDECK_SOURCE_DATA) + "/vdb/films.csv");
    ASSERT_TRUE(films.ok()) << films.error;
    TempFolder folder;
    vdb::SqliteCatalogue catalogue(folder / "catalogue.sqlite");
    const vdb::ImportCount first = catalogue.Add(films.titles);
    EXPECT_GT(first.added, 3000);
    EXPECT_EQ(first.added + first.already_present, static_cast<std::int64_t>(films.titles.size()));
    const vdb::ImportCount again = catalogue.Add(films.titles);
    EXPECT_EQ(again.added, 0);
    EXPECT_EQ(catalogue.TitleCount(), first.added);
}

}  // namespace
