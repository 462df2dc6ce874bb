// reeldeck-cli: the headless companion of Reeldeck.
#include <functional>
#include <iostream>
#include <map>

#include "cli/commands.h"

namespace {

int Run(int argc, char** argv) {
    std::string error;
    std::optional<cli::CliArguments> arguments = cli::ParseArguments(argc, argv, error);
    if (!arguments) throw cli::CliError{error};
    if (arguments->Has("--help") || arguments->command.empty() || arguments->command == "help") {
        std::cout << cli::UsageText();
        return arguments->command.empty() && !arguments->Has("--help") ? 1 : 0;
    }

    const std::map<std::string, std::function<void(cli::CliContext&, std::ostream&)>> commands = {
        {"info", cli::RunInfo},
        {"copy", cli::RunCopy},
        {"new", cli::RunNew},
        {"sync", cli::RunSync},
        {"delete", cli::RunDelete},
        {"users", cli::RunUsers},
        {"sort", cli::RunSort},
        {"find", cli::RunFind},
        {"replace", cli::RunReplace},
        {"list", cli::RunList},
        {"export-html", cli::RunExportHtml},
        {"open-html", cli::RunOpenHtml},
        {"print", cli::RunPrint},
        {"import", cli::RunImport},
        {"import-wanted", cli::RunImportWanted},
        {"export-csv", cli::RunExportCsv},
        {"stats", cli::RunStats},
        {"online-search", cli::RunOnlineSearch},
        {"online-add", cli::RunOnlineAdd},
    };
    auto command = commands.find(arguments->command);
    if (command == commands.end()) {
        throw cli::CliError{"unknown command \"" + arguments->command + "\" (see --help)"};
    }

    cli::CliContext context(std::move(*arguments));
    command->second(context, std::cout);
    // Repairs made on the way (a regenerated header, a recreated wanted file) are worth knowing.
    for (const std::string& message : context.prompts().Messages()) {
        std::cerr << "reeldeck-cli: " << message << '\n';
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        return Run(argc, argv);
    } catch (const cli::CliError& error) {
        std::cerr << "reeldeck-cli: " << error.message << '\n';
    } catch (const std::exception& error) {
        std::cerr << "reeldeck-cli: " << error.what() << '\n';
    }
    return 1;
}
