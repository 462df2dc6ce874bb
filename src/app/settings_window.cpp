#include "app/settings_window.h"

#include <filesystem>

#include "core/accounts_file.h"
#include "core/database_files.h"
#include "core/image_path_file.h"
#include "core/images.h"
#include "core/paths.h"
#include "core/text.h"

namespace app {
namespace {

using C = config::ProgramConfig;

const SettingsCheckBox kGeneral[] = {
    {"Confirm before deleting items (Recommended)", &C::prompt_before_delete},
    {"Remove associated images when deleting video records", &C::auto_delete_images},
    {"Remove matching titles from wanted list when adding video records", &C::auto_delete_wanted},
    {"When adding video titles replace \"The Title\" with \"Title, The\"", &C::place_the_in_back},
    {"Auto-activate child windows based on mouse movement", &C::window_auto_activate},
    {"Show splash screen when starting Reeldeck", &C::show_splash_at_startup},
    {"Show Tips and Tricks when starting Reeldeck", &C::show_tips_at_startup},
    {"Enable video details QuickFind Links", &C::video_details_links_active},
    {"Update Reeldeck Video Database when rating videos ", &C::video_list_rank_online},
    {"Keep a backup of the database's previous files when saving", &C::keep_backup},
};

const SettingsCheckBox kMyVideos[] = {
    {"Autosize", &C::video_list_autosize_columns},
    {"Gridlines", &C::video_list_grid_visible},
    {"Balloons", &C::image_browser_show_tip_info},
};

const LayoutPane kPanes[] = {
    {"Status Bar", &C::status_bar_visible, nullptr},
    {"Text Replace", &C::replace_window_visible, &C::replace_window_docked},
    {"Text Search", &C::search_window_visible, &C::search_window_docked},
    {"Tool Bar", &C::tool_bar_visible, nullptr},
    {"Video Details", &C::video_details_visible, &C::video_details_docked},
    {"Video Player", &C::video_player_visible, &C::video_player_docked},
    {"Wanted Videos", &C::wanted_videos_visible, &C::wanted_videos_docked},
};

std::string CountText(int count, const char* noun) {
    return core::FormatText("%d %s", {std::to_string(count), noun});
}

}  // namespace

std::string SettingsHelpTopic(SettingsPage page) {
    static const char* const kAnchors[] = {"general", "my-videos", "layout", "database"};
    return std::string("settings.html#") + kAnchors[static_cast<int>(page)];
}

std::span<const SettingsCheckBox> GeneralCheckBoxes() {
    return kGeneral;
}
std::span<const SettingsCheckBox> MyVideosCheckBoxes() {
    return kMyVideos;
}
std::span<const LayoutPane> LayoutPanes() {
    return kPanes;
}

SettingsWindow::SettingsWindow(Session& session, platform::Prompts& prompts)
    : session_(session),
      prompts_(prompts),
      options_(session.config),
      columns_(session.Videos.Columns()),
      protect_(!session.Accounts.empty()),
      accounts_(session.Accounts) {
    SetImageFolder(session.ImageFolder);
}

std::string SettingsWindow::RecordCountText() const {
    return CountText(session_.Videos.RowCount(), "Records");
}

std::string SettingsWindow::ImageCountText() const {
    return CountText(image_count_, "Files");
}

void SettingsWindow::SetImageFolder(std::string folder) {
    image_folder_ = std::move(folder);
    image_count_ = image_folder_.empty() ? 0 : core::CountImageFiles(image_folder_);
}

void SettingsWindow::ChangeImageFolder() {
    if (!DatabasePageEnabled()) return;
    std::optional<std::string> folder =
        prompts_.ChooseFolder("Select a folder to store video images:", image_folder_);
    if (folder && !folder->empty()) SetImageFolder(*folder);
}

void SettingsWindow::RestoreDefaultImageFolder() {
    if (!DatabasePageEnabled()) return;
    const std::string folder = core::StripExtension(session_.CurrentDatabasePath);
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    SetImageFolder(folder);
}

UsersWindow SettingsWindow::MakeUsersWindow() const {
    return UsersWindow(accounts_, session_.CurrentUserName, session_.CurrentPassword, prompts_);
}

void SettingsWindow::UsersClosed(const UsersWindow& users, bool accepted) {
    if (accepted) accounts_ = users.Accounts();
    if (accounts_.empty()) protect_ = false;
}

bool SettingsWindow::Apply() {
    config::ProgramConfig& config = session_.config;
    for (const SettingsCheckBox& box : kGeneral) config.*box.option = options_.*box.option;
    for (const SettingsCheckBox& box : kMyVideos) config.*box.option = options_.*box.option;
    const bool columns_changed = ApplyColumns();
    for (const LayoutPane& pane : kPanes) {
        config.*pane.shown = options_.*pane.shown;
        if (pane.docked) config.*pane.docked = options_.*pane.docked;
    }
    // Kept at once, not only at exit, so that a run that does not end normally keeps them.
    const core::FileResult written = config::WriteConfig(config, session_.paths.config);
    if (!written) {
        prompts_.Message(core::FormatText("Error saving configuration settings to:\n%s.\n%s.",
                                          {written.path, written.reason}),
                         "Error", platform::Buttons::kOk, platform::Icon::kError);
    }
    if (session_.IsOpen()) ApplyDatabase();
    return columns_changed;
}

bool SettingsWindow::ApplyColumns() {
    core::VideoList& videos = session_.Videos;
    bool changed = false;
    for (const core::VideoColumn& edited : columns_.Columns()) {
        if (edited.ListIndex < 0 || edited.ListIndex >= videos.ColumnCount()) continue;
        core::VideoColumn& column = videos.MutableColumn(edited.ListIndex);
        core::VideoColumn updated = edited;
        updated.Width = column.Width;
        if (updated.Visible && !column.Visible && updated.Width == 0) {
            updated.Width = kShownColumnWidth;
        }
        if (updated == column) continue;
        column = updated;
        changed = true;
    }
    // The column layout is saved with the database; an unchanged one leaves nothing to save.
    if (changed) session_.Modified = true;
    return changed;
}

void SettingsWindow::ApplyDatabase() {
    const core::DatabaseNames names = core::DatabaseNamesOf(session_.CurrentDatabasePath);
    auto report = [this](const core::FileResult& result) {
        if (result) return;
        prompts_.Message(
            core::FormatText("Error saving database:\n%s.\n%s.", {result.path, result.reason}),
            "Error", platform::Buttons::kOk, platform::Icon::kError);
    };

    std::string folder = image_folder_.empty() ? names.base : image_folder_;
    if (folder != session_.ImageFolder) {
        std::error_code error;
        std::filesystem::create_directories(folder, error);
        if (error) {
            report(core::FileResult::Failure(folder, core::SystemErrorText(error.value())));
        } else {
            session_.ImageFolder = folder;
            report(core::WriteImagePathFile(names.images, folder));
        }
    }

    std::vector<core::UserAccount> accounts =
        protect_ ? accounts_ : std::vector<core::UserAccount>{};
    if (accounts != session_.Accounts || !core::FileExists(names.accounts)) {
        session_.Accounts = std::move(accounts);
        report(core::WriteAccounts(session_.Accounts, names.accounts));
        session_.NotifyLoginChanged();
    }
}

}  // namespace app
