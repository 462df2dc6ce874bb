// A wanted list file imported into Wanted Videos (a Filmfolio ".wff" or another database's
// ".rdkw"), into a list that already holds a few titles.
#include <cstddef>
#include <cstdint>

#include "app/session.h"
#include "core/dates.h"
#include "fuzz_input.h"
#include "imports/wanted_import.h"
#include "platform/progress.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const config::ProgramPaths paths =
        config::ProgramPaths::ForFolder(fuzz::ScratchFolder().string());
    config::ProgramConfig config;
    config::RecentDatabases recent;
    const core::FixedClock clock(1078617600);
    app::Session session(paths, config, recent, clock);
    session.CurrentDatabasePath = (fuzz::ScratchFolder() / "films.rdk").string();
    session.AccessLevel = app::kFullAccess;
    session.Wanted.Add("Alien");
    session.Wanted.Add("Birds, The");
    platform::NoProgress progress;
    imports::ImportWanted(session, fuzz::WriteInput(data, size, "wanted.wff").string(),
                          size % 2 == 1, progress, false);
    return 0;
}
