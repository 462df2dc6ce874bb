#include "cli/cli_database.h"

#include <filesystem>

#include "core/header_file.h"
#include "core/image_path_file.h"
#include "core/images.h"
#include "core/paths.h"
#include "core/record_file.h"
#include "core/wanted_file.h"

namespace cli {
namespace {

[[noreturn]] void Fail(const core::FileResult& result, const std::string& what) {
    throw CliError{what + " " + result.path + ": " + result.reason};
}

}  // namespace

int RequireLogin(const CliContext& context, const std::string& main_path,
                 const std::vector<core::UserAccount>& accounts) {
    if (accounts.empty()) return core::kFullAccess;
    const CliArguments& arguments = context.arguments;
    if (!arguments.user || !arguments.password) {
        throw CliError{main_path +
                       ": the database is password protected; give --user NAME --password PW"};
    }
    const core::UserAccount* account =
        core::FindLogin(accounts, *arguments.user, *arguments.password);
    if (!account) {
        throw CliError{main_path + ": incorrect user name or password (both are case-sensitive)"};
    }
    return account->Level == core::kFullAccess ? core::kFullAccess : core::kReadOnlyAccess;
}

core::DatabaseSet LoadDatabase(const CliContext& context, const core::DatabaseNames& names) {
    core::DatabaseSet set;
    if (!core::FileExists(names.main)) {
        Fail(core::FileResult::Failure(names.main, core::SystemErrorText(ENOENT)),
             "cannot read the database");
    }
    // A missing accounts file means no accounts; one that exists but cannot be read must not
    // open the database to everyone.
    if (core::FileResult r = core::ReadAccounts(set.accounts, names.accounts);
        !r && core::FileExists(names.accounts)) {
        Fail(r, "cannot read the accounts");
    }
    RequireLogin(context, names.main, set.accounts);

    if (core::FileResult r = core::ReadHeader(set.videos, names.header); !r) {
        Fail(r, "cannot read the column header");
    }
    platform::NoProgress quiet;
    core::RecordReadOptions options{context.config.place_the_in_back};
    if (core::FileResult r = core::ReadRecords(set.videos, names.main, context.clock, options, quiet);
        !r) {
        Fail(r, "cannot read the database");
    }
    if (core::FileExists(names.wanted)) {
        if (core::FileResult r = core::ReadWanted(set.wanted, names.wanted,
                                                  context.config.place_the_in_back, quiet);
            !r) {
            Fail(r, "cannot read the wanted list");
        }
    }
    core::ReadSortState(set.sort, names.sort);  // a missing file keeps the defaults
    std::optional<std::string> folder = core::ReadImagePathFile(names.images);
    set.image_folder = folder && core::FolderExists(*folder) ? *folder : names.base;
    return set;
}

void SaveDatabaseAs(core::DatabaseSet& set, const core::DatabaseNames& names) {
    platform::NoProgress quiet;
    if (core::FileResult r = core::WriteHeader(set.videos, names.header); !r) {
        Fail(r, "cannot write the column header");
    }
    if (core::FileResult r = core::WriteRecords(set.videos, names.main, quiet); !r) {
        Fail(r, "cannot write the database");
    }
    std::error_code error;
    std::filesystem::create_directories(names.base, error);
    for (const char* extension : {"gif", "jpg", "bmp"}) {
        core::CopyImages(set.image_folder, names.base, false, extension, quiet);
    }
    set.image_folder = names.base;
    if (core::FileResult r = core::WriteWanted(set.wanted, names.wanted, quiet); !r) {
        Fail(r, "cannot write the wanted list");
    }
    if (core::FileResult r = core::WriteImagePathFile(names.images, set.image_folder); !r) {
        Fail(r, "cannot write the image folder's path");
    }
    if (core::FileResult r = core::WriteSortState(set.sort, names.sort); !r) {
        Fail(r, "cannot write the sort order");
    }
    if (core::FileResult r = core::WriteAccounts(set.accounts, names.accounts); !r) {
        Fail(r, "cannot write the accounts");
    }
}

}  // namespace cli
