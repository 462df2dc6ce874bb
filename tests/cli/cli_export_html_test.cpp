// The companion's export-html, on a database of two films.
#include <gtest/gtest.h>

#include <filesystem>

#include "cli_runner.h"
#include "sample_database.h"
#include "temp_folder.h"

namespace {

TEST(CliExportHtml, WritesThePagesWithTheNamedThemeAndRefusesOtherNames) {
    TempFolder folder;
    CliRunner cli(folder / "program");
    const std::string main = WriteFilms(
        folder / "films.rdk", {{{"Title", "Heat"}, {"Year", "1995"}}, {{"Title", "Alien"}}});
    std::filesystem::create_directories(folder / "program/cfg/hls");
    WriteFileBytes(folder / "program/cfg/hls/Clean.txt",
                   "[Reeldeck - Version 1.0 - HTML Theme]\n\nTITLE=Our Films\nBACKGROUND=255,255,"
                   "255\nLOGOSRC=|||\n");
    std::filesystem::create_directories(folder / "out");

    ExpectFailure(cli.Run({"export-html", main, folder / "out"}),
                  "cannot load the theme \"Default\"");
    ExpectFailure(cli.Run({"export-html", main, folder / "out", "--theme", "../Clean"}),
                  "is not a theme name");
    ExpectFailure(cli.Run({"export-html", main, folder / "out", "--theme", "None"}),
                  "cannot load the theme \"None\"");
    EXPECT_TRUE(std::filesystem::is_empty(folder / "out"));

    const CliRun run = cli.Run({"export-html", main, folder / "out", "--theme", "Clean", "--both"});
    ASSERT_EQ(run.exit_code, 0) << run.err;
    EXPECT_EQ(run.out, "Wrote " + folder / "out/myvideos.html" +
                           " (2 records)\nWanted Videos is empty: wanted.html not written\n");
    const std::string page = ReadFileBytes(folder / "out/myvideos.html");
    EXPECT_EQ(page.rfind("<!-- RDMVL -->\n<html>\n\n<head>\n\n<title>Reeldeck - Our Films (2)", 0),
              0u)
        << page.substr(0, 200);
    EXPECT_NE(page.find("bgcolor=\"#ffffff\""), std::string::npos);
    EXPECT_NE(page.find("/rd/1.0/action/list.pl?t=Heat\""), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(folder / "out/wanted.html"));
}

}  // namespace
