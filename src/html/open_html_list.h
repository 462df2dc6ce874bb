#pragma once

#include <functional>
#include <string>
#include <vector>

#include "app/database_commands.h"
#include "app/image_download.h"
#include "app/session.h"
#include "platform/downloader.h"
#include "platform/prompts.h"

// Opening a My Videos page as the open database, and the Open HTML List window that asks for
// the page: a file on the computer or the network, or a web address that is downloaded first.
namespace html {

// "HTML files (*.htm, *.html)".
const platform::FileFilter& HtmlFileFilter();

// Reads the page at `path` into the session, which has no database open. Returns 1 when the
// page is a list: it is the open database now, under the page's path, with an empty Wanted
// Videos list (headings that found no column are named in a message). Returns 0 for a page
// that is not a list, after saying so; -1 when the file cannot be read (nothing is said).
int OpenHtmlList(app::Session& session, app::DatabaseServices& services, const std::string& path,
                 const std::function<void()>& on_recognised = {});

// What the window does: its field, its history (cfg/rhl.txt), its buttons, and the download.
// The widget shows this state and forwards the user's input; the download's end arrives on the
// worker thread, and the widget calls DownloadFinished() on its own thread.
class OpenHtmlListWindow {
  public:
    OpenHtmlListWindow(app::Session& session, app::DatabaseServices& services,
                       platform::Downloader& downloader);

    const std::string& Text() const { return text_; }
    // The user typed into the field.
    void SetText(std::string text);
    const std::vector<std::string>& History() const { return history_; }
    // The entry shown in the field, or -1.
    int SelectedEntry() const { return selected_; }
    // The user chose a history entry.
    void SelectEntry(int index);

    bool OkEnabled() const { return !text_.empty() && !downloading_; }
    bool BrowseEnabled() const { return browse_enabled_; }
    bool Downloading() const { return downloading_; }
    // The page was recognised, or Cancel was pressed: the window goes away.
    bool Closed() const { return closed_; }
    // True once after the field should get the focus with its text selected.
    bool TakeFocusRequest();

    void Browse();
    void Cancel();
    // Opens the page of the field. A web address is downloaded on a worker thread; `finished`
    // is called on that thread when the download ends.
    void Ok(std::function<void()> finished);
    void DownloadFinished();
    // Shows how far the download has come; called on the window's thread while it runs.
    void ShowDownloadProgress();

  private:
    void Read(const std::string& path);
    void StartDownload(std::function<void()> finished);
    void DownloadFailed();
    // After a failure: the chosen entry goes, the text returns to the field for another try.
    void TryAgain(const std::string& text);
    void SaveHistory() const;

    app::Session& session_;
    app::DatabaseServices& services_;
    app::ImageDownload download_;
    std::string text_;
    std::vector<std::string> history_;
    int selected_ = -1;
    std::string address_;
    std::string local_file_;
    int shown_percent_ = 0;
    bool downloading_ = false;
    bool browse_enabled_ = true;
    bool closed_ = false;
    bool focus_request_ = false;
};

}  // namespace html
