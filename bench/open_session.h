#pragma once

#include <string>

#include "app/database_commands.h"
#include "app/session.h"
#include "bench/silent_prompts.h"
#include "config/program_config.h"
#include "config/program_paths.h"
#include "config/recent_databases.h"
#include "core/dates.h"
#include "platform/progress.h"

namespace bench {

// A session as the program has it, over a benchmark's program folder, that opens databases
// without a word to the user and without showing progress.
struct OpenSession {
    explicit OpenSession(const std::string& program_folder)
        : paths(config::ProgramPaths::ForFolder(program_folder)),
          session(paths, config, recent, clock),
          services{prompts, progress, login} {}
    bool Open(const std::string& database) {
        return app::OpenDatabase(session, services, database) == 1;
    }
    config::ProgramPaths paths;
    config::ProgramConfig config;
    config::RecentDatabases recent;
    core::SystemClock clock;
    app::Session session;
    SilentPrompts prompts;
    platform::NoProgress progress;
    NoLogin login;
    app::DatabaseServices services;
};

}  // namespace bench
