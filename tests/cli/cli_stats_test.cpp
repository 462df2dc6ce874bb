// The companion's stats: the figures are checked with the statistics; here, that each one and
// each table reaches the text and the JSON, with the same texts.
#include <gtest/gtest.h>

#include "cli_runner.h"
#include "sample_database.h"
#include "temp_folder.h"

namespace {

class CliStatsTest : public CliTest {
  protected:
    void SetUp() override {
        main_ = WriteFilms(folder_ / "films.rdk",
                           {{{"Title", "Heat"},
                             {"Category", "crime"},
                             {"Duration", "02:50:00"},
                             {"Cast", "Al Pacino, Robert De Niro"}},
                            {{"Title", "Brazil"},
                             {"Category", "Crime"},  // first met: opening sorts by title
                             {"Cast", "Robert De Niro"},
                             {"Writer", "Tom \"Stoppard\""},
                             {"Last Viewed", "01/02/2003"}}});
    }
};

TEST_F(CliStatsTest, PrintsEveryFigureAndTableAsTextOrJson) {
    CliRun text = cli_.Run({"stats", main_});
    ASSERT_EQ(text.exit_code, 0) << text.err;
    for (const char* line :
         {"    Name:       films.rdk\n", "    Not Viewed: 1 (50.00%)\n",
          "    Average:    02:50:00\n", "    % Total:    0.00%\n",
          "  Category - 1    Count  % Total\n", "  Crime               2   100.00\n",
          "  Robert De Niro        2   100.00\n", "  Writer - 1  "}) {
        EXPECT_NE(text.out.find(line), std::string::npos) << line << text.out;
    }

    CliRun json = cli_.Run({"stats", main_, "--json"});
    ASSERT_EQ(json.exit_code, 0) << json.err;
    for (const char* part :
         {"\"Records\": {\n      \"My Videos\": \"2\",", "\"Minimum\": \"02:50:00\"",
          "{\"field\": \"Cast\", \"heading\": \"Cast - 2\", \"rows\": [\n"
          "      {\"value\": \"Al Pacino\", \"count\": \"1\", \"percent\": \"50.00\"},",
          "{\"value\": \"Tom \\\"Stoppard\\\"\"", "\"heading\": \"MPAA - 0\", \"rows\": []}"}) {
        EXPECT_NE(json.out.find(part), std::string::npos) << part << json.out;
    }
    ExpectFailure(cli_.Run({"stats"}), "usage: reeldeck-cli stats DB [--json]");
}

}  // namespace
