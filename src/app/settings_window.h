#pragma once

#include <span>
#include <string>
#include <vector>

#include "app/session.h"
#include "app/settings_columns.h"
#include "app/users_window.h"
#include "platform/prompts.h"

namespace app {

// The pages of the Settings window, in their order.
enum class SettingsPage { kGeneral, kMyVideos, kLayout, kDatabase };
constexpr int kSettingsPageCount = 4;

// The guide's section of a page ("settings.html#layout").
std::string SettingsHelpTopic(SettingsPage page);

using ConfigSwitch = bool config::ProgramConfig::*;

// A check box and the option it edits.
struct SettingsCheckBox {
    const char* label;
    ConfigSwitch option;
};
// The "General" page, in its order.
std::span<const SettingsCheckBox> GeneralCheckBoxes();
// The "My Videos" page: "Autosize" and "Gridlines" (list view), "Balloons" (image view).
std::span<const SettingsCheckBox> MyVideosCheckBoxes();

// A pane of the "Layout" page: whether it is shown and, where it can float, whether it is docked.
struct LayoutPane {
    const char* label;
    ConfigSwitch shown;
    ConfigSwitch docked;  // null: always docked
};
std::span<const LayoutPane> LayoutPanes();

// A newly shown column whose stored width is 0 gets this width, so that showing it shows it.
constexpr int kShownColumnWidth = 100;

// The "Settings" window. It edits copies of the options, the column table and the accounts;
// nothing changes until Apply (or OK, which applies and closes). Cancel leaves everything as it
// was.
class SettingsWindow {
  public:
    SettingsWindow(Session& session, platform::Prompts& prompts);

    // ---- "General", "My Videos" check boxes and "Layout" ----
    bool Option(ConfigSwitch option) const { return options_.*option; }
    void SetOption(ConfigSwitch option, bool on) { options_.*option = on; }

    // ---- "My Videos" column lists ----
    SettingsColumns& Columns() { return columns_; }
    const SettingsColumns& Columns() const { return columns_; }
    // "Change": the selected custom column takes the name (see SettingsColumns::Rename).
    bool RenameColumn(const std::string& name) { return columns_.Rename(name, prompts_); }

    // ---- "Database" ----
    // The page is meaningful only while a database is open.
    bool DatabasePageEnabled() const { return session_.IsOpen(); }
    const std::string& DatabaseFile() const { return session_.CurrentDatabasePath; }
    // "12 Records".
    std::string RecordCountText() const;
    const std::string& ImageFolder() const { return image_folder_; }
    // "3 Files": the ".gif", ".jpg" and ".bmp" files of the folder.
    std::string ImageCountText() const;
    // "Change": a folder chooser.
    void ChangeImageFolder();
    // "Restore Default": the folder beside the main file, created when missing.
    void RestoreDefaultImageFolder();

    bool PasswordProtect() const { return protect_; }
    void SetPasswordProtect(bool on) { protect_ = on; }
    bool UsersEnabled() const { return protect_ && DatabasePageEnabled(); }
    // The "Users" window over the working copy of the accounts.
    UsersWindow MakeUsersWindow() const;
    // The Users window closed: with OK its list becomes the working copy. Without accounts the
    // protection is off.
    void UsersClosed(const UsersWindow& users, bool accepted);
    const std::vector<core::UserAccount>& Accounts() const { return accounts_; }

    // ---- Apply ----
    // Stores every page into the program (and writes cfg.txt) and the open database. Returns
    // whether the column table changed (the list must show it); files that cannot be written
    // are reported.
    bool Apply();

  private:
    bool ApplyColumns();
    void ApplyDatabase();
    void SetImageFolder(std::string folder);

    Session& session_;
    platform::Prompts& prompts_;
    config::ProgramConfig options_;
    SettingsColumns columns_;
    std::string image_folder_;
    int image_count_ = 0;
    bool protect_ = false;
    std::vector<core::UserAccount> accounts_;
};

}  // namespace app
