#include <gtest/gtest.h>

#include <filesystem>

#include "core/header_file.h"
#include "html/print_pages.h"
#include "temp_folder.h"

namespace {

std::string Expected(const std::string& name) {
    std::string text = ReadFileBytes(std::string(REELDECK_TEST_DATA) + "/" + name);
    if (!text.empty() && text.back() == '\n') text.pop_back();
    return text;
}

void Replace(std::string& text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at))
        text.replace(at, from.size(), to), at += to.size();
}

class PrintPagesTest : public ::testing::Test {
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
        platform::NoProgress progress;
        EXPECT_EQ(html::WriteMyVideosPrintFile(page, settings, print, progress).value, 1);
        return ReadFileBytes(page);
    }

    TempFolder folder_;
    std::string images_ = folder_ / "images";
    std::string no_image_ = folder_ / "res/pprev.gif";
    core::VideoList videos_;
};

TEST_F(PrintPagesTest, TitlesRunThreeToARowAndTheLastRowStaysOpen) {
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

TEST_F(PrintPagesTest, FullRecordsOfTheSelectedRowsWithAndWithoutImages) {
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

TEST_F(PrintPagesTest, WantedPageIsOneColumnOfTitlesAndAnEmptyListWritesNoFile) {
    core::WantedList wanted;
    html::PrintSettings settings;
    settings.multiple_columns = false;
    settings.font_size = 9;
    platform::NoProgress progress;
    const std::string page = folder_ / "pw.html";
    EXPECT_EQ(html::WriteWantedPrintFile(page, settings, wanted, "03/07/04", progress).value, 0);
    EXPECT_FALSE(std::filesystem::exists(page));

    wanted.Add("Metropolis");
    wanted.Add("Tom & Jerry <b>");
    EXPECT_EQ(html::WriteWantedPrintFile(page, settings, wanted, "03/07/04", progress).value, 1);
    EXPECT_EQ(ReadFileBytes(page), Expected("print-wanted-single.html"));

    const core::FileResult failed = html::WriteWantedPrintFile(
        folder_ / "missing/pw.html", settings, wanted, "03/07/04", progress);
    EXPECT_EQ(failed.value, -1);
    EXPECT_EQ(failed.path, folder_ / "missing/pw.html");
}

}  // namespace
