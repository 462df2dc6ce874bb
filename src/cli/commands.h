#pragma once

#include <ostream>

#include "cli/cli_session.h"

namespace cli {

// Each command writes its report to `out` and throws CliError on failure.
void RunInfo(CliContext& context, std::ostream& out);
void RunCopy(CliContext& context, std::ostream& out);
void RunNew(CliContext& context, std::ostream& out);
void RunSync(CliContext& context, std::ostream& out);
void RunDelete(CliContext& context, std::ostream& out);
void RunUsers(CliContext& context, std::ostream& out);
void RunSort(CliContext& context, std::ostream& out);
void RunFind(CliContext& context, std::ostream& out);
void RunReplace(CliContext& context, std::ostream& out);
void RunList(CliContext& context, std::ostream& out);
void RunExportHtml(CliContext& context, std::ostream& out);
void RunOpenHtml(CliContext& context, std::ostream& out);
void RunPrint(CliContext& context, std::ostream& out);
void RunImport(CliContext& context, std::ostream& out);
void RunImportWanted(CliContext& context, std::ostream& out);
void RunExportCsv(CliContext& context, std::ostream& out);
void RunStats(CliContext& context, std::ostream& out);
void RunOnlineSearch(CliContext& context, std::ostream& out);
void RunOnlineAdd(CliContext& context, std::ostream& out);

// The column named by the user: exactly, or else ignoring case. Throws naming the choices when
// there is none.
int ColumnNamed(CliContext& context, const std::string& name);
// Writes the open database under its own name; throws on failure.
void SaveOpenDatabase(CliContext& context);

// Throws a usage error unless the command got exactly `count` operands.
void RequireOperands(const CliContext& context, std::size_t count, const char* usage);
// Throws unless the (existing or new) database at `main_path` may be replaced: it has no
// accounts, or the login gives full access to it.
void RequireFullAccessTo(CliContext& context, const std::string& main_path);

}  // namespace cli
