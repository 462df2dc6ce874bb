#include <filesystem>

#include "cli/commands.h"
#include "core/accounts_file.h"
#include "core/database_files.h"
#include "core/paths.h"
#include "html/html_list_address.h"
#include "html/open_html_list.h"
#include "platform/curl_downloader.h"

namespace cli {
namespace {

// Fetches a page into the program's download folder, as the desktop program does; returns the
// local copy.
std::string DownloadPage(CliContext& context, const std::string& address) {
    const std::string folder = context.paths().downloaded_lists;
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    const std::string local = core::JoinPath(folder, html::DownloadFileNameOf(address));
    platform::CurlDownloader downloader;
    platform::DownloadResult result = downloader.DownloadToFile(
        html::RequestAddressOf(address, context.session().clock), local, {}, {});
    if (!result) throw CliError{address + ": " + result.reason};
    return local;
}

}  // namespace

// Like Save As in the desktop program, the new database keeps the accounts of a database it
// replaces, and replacing one needs --yes (and full access to it when it is protected).
void RunOpenHtml(CliContext& context, std::ostream& out) {
    RequireOperands(context, 2, "open-html PAGE NEWDB");
    const std::string page = context.arguments().operands[0];
    const core::DatabaseNames target = core::DatabaseNamesOf(context.arguments().operands[1]);
    if (core::FileExists(target.main) && !context.arguments().Has("--yes")) {
        throw CliError{target.main + ": a database of that name exists; add --yes to replace it"};
    }
    RequireFullAccessTo(context, target.main);

    const bool web = !core::FileExists(page) && html::IsWebAddress(page);
    const std::string local = web ? DownloadPage(context, page) : page;
    app::Session& session = context.session();
    const int read = html::OpenHtmlList(session, context.services(), local);
    if (read == -1) throw CliError{local + ": the file cannot be read"};
    if (read == 0) {
        std::error_code error;
        if (web) std::filesystem::remove(local, error);
        context.Fail(page);
    }
    core::ReadAccounts(session.Accounts, target.accounts);
    if (app::SaveDatabase(session, context.services(), target.main) != 1) context.Fail(target.main);
    out << "Read " << session.Videos.RowCount() << " records from " << page << " into "
        << target.main << '\n';
}

}  // namespace cli
