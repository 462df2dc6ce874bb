// reeldeck-vdb run as a user runs it: a new catalogue filled at the first start, the import
// command, refusals, and a clean stop on SIGTERM.
#include <gtest/gtest.h>
#include <httplib.h>
#include <signal.h>

#include "child_process.h"

namespace {

class Program : public ::testing::Test {
  protected:
    pid_t Start(std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(), REELDECK_VDB);
        return StartProcess(arguments, folder_ / "out", folder_ / "err");
    }
    int Wait(pid_t pid) { return WaitForExit(pid); }
    int Run(const std::vector<std::string>& arguments) { return Wait(Start(arguments)); }

    TempFolder folder_;
};

TEST_F(Program, FillsANewCatalogueServesItAndStopsOnRequest) {
    WriteFileBytes(folder_ / "films.csv", "Title,Year\nAlien,1979\nAliens,1986\n");
    WriteFileBytes(folder_ / "more.csv", "Title,Year\nAlien,1979\nThe Abyss,1989\n");
    const std::string database = folder_ / "db/catalogue.sqlite";
    EXPECT_EQ(Run({"import", folder_ / "more.csv", "--database", database, "--films",
                   folder_ / "films.csv"}),
              0);
    EXPECT_EQ(ReadFileBytes(folder_ / "out"),
              folder_ / "films.csv: 2 titles added, 0 already present\n" +
                  folder_ / "more.csv: 1 titles added, 1 already present\n");

    const pid_t pid = Start({"--port", "0", "--database", database});
    ASSERT_GT(pid, 0);
    const std::string port =
        WaitForOutput(folder_ / "out", "serving http://127\\.0\\.0\\.1:([0-9]+)/");
    ASSERT_FALSE(port.empty()) << ReadFileBytes(folder_ / "out");
    httplib::Client client("127.0.0.1", std::stoi(port));
    const httplib::Result result = client.Get("/rd/1.0/action/list.pl?f=&c=All&s=Year&l=50");
    ASSERT_TRUE(result);
    EXPECT_EQ(result->body.substr(0, 2), "3\n");
    kill(pid, SIGTERM);
    EXPECT_EQ(Wait(pid), 0);
    EXPECT_NE(ReadFileBytes(folder_ / "out").find("reeldeck-vdb: stopped"), std::string::npos);
}

TEST_F(Program, RefusesBadInputWithAClearMessage) {
    WriteFileBytes(folder_ / "bad.csv", "Title,Price\n");
    const struct {
        std::vector<std::string> arguments;
        int status;
        std::string message;
    } cases[] = {
        {{"import", folder_ / "bad.csv", "--database", folder_ / "c.sqlite"},
         1,
         "reeldeck-vdb: " + folder_ / "bad.csv, line 1: unknown column \"Price\" in the header\n"},
        {{"--port", "70000"},
         2,
         "reeldeck-vdb: --port takes a number from 0 to 65535 (see --help)\n"},
        {{"--colour", "red"}, 2, "reeldeck-vdb: unknown option \"--colour\" (see --help)\n"},
        {{"import"}, 2, "reeldeck-vdb: import needs the CSV file to read (see --help)\n"},
        {{"--port", "1", "--address", "256.1.1.1", "--database", folder_ / "c.sqlite"},
         1,
         "reeldeck-vdb: cannot listen on 256.1.1.1 port 1 (is the address right and the port "
         "free?)\n"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Run(c.arguments), c.status) << c.arguments[0];
        EXPECT_NE(ReadFileBytes(folder_ / "err").find(c.message), std::string::npos)
            << ReadFileBytes(folder_ / "err");
    }
}

}  // namespace
