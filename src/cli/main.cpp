// reeldeck-cli: the headless companion of Reeldeck.
#include <cstdlib>
#include <functional>
#include <iostream>
#include <map>

#include "cli/commands.h"
#include "core/paths.h"

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
    };
    auto command = commands.find(arguments->command);
    if (command == commands.end()) {
        throw cli::CliError{"unknown command \"" + arguments->command + "\" (see --help)"};
    }

    cli::CliContext context;
    context.arguments = std::move(*arguments);
    context.paths = config::ProgramPaths::ForFolder(
        config::LocateProgramFolder(config::CurrentProgramFolderInputs()));
    // Without a configuration file the companion runs on the built-in settings.
    config::ReadConfig(context.config, context.paths.config);
    command->second(context, std::cout);
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
