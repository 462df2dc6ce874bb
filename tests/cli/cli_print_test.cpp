// The companion's print command: the print pages written as HTML files.
#include <gtest/gtest.h>

#include <filesystem>

#include "cli_runner.h"
#include "sample_database.h"
#include "temp_folder.h"

namespace {

TEST(CliPrint, WritesThePrintPagesInTheLayoutAskedFor) {
    TempFolder folder;
    CliRunner cli(folder / "program");
    const std::string main =
        WriteFilms(folder / "films.rdk", {{{"Title", "Heat"}, {"Cast", "Al Pacino"}},
                                          {{"Title", "Alien"}, {"Synopsis", "In space"}}});
    const std::string page = folder / "page.html";

    CliRun run = cli.Run({"print", main, "--html", page});
    ASSERT_EQ(run.exit_code, 0) << run.err;
    std::string html = ReadFileBytes(page);
    EXPECT_EQ(html.rfind("<html><head><title>Reeldeck - My Videos (2)</title>", 0), 0u);
    // Two titles leave their row open, as any last row of one or two.
    EXPECT_NE(html.find("</span></td><tr><td valign=\"top\" colspan=\"3\">"), std::string::npos);

    run = cli.Run({"print", main, "--html", page, "--full-records", "--no-images"});
    ASSERT_EQ(run.exit_code, 0) << run.err;
    html = ReadFileBytes(page);
    EXPECT_NE(html.find("<u>Starring</u>"), std::string::npos);
    EXPECT_EQ(html.find("<img"), std::string::npos);

    // The sample has no wanted titles: alone that is an error, with --both it is skipped.
    ExpectFailure(cli.Run({"print", main, "--html", page, "--wanted"}),
                  "The Wanted Video list is empty");
    run = cli.Run({"print", main, "--html", folder / "both.html", "--both"});
    EXPECT_EQ(run.exit_code, 0) << run.err;
    EXPECT_TRUE(std::filesystem::exists(folder / "both.html"));
    EXPECT_FALSE(std::filesystem::exists(folder / "both-wanted.html"));

    ExpectFailure(cli.Run({"print", main, "--html", folder / "none/page.html"}), "cannot write");
}

// PDF files come from reeldeck-pdf, which is built with the desktop program.
TEST(CliPrint, PrintsPdfFilesThroughTheDesktopProgramsPrinter) {
    TempFolder folder;
    CliRunner cli(folder / "program");
    const std::string main = WriteFilms(folder / "films.rdk", {{{"Title", "Heat"}}});
    const std::filesystem::path pdf = folder / "films.pdf";
    const bool printer_built =
        std::filesystem::exists(std::filesystem::path(REELDECK_CLI).parent_path() / "reeldeck-pdf");

    CliRun run = cli.Run({"print", main, "--pdf", pdf, "--both"});
    if (!printer_built) {
        ExpectFailure(run, "printing to PDF needs reeldeck-pdf");
        return;
    }
    ASSERT_EQ(run.exit_code, 0) << run.err;
    EXPECT_EQ(ReadFileBytes(pdf).rfind("%PDF-", 0), 0u);
    EXPECT_FALSE(std::filesystem::exists(folder / "films-wanted.pdf"));  // no wanted titles

    // A folder that does not exist: an error, and no part file or temporary page left behind.
    ExpectFailure(cli.Run({"print", main, "--pdf", folder / "none/films.pdf"}),
                  "could not be printed");
    EXPECT_FALSE(std::filesystem::exists(folder / "none"));
    ExpectFailure(cli.Run({"print", main, "--pdf", pdf, "--html", folder / "films.html"}),
                  "usage:");
}

}  // namespace
