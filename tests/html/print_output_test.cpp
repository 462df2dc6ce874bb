// Printing: the choices, the stored settings, the pages written and handing them to the printer.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "app/scripted_prompts.h"
#include "core/header_file.h"
#include "html/print_output.h"
#include "html/print_pages.h"
#include "html/print_settings.h"
#include "temp_folder.h"

namespace {

TEST(PrintChoices, EmptyListsCannotBeChosenAndSelectedNeedsSelectedVideos) {
    using html::PrintList;
    // Wanted chosen last time, but it is empty now: My Videos with its selection.
    html::PrintChoices choices = html::OpenPrintChoices(PrintList::kWanted, 5, 2, 0);
    EXPECT_EQ(choices.list, PrintList::kMyVideos);
    EXPECT_FALSE(choices.wanted_enabled);
    EXPECT_TRUE(choices.selected_enabled);
    EXPECT_EQ(choices.records, html::PrintRecords::kSelected);

    choices = html::OpenPrintChoices(PrintList::kBoth, 0, 0, 3);
    EXPECT_EQ(choices.list, PrintList::kWanted);
    EXPECT_FALSE(choices.my_videos_enabled);
    EXPECT_FALSE(choices.include_images_enabled);

    choices =
        html::ChooseList(html::OpenPrintChoices(PrintList::kBoth, 5, 2, 3), PrintList::kWanted, 2);
    EXPECT_FALSE(choices.selected_enabled);
    EXPECT_EQ(choices.records, html::PrintRecords::kAll);
    EXPECT_TRUE(html::ChooseList(choices, PrintList::kBoth, 2).include_images_enabled);
}

std::string Expected(const std::string& name) {
    std::string text = ReadFileBytes(std::string(REELDECK_TEST_DATA) + "/" + name);
    if (!text.empty() && text.back() == '\n') text.pop_back();
    return text;
}

void Replace(std::string& text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at))
        text.replace(at, from.size(), to), at += to.size();
}

class PrintTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(core::ReadHeader(videos_, std::string(REELDECK_SOURCE_DATA) + "/cfg/mlh.txt"));
        std::filesystem::create_directory(images_);
    }
    void AddFilm(const std::map<std::string, std::string>& cells) {
        const int row = videos_.InsertRow(videos_.RowCount(), "");
        for (const auto& [name, text] : cells)
            videos_.SetCell(row, videos_.ColumnIndexOf(name), text);
    }
    std::string MyVideosPage(const html::PrintSettings& settings) {
        const std::vector<int> rows = html::RowsToPrint(videos_, settings.records);
        const html::MyVideosPrint print{videos_, rows, images_, no_image_, "03/07/04"};
        const std::string page = folder_ / "pm.html";
        EXPECT_EQ(html::WriteMyVideosPrintFile(page, settings, print, progress_).value, 1);
        return ReadFileBytes(page);
    }
    html::PrintRun Run() {
        return {settings_,
                videos_,
                wanted_,
                images_,
                folder_ / "pm.html",
                folder_ / "pw.html",
                no_image_,
                "01/02/03",
                prompts_,
                progress_,
                [this](const std::string& page) { printed_.push_back(page); }};
    }

    TempFolder folder_;
    std::string images_ = folder_ / "images";
    std::string no_image_ = folder_ / "res/pprev.gif";
    core::VideoList videos_;
    core::WantedList wanted_;
    html::PrintSettings settings_;
    ScriptedPrompts prompts_;
    platform::NoProgress progress_;
    std::vector<std::string> printed_;  // the pages handed to the printer
};

TEST_F(PrintTest, BothSkipsAnEmptyListSilentlyButOneListSaysItIsEmpty) {
    AddFilm({{"Title", "Heat"}});
    WriteFileBytes(folder_ / "pw.html", "an old page");
    settings_.list = html::PrintList::kBoth;
    html::PrintLists(Run());
    EXPECT_EQ(printed_, std::vector<std::string>{folder_ / "pm.html"});
    EXPECT_FALSE(std::filesystem::exists(folder_ / "pw.html"));
    EXPECT_TRUE(prompts_.Messages().empty());

    settings_.list = html::PrintList::kWanted;
    html::PrintLists(Run());
    ASSERT_EQ(prompts_.Messages().size(), 1u);
    EXPECT_EQ(prompts_.Messages()[0].text, "The Wanted Video list is empty");
    EXPECT_EQ(prompts_.Messages()[0].title, "Print Cancelled");
}

TEST_F(PrintTest, APageThatCannotBeWrittenIsReportedAndNotPrinted) {
    wanted_.Add("Ran");
    settings_.list = html::PrintList::kWanted;
    html::PrintRun run = Run();
    run.wanted_page = folder_ / "missing/pw.html";
    html::PrintLists(run);
    EXPECT_TRUE(printed_.empty());
    ASSERT_EQ(prompts_.Messages().size(), 1u);
    EXPECT_EQ(prompts_.Messages()[0].title, "Print Output Error");
    EXPECT_NE(prompts_.Messages()[0].text.find("\n\n" + run.wanted_page + "\n\nReason: "),
              std::string::npos);
}

TEST(PrintSettingsFile, WritesEveryStoredSettingAndReadsItBack) {
    TempFolder folder;
    html::PrintSettings settings;
    settings.heading = core::MakeColor(10, 20, 30);
    settings.text = core::MakeColor(255, 0, 7);
    settings.font_face = "Courier New";
    settings.font_style = "Bold";
    settings.font_size = 14;
    settings.multiple_columns = false;
    settings.titles_only = false;
    settings.include_images = false;  // not stored
    ASSERT_TRUE(html::SavePrintSettings(settings, folder / "ps.txt"));
    EXPECT_EQ(ReadFileBytes(folder / "ps.txt"),
              "[Reeldeck - Version 1.0 - Print Settings]\n\nHEADING=10,20,30\nTEXT=255,0,7\n"
              "FTYPE=Courier New\nFSTYLE=Bold\nFSIZE=14\nMULTIPLE_COLUMNS=0\nTITLES_ONLY=0\n");

    // Read back, every stored setting is written again as it was; images are not stored.
    html::PrintSettings read;
    ASSERT_TRUE(html::LoadPrintSettings(folder / "ps.txt", read));
    EXPECT_TRUE(read.include_images);
    ASSERT_TRUE(html::SavePrintSettings(read, folder / "again.txt"));
    EXPECT_EQ(ReadFileBytes(folder / "again.txt"), ReadFileBytes(folder / "ps.txt"));
}

TEST(PrintSettingsFile, FlagsAreKnownByFixedLettersAndAMissingFileKeepsTheDefaults) {
    html::PrintSettings settings;
    std::istringstream in("MUxxxxxxxCanything=0\nTIxxxxxOx=1=0\nTITLES_ONLY=yes\nFSIZE=12pt\r\n");
    settings.titles_only = false;
    html::ReadPrintSettings(in, settings);
    EXPECT_FALSE(settings.multiple_columns);
    EXPECT_FALSE(settings.titles_only);  // the last line wins: "y" is not "1"
    EXPECT_EQ(settings.font_size, 12);

    html::PrintSettings defaults;
    EXPECT_FALSE(html::LoadPrintSettings("/nonexistent/cfg/ps.txt", defaults));
    EXPECT_TRUE(defaults.multiple_columns && defaults.titles_only && defaults.include_images);
    EXPECT_EQ(defaults.font_size, 0);
}

TEST_F(PrintTest, TitlesRunThreeToARowAndTheLastRowStaysOpen) {
    for (const char* title : {"Alien", "Brazil", "Casablanca", "Dune", "Heat", "Ran", "Up"})
        AddFilm({{"Title", title}, {"Synopsis", "not printed"}});
    html::PrintSettings settings;
    settings.heading = core::MakeColor(255, 0, 0);
    settings.text = core::MakeColor(0, 0, 128);
    settings.font_face = "Georgia";
    settings.font_style = "Bold Italic";
    settings.font_size = 11;
    EXPECT_EQ(MyVideosPage(settings), Expected("print-titles-columns.html"));
}

TEST_F(PrintTest, FullRecordsOfTheSelectedRowsWithAndWithoutImages) {
    AddFilm({{"Key", "1000"},
             {"Title", "Alien"},
             {"Year", "1979"},
             {"Category", "Horror"},
             {"MPAA", "R"},
             {"Duration", "01:57:00"},
             {"Synopsis", "In space~no one"},
             {"Cast", "Sigourney Weaver"},
             {"Director", "Ridley Scott"},
             {"Writer", "Dan O'Bannon"}});
    AddFilm({{"Key", "1001"}, {"Title", "Brazil"}});
    AddFilm({{"Key", "1002"}, {"Title", "Heat"}, {"Year", "1995"}});
    WriteFileBytes(images_ + "/1000.jpg", "jpeg");
    videos_.Select(0, true);
    videos_.Select(2, true);
    html::PrintSettings settings;
    settings.titles_only = false;
    settings.records = html::PrintRecords::kSelected;
    settings.font_face = "Times";
    settings.font_style = "Oblique";
    settings.font_size = 12;

    std::string expected = Expected("print-full-images.html");
    Replace(expected, "@IMAGES@", images_);
    Replace(expected, "@NOIMAGE@", no_image_);
    EXPECT_EQ(MyVideosPage(settings), expected);

    settings.include_images = false;
    settings.multiple_columns = false;  // no bearing on full records
    EXPECT_EQ(MyVideosPage(settings), Expected("print-full-text.html"));
}

TEST_F(PrintTest, WantedPageIsOneColumnOfTitlesAndAnEmptyListWritesNoFile) {
    settings_.multiple_columns = false;
    settings_.font_size = 9;
    const std::string page = folder_ / "pw.html";
    EXPECT_EQ(html::WriteWantedPrintFile(page, settings_, wanted_, "03/07/04", progress_).value, 0);
    EXPECT_FALSE(std::filesystem::exists(page));

    wanted_.Add("Metropolis");
    wanted_.Add("Tom & Jerry <b>");
    EXPECT_EQ(html::WriteWantedPrintFile(page, settings_, wanted_, "03/07/04", progress_).value, 1);
    EXPECT_EQ(ReadFileBytes(page), Expected("print-wanted-single.html"));

    const core::FileResult failed = html::WriteWantedPrintFile(
        folder_ / "missing/pw.html", settings_, wanted_, "03/07/04", progress_);
    EXPECT_EQ(failed.value, -1);
    EXPECT_EQ(failed.path, folder_ / "missing/pw.html");
}

}  // namespace
