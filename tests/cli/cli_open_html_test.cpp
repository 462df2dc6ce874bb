#include <gtest/gtest.h>

#include <filesystem>

#include "cli_runner.h"
#include "local_http_server.h"
#include "temp_folder.h"

namespace {

namespace fs = std::filesystem;

const std::string kPage = ReadFileBytes(REELDECK_TEST_DATA "/reader-html-my-videos.html");

using CliOpenHtmlTest = CliTest;

TEST_F(CliOpenHtmlTest, PageFileBecomesADatabaseAndOtherPagesWriteNothing) {
    WriteFileBytes(folder_ / "films.html", kPage);
    CliRun run = cli_.Run({"open-html", folder_ / "films.html", folder_ / "films"});
    ASSERT_EQ(run.exit_code, 0) << run.err;
    EXPECT_NE(run.out.find("Read 3 records"), std::string::npos) << run.out;
    EXPECT_NE(ReadFileBytes(folder_ / "films.rdk").find("Say \"Hi\" & Bye\n"), std::string::npos);
    EXPECT_EQ(ReadFileBytes(folder_ / "films.rdkw"), "");

    ExpectFailure(cli_.Run({"open-html", folder_ / "films.html", folder_ / "films.rdk"}),
                  "add --yes");
    const auto before = Files(folder_.path());
    WriteFileBytes(folder_ / "wanted.html",
                   ReadFileBytes(REELDECK_TEST_DATA "/reader-html-wanted.html"));
    ExpectFailure(cli_.Run({"open-html", folder_ / "wanted.html", folder_ / "other.rdk"}),
                  "The HTML file you are attempting to open is not a valid Reeldeck HTML list.");
    EXPECT_FALSE(fs::exists(folder_ / "other.rdk"));
    EXPECT_EQ(Files(folder_.path()).size(), before.size() + 1);
}

TEST_F(CliOpenHtmlTest, DownloadedPagesStayInsideTheDownloadFolder) {
    LocalHttpServer server;
    std::string query;
    server.server().Get(R"(/lists/.*)",
                        [&](const httplib::Request& request, httplib::Response& response) {
                            query = request.get_param_value("t");
                            response.set_content(kPage, "text/html");
                        });
    ASSERT_TRUE(server.Start());
    CliRun run = cli_.Run(
        {"open-html", server.Url("/lists/..%2F..%2Fcfg%2Fcfg.txt"), folder_ / "films.rdk"});
    ASSERT_EQ(run.exit_code, 0) << run.err;
    EXPECT_FALSE(query.empty());
    EXPECT_EQ(ReadFileBytes(folder_ / "program/dlrdhtml/..2F..2Fcfg2Fcfg.txt"), kPage);
    EXPECT_TRUE(fs::exists(folder_ / "films.rdkh"));

    ExpectFailure(cli_.Run({"open-html", server.Url("/missing.html"), folder_ / "x.rdk"}), "404");
}

}  // namespace
