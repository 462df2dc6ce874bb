// The wizard's search: where it looks, case, sorting, paging, bounds and a results file that no
// stored text can break.
#include <fstream>

#include "core/text.h"
#include "vdb_service.h"

namespace {

class Search : public VdbService {
  protected:
    void SetUp() override {
        VdbService::SetUp();
        AddFiveTitles();
    }
};

TEST_F(Search, LooksInOneColumnOrInAllWithOrWithoutCase) {
    const struct {
        std::string query;
        std::vector<std::string> titles;  // in title order
    } cases[] = {
        {"f=alien&c=Title", {"Alien", "aliens"}},
        {"f=ALIEN&c=Title&mc=0", {"Alien", "aliens"}},
        {"f=Alien&c=Title&mc=1", {"Alien"}},
        {"f=alien&c=Title&mc=1", {"aliens"}},
        {"f=Cameron&c=Director", {"aliens", "The Abyss"}},
        {"f=Cameron&c=Title", {}},
        {"f=cameron&c=All", {"aliens", "The Abyss"}},
        {"f=cameron&c=", {"aliens", "The Abyss"}},
        {"f=weaver&c=cast", {"Alien", "aliens"}},
        {"f=198&c=Year", {"aliens", "The Abyss"}},
        {"f=Fiction&c=Category", {"The Abyss"}},
        {"f=" + Encoded("O'Bannon") + "&c=Writer", {"Alien"}},
        {"f=&c=All", {"<b>Bold</b> & \"Co\"", "Alien", "aliens", "The Abyss", "Tom / Jerry"}},
    };
    for (const auto& c : cases) {
        const Results results = List(c.query + "&s=Title&l=50&st=0");
        ASSERT_EQ(results.status, 200) << c.query;
        EXPECT_EQ(results.total, static_cast<long long>(c.titles.size())) << c.query;
        EXPECT_EQ(Column(results, 2), c.titles) << c.query;
    }
}

// Each "Sort by" choice the wizard offers is understood; those that are result-list headings
// give pages already in the order the wizard sorts a page in (ignoring case, ascending).
TEST_F(Search, SortsByEveryChoiceOfTheWizardAsTheWizardDoes) {
    const std::pair<std::string, int> heading_fields[] = {
        {"Title", 2}, {"Year", 1}, {"MPAA Rating", 4}, {"Duration", 3}, {"Category", 9}};
    std::ifstream choices(std::string(REELDECK_SOURCE_DATA) + "/vidwiz/scolumns.txt");
    int seen = 0;
    for (std::string choice; std::getline(choices, choice); ++seen) {
        const Results results = List("f=&c=All&s=" + Encoded(choice) + "&l=50");
        ASSERT_EQ(results.status, 200) << choice;
        ASSERT_EQ(results.rows.size(), 5u) << choice;
        for (const auto& [heading, field] : heading_fields) {
            if (heading != choice) continue;
            const std::vector<std::string> values = Column(results, field);
            for (std::size_t i = 1; i < values.size(); ++i) {
                EXPECT_LE(core::CompareNoCase(values[i - 1], values[i]), 0) << choice;
            }
        }
    }
    EXPECT_GE(seen, 5);
    std::ifstream columns(std::string(REELDECK_SOURCE_DATA) + "/vidwiz/tcolumns.txt");
    for (std::string column; std::getline(columns, column);) {
        EXPECT_EQ(List("f=x&c=" + Encoded(column)).status, 200) << column;
    }
    EXPECT_EQ(Column(List("f=a&c=Title&s=Year"), 1),
              (std::vector<std::string>{"1979", "1986", "1989"}));
}

TEST_F(Search, ResultLinesKeepThirteenFieldsWhateverTheStoredTexts) {
    const Results results = List("f=Jerry&c=Title");
    ASSERT_EQ(results.rows.size(), 1u);
    const std::vector<std::string>& row = results.rows[0];
    ASSERT_EQ(row.size(), 13u);
    EXPECT_EQ(row[2], "Tom / Jerry");
    EXPECT_EQ(row[3], "00:00:00");  // no duration
    EXPECT_EQ(row[10], "Line one~Line two~three/four");
    EXPECT_EQ(row[11], "1");
    EXPECT_EQ(row[12], row[0] + ".jpg");
}

TEST_F(Search, PagesThroughTheMatchesWithinBounds) {
    std::vector<vdb::TitleText> films;
    for (int i = 1; i <= 120; ++i) {
        char title[16];
        std::snprintf(title, sizeof title, "Film %03d", i);
        films.push_back({"2000", title, "", "", "", "", "", "", "", ""});
    }
    Add(films);
    const struct {
        std::string paging;
        std::size_t rows;
        std::string first;
    } cases[] = {
        {"l=50&st=0", 50, "Film 001"},   {"l=50&st=50", 50, "Film 051"},
        {"l=50&st=100", 20, "Film 101"}, {"l=50&st=120", 0, ""},
        {"l=50&st=99999999999", 0, ""},  {"l=1000&st=0", 50, "Film 001"},
        {"l=0&st=3", 1, "Film 004"},     {"l=abc&st=-5", 20, "Film 001"},
        {"st=7", 20, "Film 008"},
    };
    for (const auto& c : cases) {
        const Results results = List("f=Film&c=Title&s=Title&" + c.paging);
        ASSERT_EQ(results.status, 200) << c.paging;
        EXPECT_EQ(results.total, 120) << c.paging;
        ASSERT_EQ(results.rows.size(), c.rows) << c.paging;
        if (c.rows) {
            EXPECT_EQ(results.rows[0][2], c.first) << c.paging;
        }
    }
}

TEST_F(Search, RefusesWhatItCannotDoWithoutEchoingTheRequest) {
    EXPECT_EQ(List("f=" + std::string(1023, 'x') + "&c=Title").status, 200);
    const struct {
        std::string path;
        int status;
    } cases[] = {
        {"/rd/1.0/action/list.pl?f=" + std::string(1024, 'x') + "&c=Title", 400},
        {"/rd/1.0/action/list.pl?f=a&c=%3Cscript%3EPlot", 400},
        {"/rd/1.0/action/list.pl?f=a&c=Title&s=%3Cscript%3EPrice", 400},
        {"/rd/1.0/action/list.pl?f=" + std::string(20000, 'y'), 414},
        {"/no/such/%3Cscript%3E", 404},
        {"/rd/1.0/action/preview.pl?v=%3Cscript%3E", 400},
        {"/rd/1.0/action/preview.pl?v=999", 404},
    };
    for (const auto& c : cases) {
        const Reply reply = Get(c.path);
        EXPECT_EQ(reply.status, c.status) << c.path.substr(0, 80);
        EXPECT_EQ(reply.body.find("<script>"), std::string::npos) << c.path.substr(0, 80);
        EXPECT_EQ(reply.body.find("yyyy"), std::string::npos);
    }
    httplib::Client client("127.0.0.1", server_->port());
    const httplib::Result large =
        client.Post("/contact/", std::string(200 * 1024, 'z'), "application/x-www-form-urlencoded");
    ASSERT_TRUE(large);
    EXPECT_EQ(large->status, 413);
}

}  // namespace
