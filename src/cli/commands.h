#pragma once

#include <ostream>

#include "cli/cli_database.h"

namespace cli {

// Each command writes its report to `out` and throws CliError on failure.
void RunInfo(CliContext& context, std::ostream& out);
void RunCopy(CliContext& context, std::ostream& out);

}  // namespace cli
