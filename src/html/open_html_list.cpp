#include "html/open_html_list.h"

#include <algorithm>
#include <filesystem>
#include <utility>

#include "config/recent_databases.h"
#include "core/paths.h"
#include "core/text.h"
#include "html/html_list_address.h"
#include "html/html_list_reader.h"

namespace html {
namespace {

using platform::Buttons;
using platform::Icon;

void TellDroppedHeadings(platform::Prompts& prompts, const std::vector<std::string>& dropped) {
    std::string names;
    for (const std::string& heading : dropped) names += "\n" + heading;
    prompts.Message(core::FormatText("These columns of the HTML list do not fit in a video list "
                                     "(at most 23 columns, seven of them your own, each name "
                                     "once) and were not loaded:\n%s",
                                     {names}),
                    "Reeldeck", Buttons::kOk, Icon::kWarning);
}

}  // namespace

const platform::FileFilter& HtmlFileFilter() {
    static const platform::FileFilter filter{"HTML files (*.htm, *.html)", "*.htm;*.html;"};
    return filter;
}

int OpenHtmlList(app::Session& session, app::DatabaseServices& services, const std::string& path,
                 const std::function<void()>& on_recognised) {
    HtmlListRead read;
    core::VideoList videos;
    if (!ReadHtmlListFile(path, videos, session.clock, services.progress, read)) return -1;
    if (!read.recognised) {
        services.prompts.Message(
            "The HTML file you are attempting to open is not a valid Reeldeck HTML list.",
            "Reeldeck", Buttons::kOk, Icon::kError);
        return 0;
    }
    if (on_recognised) on_recognised();
    session.Videos = std::move(videos);
    session.Wanted.Clear();
    session.Accounts.clear();
    // The rows stay in page order; the sort state names Date Added, as in a new database.
    session.Sort = {session.Videos.ColumnIndexOf(core::column_name::kDateAdded), 1};
    session.CurrentDatabasePath = path;
    session.ImageFolder.clear();
    // A page has no accounts: whoever opens it may change the list (and save it as a database).
    session.LoggedIn = true;
    session.AccessLevel = app::kFullAccess;
    session.Modified = false;
    session.NotifyLoginChanged();
    session.NotifyOpened();
    if (!read.dropped_headings.empty())
        TellDroppedHeadings(services.prompts, read.dropped_headings);
    return 1;
}

OpenHtmlListWindow::OpenHtmlListWindow(app::Session& session, app::DatabaseServices& services,
                                       platform::Downloader& downloader)
    : session_(session), services_(services), download_(downloader) {
    config::LoadHistory(history_, session.paths.html_list_history);
}

void OpenHtmlListWindow::SetText(std::string text) {
    text_ = std::move(text);
    if (selected_ >= 0 && history_[static_cast<std::size_t>(selected_)] != text_) selected_ = -1;
}

void OpenHtmlListWindow::SelectEntry(int index) {
    if (index < 0 || index >= static_cast<int>(history_.size())) return;
    selected_ = index;
    text_ = history_[static_cast<std::size_t>(index)];
}

bool OpenHtmlListWindow::TakeFocusRequest() {
    return std::exchange(focus_request_, false);
}

void OpenHtmlListWindow::Browse() {
    if (!browse_enabled_) return;
    if (std::optional<std::string> chosen = services_.prompts.OpenFile("Open", HtmlFileFilter())) {
        SetText(*chosen);
    }
}

void OpenHtmlListWindow::Cancel() {
    download_.Cancel();
    SaveHistory();
    closed_ = true;
}

void OpenHtmlListWindow::SaveHistory() const {
    config::SaveHistory(history_, session_.paths.html_list_history);
}

void OpenHtmlListWindow::TryAgain(const std::string& text) {
    if (selected_ >= 0) history_.erase(history_.begin() + selected_);
    selected_ = -1;
    text_ = text;
    focus_request_ = true;
}

void OpenHtmlListWindow::Ok(std::function<void()> finished) {
    if (!OkEnabled()) return;
    const std::string typed = text_;
    if (core::FileExists(typed)) {
        if (app::ConfirmCloseDatabase(session_, services_) != 1) return;
        Read(typed);
        return;
    }
    if (IsWebAddress(typed)) {
        auto same = std::find_if(history_.begin(), history_.end(), [&](const std::string& entry) {
            return core::EqualsNoCase(entry, typed);
        });
        if (same == history_.end()) same = history_.insert(history_.end(), typed);
        selected_ = static_cast<int>(same - history_.begin());
        if (app::ConfirmCloseDatabase(session_, services_) != 1) return;
        address_ = typed;
        StartDownload(std::move(finished));
        return;
    }
    services_.prompts.Message(
        "The file path does not exist or the URL specified\nis not properly formatted. The URL "
        "must begin\nwith \"http://\" and point to a Reeldeck HTML list.",
        "Reeldeck Tip", Buttons::kOk, Icon::kInformation);
    TryAgain(typed);
}

void OpenHtmlListWindow::Read(const std::string& path) {
    const int result = OpenHtmlList(session_, services_, path, [this] {
        SaveHistory();
        closed_ = true;
    });
    if (result == 0) TryAgain(path);
    browse_enabled_ = true;
}

void OpenHtmlListWindow::StartDownload(std::function<void()> finished) {
    const std::string folder = session_.paths.downloaded_lists;
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    local_file_ = core::JoinPath(folder, DownloadFileNameOf(address_));
    std::filesystem::remove(local_file_, error);
    downloading_ = true;
    browse_enabled_ = false;
    shown_percent_ = 0;
    services_.progress.Begin(100, "");
    if (!download_.Start(RequestAddressOf(address_, session_.clock), local_file_,
                         std::move(finished))) {
        downloading_ = false;
        services_.progress.End();
        DownloadFailed();
    }
}

void OpenHtmlListWindow::ShowDownloadProgress() {
    if (!downloading_) return;
    const int percent = download_.Percent();
    if (percent > shown_percent_) services_.progress.Step(percent - shown_percent_);
    shown_percent_ = std::max(shown_percent_, percent);
}

void OpenHtmlListWindow::DownloadFinished() {
    if (!downloading_) return;
    ShowDownloadProgress();
    download_.Cancel();  // joins the finished worker
    downloading_ = false;
    services_.progress.End();
    if (download_.Result()) {
        Read(local_file_);
        return;
    }
    DownloadFailed();
}

void OpenHtmlListWindow::DownloadFailed() {
    services_.prompts.Message(
        core::FormatText("An error occurred while attempting to open the requested HTML list:\n\n"
                         "URL:  %s\n\n1. No Internet connection\n2. URL path is incorrect\n3. URL "
                         "is case-sensitive",
                         {address_}),
        "Reeldeck", Buttons::kOk, Icon::kError);
    TryAgain(address_);
    browse_enabled_ = true;
}

}  // namespace html
