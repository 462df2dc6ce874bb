#include <gtest/gtest.h>

#include <array>
#include <filesystem>

#include "app/recording_progress.h"
#include "core/header_file.h"
#include "core/record_file.h"
#include "html/html_list_reader.h"
#include "html/page_generation.h"
#include "temp_folder.h"

namespace {

class RecordingShell final : public platform::Shell {
  public:
    void Open(const std::string& target) override { opened.push_back(target); }
    std::vector<std::string> opened;
};

core::VideoColumn Column(const char* name, bool html_shown, int html_order) {
    core::VideoColumn column;
    column.Name = name;
    column.HtmlShown = html_shown;
    column.HtmlOrder = html_order;
    return column;
}

// Key, Title, Year, Category and Director; Year comes first on the page and Director's place
// lies past the table.
core::VideoList FourFilms() {
    core::VideoList videos;
    videos.SetColumns({Column("Key", false, 0), Column("Title", true, 1), Column("Year", true, 0),
                       Column("Category", true, 2), Column("Director", true, 99)});
    const char* const rows[][4] = {{"Alien", "1979", "Horror", "Scott"},
                                   {"Tom & \"Jerry\"", "1940", "Kids & Family", "Hanna"},
                                   {"Brazil", "1985", "Comedy", "Gilliam"},
                                   {"Am\xC3\xA9lie_2.0~", "2001", "Comedy", "Jeunet"}};
    for (const auto& cells : rows) {
        const int row = videos.InsertRow(videos.RowCount(), "1");
        for (int column = 0; column < 4; ++column) videos.SetCell(row, column + 1, cells[column]);
    }
    return videos;
}

class PageGeneration : public ::testing::Test {
  protected:
    PageGeneration() {
        request.folder = folder.path();
        request.standard_logo = folder / "standard.gif";
        request.theme_path = folder / "theme.txt";
    }

    std::string Expected(const char* name) {
        return ReadFileBytes(std::string(REELDECK_TEST_DATA) + "/" + name);
    }

    TempFolder folder;
    html::PageRequest request;
    RecordingProgress progress;
    RecordingShell shell;
    html::GenerationServices services{
        progress, true, shell,
        html::PageAddresses::FromService(
            {"http://127.0.0.1:8630/", "", "https://reeldeck.org/", "reeldeck.org"})};
};

TEST_F(PageGeneration, MyVideosPageWithLogoLinksAndSelectedRows) {
    WriteFileBytes(folder / "logo.gif", "GIF89a-logo");
    WriteFileBytes(request.theme_path, "LOGOSRC=My Logo|" + folder / "logo.gif" +
                                           "|http://example.org/|New Window\n"
                                           "CLINK=Home|http://example.org/home|Same Window\n"
                                           "CLINK=Abo\"ut|http://example.org/a'b|Parent Frame\n");
    request.settings.title = "Ann's \"Films\"";
    request.settings.top_margin = "5";
    request.settings.font_style = "Bold Italic";
    request.settings.font_size = "12";
    request.settings.background = core::MakeColor(255, 255, 255);
    request.settings.heading = core::MakeColor(0, 0, 128);
    request.settings.link = core::MakeColor(0, 0, 255);
    request.settings.visited_link = core::MakeColor(128, 0, 128);
    request.settings.active_link = core::MakeColor(255, 0, 0);
    request.settings.borders = core::MakeColor(192, 192, 192);
    request.selected_rows = std::vector<int>{3, 1};
    const core::VideoList videos = FourFilms();
    const core::WantedList no_wanted;

    EXPECT_EQ(html::GenerateLists(html::ListKind::kBoth, request, {videos, no_wanted}, services),
              1);
    const std::string page = folder / "myvideos.html";
    EXPECT_EQ(ReadFileBytes(page), Expected("html-my-videos.html"));
    EXPECT_EQ(ReadFileBytes(folder / "hllogo.gif"), "GIF89a-logo");
    EXPECT_FALSE(std::filesystem::exists(folder / "wanted.html"));
    EXPECT_EQ(shell.opened, std::vector<std::string>{page});
    // The range is the whole list; one step per written record.
    EXPECT_EQ(progress.displays,
              (std::vector<RecordingProgress::Display>{{"Generating " + page, 4, 2, true}}));
}

TEST_F(PageGeneration, WantedPageWithStandardLogoAndNoTheme) {
    WriteFileBytes(request.standard_logo, "GIF89a-standard");
    request.theme_path = folder / "missing.txt";
    request.settings.font_face = "Georgia";
    request.settings.font_style = "Italic";
    request.settings.background = core::MakeColor(255, 255, 204);
    core::WantedList wanted;
    wanted.Add("Heat & \"Dust\"");
    wanted.Add("Brazil");

    EXPECT_EQ(html::GenerateWantedPage(request, wanted, services, false), 1);
    EXPECT_EQ(ReadFileBytes(folder / "wanted.html"), Expected("html-wanted.html"));
    EXPECT_EQ(ReadFileBytes(folder / "hllogo.gif"), "GIF89a-standard");
    EXPECT_TRUE(shell.opened.empty());
}

TEST_F(PageGeneration, EmptyTitleWebLogoAndHiddenProgress) {
    WriteFileBytes(request.theme_path, "LOGOSRC=Logo|WWW.Example.ORG/Logo.GIF||\n");
    core::VideoList videos = FourFilms();
    for (int i = 0; i < 8; ++i) videos.InsertRow(0, "1");
    services.status_bar_shown = false;

    EXPECT_EQ(html::GenerateMyVideosPage(request, videos, services, false), 1);
    const std::string page = ReadFileBytes(folder / "myvideos.html");
    EXPECT_NE(page.find("<title>Reeldeck - Reeldeck My Videos () (12)</title>"), std::string::npos);
    EXPECT_NE(page.find("<td><img src=\"http://www.example.org/logo.gif\" alt=\"Logo\" "
                        "border=\"0\"></td>"),
              std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(folder / "hllogo.gif"));
    EXPECT_TRUE(progress.displays.empty());

    WriteFileBytes(request.theme_path, "LOGOSRC=Logo|https://www.example.org/A.gif||\n");
    EXPECT_EQ(html::GenerateMyVideosPage(request, videos, services, false), 1);
    EXPECT_NE(ReadFileBytes(folder / "myvideos.html").find("src=\"https://www.example.org/a.gif\""),
              std::string::npos);
}

TEST_F(PageGeneration, EmptyListsWriteNothingAndAFailedWriteKeepsThePreviousPage) {
    WriteFileBytes(folder / "wanted.html", "previous");
    const core::VideoList no_videos;
    const core::WantedList no_wanted;
    EXPECT_EQ(html::GenerateLists(html::ListKind::kBoth, request, {no_videos, no_wanted}, services),
              0);
    EXPECT_FALSE(std::filesystem::exists(folder / "myvideos.html"));
    EXPECT_EQ(ReadFileBytes(folder / "wanted.html"), "previous");

    request.folder = folder / "no-such-folder";
    EXPECT_EQ(html::GenerateMyVideosPage(request, FourFilms(), services, true), -1);
    EXPECT_TRUE(shell.opened.empty());
}

// The demo database, with cells that the links must encode, published and read back: every
// column on the page comes back cell by cell.
TEST_F(PageGeneration, DemoDatabaseReadsBackFromItsPage) {
    core::VideoList demo;
    const core::FixedClock clock(1'700'000'000);
    platform::NoProgress quiet;
    ASSERT_TRUE(core::ReadHeader(demo, REELDECK_SOURCE_DATA "/demo/demo.rdkh"));
    ASSERT_TRUE(core::ReadRecords(demo, REELDECK_SOURCE_DATA "/demo/demo.rdk", clock, {}, quiet));
    const int hostile = demo.InsertRow(demo.RowCount(), "1");
    demo.SetCell(hostile, demo.ColumnIndexOf("Title"), "Tom \" onmouseover=\"x & y");
    demo.SetCell(hostile, demo.ColumnIndexOf("Category"), "Kids & \"Family\" 100%");
    ASSERT_GT(demo.RowCount(), 1000);

    ASSERT_EQ(html::GenerateMyVideosPage(request, demo, services, false), 1);
    core::VideoList read;
    html::HtmlListRead outcome;
    ASSERT_TRUE(html::ReadHtmlListFile(folder / "myvideos.html", read, clock, quiet, outcome));
    ASSERT_TRUE(outcome.recognised);
    EXPECT_TRUE(outcome.dropped_headings.empty());
    ASSERT_EQ(read.RowCount(), demo.RowCount());

    int compared = 0;
    for (const core::VideoColumn& column : demo.Columns()) {
        if (!column.HtmlShown || column.Name == "Key" || column.Name == "#") continue;
        const int back = read.ColumnIndexOf(column.Name);
        ASSERT_GE(back, 0) << column.Name;
        for (int row = 0; row < demo.RowCount(); ++row)
            ASSERT_EQ(read.Cell(row, back), demo.Cell(row, column.ListIndex))
                << column.Name << " of row " << row;
        ++compared;
    }
    EXPECT_GE(compared, 4);
}

TEST(PageSettings, FontStyleGivesStyleAndWeight) {
    // The picker's style, and the page's style and weight.
    const std::array<const char*, 3> cases[] = {
        {"Bold Italic", "italic", "bold"}, {"Italic", "italic", "normal"},
        {"Regular", "normal", "normal"},   {"", "normal", "normal"},
        {"BOLD", "normal", "bold"},        {"Oblique", "oblique", "normal"}};
    for (const auto& [picker_style, style, weight] : cases) {
        html::PageSettings settings;
        settings.font_style = picker_style;
        const html::PreparedSettings prepared = html::PrepareSettings(settings, "My Videos");
        EXPECT_EQ(prepared.font_style, style) << picker_style;
        EXPECT_EQ(prepared.font_weight, weight) << picker_style;
    }
}

}  // namespace
