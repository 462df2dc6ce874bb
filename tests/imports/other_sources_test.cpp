// Importing Filmfolio 2.0 databases, CSV tables and wanted lists.
#include <gtest/gtest.h>

#include "core/text.h"
#include "import_session.h"
#include "imports/csv_file.h"
#include "imports/import_undo.h"
#include "imports/wanted_import.h"

namespace {

namespace fs = std::filesystem;

class OtherSources : public ImportSession {
  protected:
    OtherSources() { AddRow({{"Title", "Heat"}, {"Date Added", "09/09/2001"}}); }
};

TEST_F(OtherSources, FilmfolioConfigAndRecordsWithTimeFields) {
    const std::string program = folder_ / "ff/FF2.EXE";
    const std::string images = folder_ / "ffimages";
    fs::create_directories(images);
    fs::create_directories(folder_ / "ff/DB");
    WriteFileBytes(folder_ / "ff/DB/CFG.INI",
                   "[settings]\r\nMOVIE_DB_FIELD_ORDER=Old|List\r\n"
                   "MOVIE_DB_FIELD_ORDER=ID|Title|Last Viewed|Year|Cast\r\n"
                   "MOVIE_IMAGE_DIRECTORY=" +
                       core::ReplaceChar(images, '/', '\\') + "\\\r\n");
    imports::SourceSummary summary;
    ASSERT_TRUE(imports::ReadFilmfolioConfig(program, &summary));
    EXPECT_EQ(summary.fields.size(), 5u);
    EXPECT_EQ(summary.fields[2].name, "Last Viewed");
    EXPECT_EQ(summary.image_folder, images);

    const std::string mff = folder_ / "movies.mff";
    WriteFileBytes(mff,
                   "1100000000|The Birds|1078660800|1963|Tippi|\n"
                   "1000000000|Heat again|||\n"
                   "1200000000|Alien|123456|1979\n");
    EXPECT_EQ(imports::CountFilmfolioRecords(mff), 3);
    const imports::ImportResult result =
        Import(imports::SourceKind::kFilmfolio, mff, summary.fields, Options(false, "", true));
    EXPECT_EQ(result.message,
              "2 records imported. (1 duplicate record keys were found\nand were not imported)");
    EXPECT_EQ(ColumnCells("Title"), (std::vector<std::string>{"Heat", "Birds, The", "Alien"}));
    EXPECT_EQ(ColumnCells("Last Viewed"), (std::vector<std::string>{"", "03/07/2004", "123456"}));
    EXPECT_EQ(ColumnCells("Year"), (std::vector<std::string>{"", "1963", "1979"}));
    EXPECT_EQ(ColumnCells("Flag Value"), (std::vector<std::string>{"", "", ""}));
}

TEST_F(OtherSources, FilmfolioWithoutConfigurationIsRefusedWithTheProgramNamed) {
    imports::SourceSummary summary;
    const core::FileResult read = imports::ReadFilmfolioConfig(folder_ / "ff.exe", &summary);
    EXPECT_FALSE(read);
    EXPECT_EQ(read.path, folder_ / "db/cfg.ini");
    EXPECT_EQ(imports::FilmfolioConfigErrorText("/x/ff.exe"),
              "A valid program configuration file could not be found for:\n\n/x/ff.exe.\n\n"
              "Please verify that this is a valid Filmfolio 2.0 executable file\nand that the "
              "path is correct, then try again.");
}

TEST(CsvParsing, ReadsRfc4180OrSaysWhereItBreaks) {
    using Rows = std::vector<std::vector<std::string>>;  // the first row: the field names
    const std::tuple<std::string, Rows, std::string> cases[] = {
        // text, rows, error
        {"\xEF\xBB\xBFTitle,Year\r\nAlien,1979\r\n\r\n",
         {{"Title", "Year"}, {"Alien", "1979"}},
         ""},
        {"Title,Synopsis\n\"Heat, the film\",\"He said \"\"go\"\"\r\nthen left\"\nB",
         {{"Title", "Synopsis"}, {"Heat, the film", "He said \"go\"\r\nthen left"}, {"B"}},
         ""},
        {"Title\nAlien\n\"Heat\n", {}, "line 3: a quoted field is never closed"},
        {"Title\n\"Al\"ien\n", {}, "line 2: text after the closing quote"},
        {"\xEF\xBB\xBF", {}, "the file is empty"}};
    for (const auto& [text, expected, error] : cases) {
        imports::ForeignTable table;
        const core::FileResult parsed = imports::ParseCsv(text, &table);
        ASSERT_EQ(bool(parsed), error.empty()) << text << parsed.reason;
        EXPECT_EQ(parsed.reason.substr(0, error.size()), error);
        Rows rows(1);
        for (const imports::SourceField& field : table.fields) rows[0].push_back(field.name);
        rows.insert(rows.end(), table.rows.begin(), table.rows.end());
        if (parsed) {
            EXPECT_EQ(rows, expected) << text;
        }
    }
}

TEST_F(OtherSources, TablesGetFreshKeysCleanCellsCoversAndSeenMarks) {
    imports::ForeignTable table;
    ASSERT_TRUE(imports::ParseCsv("Title,Synopsis,Rating\n<i>Alien</i>,\"one\ntwo\",5\nBrazil,,\n",
                                  &table));
    WriteFileBytes(folder_ / "alien.JPEG", "cover");
    WriteFileBytes(folder_ / "brazil.png", "png");
    table.covers = {folder_ / "alien.JPEG", folder_ / "brazil.png"};
    table.seen = {true, false};
    const imports::ImportResult result = Import(imports::SourceKind::kTable, "films.csv",
                                                table.fields, Options(true, "", false), &table);
    EXPECT_EQ(result.message,
              "2 records imported successfully.\n\n1 cover images could not be copied.");
    EXPECT_EQ(ColumnCells("Title"), (std::vector<std::string>{"Heat", "iAlien/i", "Brazil"}));
    EXPECT_EQ(ColumnCells("Synopsis"), (std::vector<std::string>{"", "one~two", ""}));
    EXPECT_EQ(ColumnCells("Last Viewed"), (std::vector<std::string>{"", "03/07/2004", ""}));
    EXPECT_EQ(Key(1), std::to_string(kNow));
    EXPECT_EQ(Key(2), std::to_string(kNow + 1));
    EXPECT_EQ(ReadFileBytes(session_.ImageFolder + "/" + Key(1) + ".jpg"), "cover");
}

TEST_F(OtherSources, CsvExportOfAllColumnsImportsBackTheSameRecords) {
    AddRow({{"Title", "Heat, The \"remake\""},
            {"Date Added", "09/09/2001"},
            {"Synopsis", "a~b"},
            {"Flag Value", "Lent"},
            {"Misc 5", " spaced "}});
    const std::vector<std::string> before = Rows();
    const std::string csv = folder_ / "out.csv";
    const core::FileResult exported = imports::ExportCsv(session_.Videos, {false, true}, csv);
    ASSERT_EQ(exported.value, 2) << exported.Describe();
    imports::SourceSummary summary;
    ASSERT_EQ(imports::ReadCsvSource(csv, &summary).value, 2);
    EXPECT_EQ(summary.fields.size(), 21u);  // all but "#" and "Flag"
    session_.Videos.DeleteAllRows();
    ASSERT_TRUE(Import(imports::SourceKind::kCsv, csv, summary.fields).ok);
    EXPECT_EQ(Rows(), before);

    session_.Videos.Select(1, true);
    ASSERT_EQ(imports::ExportCsv(session_.Videos, {true, false}, csv).value, 1);
    EXPECT_TRUE(ReadFileBytes(csv).starts_with("Title,Year,MPAA,Duration,Category,"));
}

TEST_F(OtherSources, WantedTitlesAreAddedOnceAndTheImportUndone) {
    session_.Wanted.Add("ALIEN");
    const std::string file = folder_ / "other.rdkw";
    WriteFileBytes(file, "Alien\nThe Thing\n\n");
    const imports::ImportResult result = imports::ImportWanted(session_, file, true, progress_);
    EXPECT_EQ(result.message,
              "1 records imported. (1 records matched existing\nrecords and were not imported)");
    EXPECT_EQ(session_.Wanted.Titles(), (std::vector<std::string>{"ALIEN", "Thing, The"}));
    EXPECT_TRUE(session_.Modified);
    ASSERT_TRUE(imports::UndoWantedImport(session_));
    EXPECT_EQ(session_.Wanted.Titles(), std::vector<std::string>{"ALIEN"});
    EXPECT_FALSE(imports::CanUndoWantedImport(paths_));

    const imports::ImportResult missing =
        imports::ImportWanted(session_, folder_ / "none.wff", false, progress_);
    EXPECT_FALSE(missing.ok);
    EXPECT_EQ(missing.message, "Error reading import file.\n" + folder_ / "none.wff" +
                                   ": No such file or directory.");
}

}  // namespace
