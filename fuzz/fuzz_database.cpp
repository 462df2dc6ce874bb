// A whole database, its files cut from the input, put through the companion's commands as a user
// runs them one after another: read, search, statistics, HTML export, sort, replace and copy.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include <stdlib.h>

#include "cli/commands.h"
#include "fuzz_input.h"

namespace {

// The input holds the database's files in this order, separated by the byte 0x01.
constexpr const char* kFileSuffixes[] = {"", "h", "w", "s", "a"};
constexpr char kSeparator = '\x01';

void WriteDatabase(std::string_view input, const std::filesystem::path& main) {
    std::filesystem::create_directories(main.parent_path());
    std::size_t start = 0;
    for (const char* suffix : kFileSuffixes) {
        const std::size_t end = std::min(input.find(kSeparator, start), input.size());
        std::ofstream(main.string() + suffix, std::ios::binary)
            << input.substr(std::min(start, input.size()), end - std::min(start, input.size()));
        start = end + 1;
    }
    // The image folder is the default one: a path in the input could name any folder.
    std::ofstream(main.string() + "i", std::ios::binary);
}

void RunCommand(void (*command)(cli::CliContext&, std::ostream&), std::string name,
                std::vector<std::string> operands, std::vector<std::string> flags = {}) {
    cli::CliArguments arguments;
    arguments.command = std::move(name);
    arguments.operands = std::move(operands);
    arguments.flags = std::move(flags);
    arguments.user = "admin";
    arguments.password = "secret";
    std::ostringstream out;
    try {
        cli::CliContext context(std::move(arguments));
        command(context, out);
    } catch (const cli::CliError&) {
        // Refused input is reported and the command ends, as the program does.
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::filesystem::path folder = fuzz::ScratchFolder() / "database";
    static const bool private_home = [&] {
        // The per-user files (recent list, settings) stay in the scratch folder.
        ::setenv("XDG_DATA_HOME", (fuzz::ScratchFolder() / "home").c_str(), 1);
        ::setenv("XDG_CONFIG_HOME", (fuzz::ScratchFolder() / "home").c_str(), 1);
        return true;
    }();
    (void)private_home;
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    const std::string main = (folder / "films.rdk").string();
    WriteDatabase(fuzz::Text(data, size), main);

    RunCommand(cli::RunInfo, "info", {main});
    RunCommand(cli::RunUsers, "users", {main});
    RunCommand(cli::RunList, "list", {main, "duplicates"}, {"--by-year"});
    RunCommand(cli::RunList, "list", {main, "flagged"});
    RunCommand(cli::RunFind, "find", {main, "the"});
    RunCommand(cli::RunStats, "stats", {main});
    RunCommand(cli::RunExportHtml, "export-html", {main, (folder / "html").string()});
    RunCommand(cli::RunSort, "sort", {main, "Title"}, {"--descending"});
    RunCommand(cli::RunReplace, "replace", {main, "e", "E"});
    RunCommand(cli::RunCopy, "copy", {main, (folder / "copy.rdk").string()});
    RunCommand(cli::RunInfo, "info", {(folder / "copy.rdk").string()});
    return 0;
}
