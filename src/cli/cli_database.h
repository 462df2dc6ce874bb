#pragma once

#include <string>

#include "cli/cli_arguments.h"
#include "config/program_config.h"
#include "config/program_paths.h"
#include "core/database_files.h"
#include "core/database_set.h"
#include "core/dates.h"

namespace cli {

// A failure to report: one line on standard error, exit status 1.
struct CliError {
    std::string message;
};

// What every command works with: the program's files and settings, and the clock.
struct CliContext {
    config::ProgramPaths paths;
    config::ProgramConfig config;
    core::SystemClock clock;
    CliArguments arguments;
};

// Checks the login of a protected database with --user and --password as the login window does;
// returns the access level (2 for a database without accounts). Throws CliError.
int RequireLogin(const CliContext& context, const std::string& main_path,
                 const std::vector<core::UserAccount>& accounts);

// Reads a whole database (accounts first, with the login check). Throws CliError.
core::DatabaseSet LoadDatabase(const CliContext& context, const core::DatabaseNames& names);

// Writes a whole database under `names`, taking the images from the set's image folder into
// the new database's own folder. Throws CliError.
void SaveDatabaseAs(core::DatabaseSet& set, const core::DatabaseNames& names);

}  // namespace cli
