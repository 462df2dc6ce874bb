// online-search and online-add against the real video database service, run as a process.
#include <gtest/gtest.h>
#include <signal.h>

#include <filesystem>
#include <regex>

#include "child_process.h"
#include "cli_runner.h"
#include "sample_database.h"
#include "temp_folder.h"

namespace {

class OnlineCommands : public ::testing::Test {
  protected:
    void SetUp() override {
        WriteFileBytes(folder_ / "films.csv", "Title,Year\nAlien,1979\nAliens,1986\nHeat,1995\n");
        vdb_ = StartProcess({REELDECK_VDB, "--port", "0", "--database", folder_ / "vdb.sqlite",
                             "--films", folder_ / "films.csv"},
                            folder_ / "vdb.out", "/dev/null");
        const std::string address =
            WaitForOutput(folder_ / "vdb.out", "serving (http://127\\.0\\.0\\.1:[0-9]+/)");
        ASSERT_FALSE(address.empty()) << ReadFileBytes(folder_ / "vdb.out");
        std::filesystem::create_directories(home_ + "/vidwiz");
        for (const char* file : {"tcolumns.txt", "scolumns.txt"}) {
            std::filesystem::copy_file(std::string(REELDECK_SOURCE_DATA) + "/vidwiz/" + file,
                                       home_ + "/vidwiz/" + file);
        }
        WriteFileBytes(home_ + "/cfg/service.txt", "[Online Services]\nBASE_URL=" + address +
                                                       "\nIMAGE_BASE_URL=" + address + "images/\n");
    }
    void TearDown() override {
        kill(vdb_, SIGTERM);
        WaitForExit(vdb_);
    }
    // The identifier of a title, from a search's lines.
    static std::string IdOf(const std::string& out, const std::string& title) {
        std::smatch id;
        std::regex_search(out, id, std::regex("\n([0-9]+)\\|[0-9]*\\|" + title + "\\|"));
        return id.empty() ? "none" : id[1].str();
    }

    TempFolder folder_;
    std::string home_ = folder_ / "home";
    CliRunner cli_{home_};
    pid_t vdb_ = -1;
};

TEST_F(OnlineCommands, SearchAndAddWithCoversAsTheWizardDoes) {
    const CliRun search = cli_.Run({"online-search", "alien", "--sort", "year"});
    ASSERT_EQ(search.exit_code, 0) << search.err;
    EXPECT_TRUE(
        std::regex_match(search.out, std::regex("2\n[0-9]+\\|1979\\|Alien\\|00:00:00\\|\\|\n"
                                                "[0-9]+\\|1986\\|Aliens\\|00:00:00\\|\\|\n")))
        << search.out;
    EXPECT_EQ(cli_.Run({"online-search", "nothing like it"}).out, "0\n");
    ExpectFailure(cli_.Run({"online-search", "x", "--count", "51"}), "--count takes a number");

    const std::string db = WriteFilms(folder_ / "films.rdk", {{{"Title", "Heat"}}});
    const std::string alien = IdOf(search.out, "Alien");
    CliRun add = cli_.Run({"online-add", db, "alien", "--pick", alien});
    ASSERT_EQ(add.exit_code, 0) << add.err;
    EXPECT_EQ(add.out, "1 records added, 0 replaced, 1 of 1 covers stored\n");
    const CliRun heat = cli_.Run({"online-search", "heat"});
    add = cli_.Run(
        {"online-add", db, "heat", "--pick", IdOf(heat.out, "Heat"), "--on-duplicate", "replace"});
    EXPECT_EQ(add.out, "0 records added, 1 replaced, 1 of 1 covers stored\n") << add.err;
    std::vector<std::string> covers;
    for (const auto& file : std::filesystem::directory_iterator(folder_ / "films"))
        covers.push_back(file.path().extension().string());
    EXPECT_EQ(covers, (std::vector<std::string>{".jpg", ".jpg"}));
    EXPECT_EQ(cli_.Run({"online-add", db, "alien", "--pick", alien, "--wanted"}).out,
              "0 titles added to Wanted Videos\n");
    ExpectFailure(cli_.Run({"online-add", db, "alien", "--pick", "999999"}),
                  "result 999999 is not among the results found");

    const std::string locked =
        WriteFilms(folder_ / "locked.rdk", {{{"Title", "Heat"}}}, BossAndGuest());
    ExpectFailure(cli_.Run({"online-add", locked, "alien", "--pick", alien, "--user", "Guest",
                            "--password", "pw"}),
                  "needs an account with full access");
}

}  // namespace
