#include <gtest/gtest.h>

#include <sstream>

#include "core/sample_lists.h"
#include "core/text.h"
#include "html/html_list_address.h"
#include "html/html_list_reader.h"
#include "temp_folder.h"

namespace {

using Texts = std::vector<std::string>;

const std::string kPage = ReadFileBytes(REELDECK_TEST_DATA "/reader-html-my-videos.html");

struct Read {
    html::HtmlListRead result;
    core::VideoList videos;

    Texts Names() const { return ColumnNamesOf(videos); }
    Texts Cells(std::string_view column) const { return CellsOf(videos, column); }
};

Read ReadPage(const std::string& page) {
    Read read;
    std::istringstream in(page);
    core::FixedClock clock(1'000'000'000);
    platform::NoProgress progress;
    read.result = html::ReadHtmlList(in, read.videos, clock, progress);
    return read;
}

std::string Replaced(std::string text, std::string_view from, std::string_view to) {
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
    return text;
}

// A page with `headings` and one row whose cells are "c0", "c1" …
std::string PageWith(const Texts& headings) {
    std::string page = "<!-- RDMVL -->\n<!-- RDLH -->\n";
    for (const std::string& heading : headings) page += "<td><span>" + heading + "</span></td>\n";
    page += "<!-- /RDLH -->\n<!-- RDLR -->\n";
    for (std::size_t i = 0; i < headings.size(); ++i)
        page += "<td><span>c" + std::to_string(i) + "</span></td>\n";
    return page + "<!-- /RDLR -->\n";
}

TEST(HtmlListReaderTest, PageReadsBackToItsVisibleCellsInTheFullColumnTable) {
    const Read read = ReadPage(kPage);
    ASSERT_TRUE(read.result.recognised);
    EXPECT_TRUE(read.result.dropped_headings.empty());
    EXPECT_EQ(read.Names(),
              (Texts{"Key",        "Flag",     "#",           "Title",      "Year",     "Category",
                     "Flag Value", "Cast",     "Synopsis",    "Producer",   "Director", "Writer",
                     "MPAA",       "Duration", "Last Viewed", "Date Added", "Misc1",    "Misc2",
                     "Misc3",      "Misc4",    "Misc5",       "Misc6",      "Misc7"}));
    Texts slots;
    for (const core::VideoColumn& column : read.videos.Columns())
        slots.push_back(std::to_string(column.FileSlot));
    EXPECT_EQ(slots, (Texts{"0", "21", "1",  "3",  "2", "13", "22", "16", "20", "18", "17", "19",
                            "4", "5",  "12", "11", "6", "7",  "8",  "9",  "10", "14", "15"}));
    const core::VideoColumn& title = *read.videos.FindColumn("Title");
    EXPECT_TRUE(title.Visible && title.Sortable && title.HtmlShown && !title.Custom);
    EXPECT_EQ(title.HtmlOrder, 3);
    EXPECT_FALSE(read.videos.FindColumn("Flag Value")->Visible);
    EXPECT_FALSE(read.videos.FindColumn("Cast")->Visible);
    EXPECT_TRUE(read.videos.FindColumn("Misc1")->Custom);

    // Keys count up from just above the time reading began; "#" keeps the page's number text.
    EXPECT_EQ(read.Cells("Key"), (Texts{"1000000001", "1000000002", "1000000003"}));
    EXPECT_EQ(read.Cells("#"), (Texts{"1.", "2.", "3."}));
    // Encoded and unencoded link addresses alike give the visible text.
    EXPECT_EQ(read.Cells("Title"), (Texts{"Alien", "Say \"Hi\" & Bye", "Cat \"Ballou\" & Co"}));
    EXPECT_EQ(read.Cells("Category"), (Texts{"Horror", "Drama & Crime", ""}));
    EXPECT_EQ(read.Cells("Cast"), (Texts{"", "", ""}));
    EXPECT_FALSE(read.videos.FlagMark(0));
    EXPECT_TRUE(read.videos.FlagMark(1));
}

TEST(HtmlListReaderTest, LineEndsAndMarkersSharingALine) {
    const Read plain = ReadPage(kPage);
    const Read crlf = ReadPage(Replaced(kPage, "\n", "\r\n"));
    ASSERT_TRUE(crlf.result.recognised);
    EXPECT_EQ(crlf.Names(), plain.Names());
    EXPECT_EQ(crlf.Cells("Title"), plain.Cells("Title"));

    // A list marker with other markup on its line is no marker: the page is not a list.
    EXPECT_FALSE(ReadPage(Replaced(kPage, "<!-- RDMVL -->\n<html>", "<!-- RDMVL --><html>"))
                     .result.recognised);
    // A row marker sharing a line starts no row: that row's lines are skipped.
    const Read joined = ReadPage(Replaced(kPage, "<tr>\n<!-- RDLR -->", "<tr><!-- RDLR -->"));
    EXPECT_EQ(joined.videos.RowCount(), 0);
    // A Wanted Videos page has no markers.
    const Read wanted = ReadPage(ReadFileBytes(REELDECK_TEST_DATA "/reader-html-wanted.html"));
    EXPECT_FALSE(wanted.result.recognised);
}

TEST(HtmlListReaderTest, HeadingsBeyondTheColumnTableAreDroppedWithTheirCells) {
    // Eight names of our own: the eighth has no custom slot left. "Title" twice: one column.
    Texts headings = {"#", "Title", "A", "B", "C", "D", "E", "F", "G", "H", "Title", "Year"};
    const Read custom = ReadPage(PageWith(headings));
    EXPECT_EQ(custom.result.dropped_headings, (Texts{"H", "Title"}));
    EXPECT_EQ(custom.videos.ColumnCount(), core::kMaxColumns);
    EXPECT_EQ(custom.Cells("G"), Texts{"c8"});
    EXPECT_EQ(custom.Cells("Title"), Texts{"c1"});
    EXPECT_EQ(custom.Cells("Year"), Texts{"c11"});

    // Built-in names fill the table: 21 headings fit, the 22nd does not.
    headings = {"#",        "Title",       "Year", "MPAA",     "Duration", "Date Added",
                "Category", "Last Viewed", "Cast", "Director", "Producer", "Writer",
                "Synopsis", "Flag Value",  "A",    "B",        "C",        "D",
                "E",        "F",           "G",    "Z"};
    const Read full = ReadPage(PageWith(headings));
    EXPECT_EQ(full.result.dropped_headings, Texts{"Z"});
    EXPECT_EQ(full.videos.ColumnCount(), core::kMaxColumns);
    EXPECT_EQ(full.Cells("G"), Texts{"c20"});
}

TEST(HtmlListAddressTest, DownloadedPagesGetPlainNamesInsideTheFolder) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"http://host/lists/myvideos.html", "myvideos.html"},
        {"https://host/lists/my%20videos.html?x=1#top", "my20videos.html"},
        {"http://host/lists/", "index.html"},
        {"http://host", "index.html"},
        {"http://host/a/..", "index.html"},
        {"http://host/a/.", "index.html"},
        {"http://host/a/..%2F..%2Fcfg%2Fcfg.txt", "..2F..2Fcfg2Fcfg.txt"},
        {"http://host/a\\..\\..\\evil", "a....evil"},
        {"http://host/%00%2f", "002f"},
        {"http://host/~$", "index.html"},
    };
    for (const auto& [address, name] : cases) {
        EXPECT_EQ(html::DownloadFileNameOf(address), name) << address;
    }
    core::FixedClock clock(1'200'000'000);
    EXPECT_EQ(html::RequestAddressOf("http://h/l.html", clock), "http://h/l.html?t=1200000000");
    EXPECT_EQ(html::RequestAddressOf("http://h/l?id=3", clock), "http://h/l?id=3&t=1200000000");
    EXPECT_TRUE(html::IsWebAddress("HTTPS://host/x.html"));
    EXPECT_FALSE(html::IsWebAddress("ftp://host/x.html"));
}

}  // namespace
