#include "app/settings_window.h"

#include <gtest/gtest.h>

#include "app_test.h"
#include "core/image_path_file.h"

namespace {

using Side = app::SettingsColumns::Side;

// Title and Year visible, Misc hidden, a custom Format visible; "#" cannot be toggled.
std::vector<core::VideoColumn> SmallTable() {
    std::vector<core::VideoColumn> columns;
    for (const char* name : {"#", "Title", "Misc", "Year", "Format"}) {
        const int index = static_cast<int>(columns.size());
        columns.push_back(core::BuiltInColumn(name, index, index));
    }
    columns[2].Visible = false;
    return columns;
}

TEST(SettingsColumnsTest, ShowingAndHidingKeepTheListRulesAndOneVisibleColumn) {
    app::SettingsColumns lists(SmallTable());
    EXPECT_EQ(lists.Visible(), (std::vector<int>{1, 3, 4}));
    EXPECT_EQ(lists.Hidden(), (std::vector<int>{2}));

    lists.Select(Side::kHidden, 0);
    lists.Show();  // back into ListIndex order, still selected
    EXPECT_EQ(lists.Visible(), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(lists.SelectedSide(), Side::kVisible);
    EXPECT_EQ(lists.SelectedColumn(), 2);

    for (int list_index : {3, 1, 4}) {  // hidden columns are appended, selected
        lists.Select(Side::kVisible, static_cast<int>(std::find(lists.Visible().begin(),
                                                                lists.Visible().end(), list_index) -
                                                      lists.Visible().begin()));
        lists.Hide();
        EXPECT_EQ(lists.Hidden().back(), list_index);
        EXPECT_EQ(lists.SelectedColumn(), list_index);
    }
    lists.Select(Side::kVisible, 0);
    EXPECT_FALSE(lists.HideEnabled());
    lists.Hide();  // the only visible column stays
    EXPECT_EQ(lists.Visible(), (std::vector<int>{2}));
    EXPECT_FALSE(lists.Column(1).Visible);
}

TEST(SettingsColumnsTest, OnlyCustomColumnsTakeNewUniqueNames) {
    struct Case {
        const char* name;
        bool renamed;
        bool refused;  // the duplicate tip is shown
    };
    const Case cases[] = {{"Media", true, false}, {"fORMAT", true, false}, {"title", false, true},
                          {"#", false, true},     {"", false, false},      {"   ", false, false}};
    for (const Case& c : cases) {
        ScriptedPrompts prompts;
        app::SettingsColumns lists(SmallTable());
        lists.Select(Side::kVisible, 0);  // Title: built in
        EXPECT_FALSE(lists.RenameEnabled());
        EXPECT_EQ(lists.NameFieldText(), "");
        lists.Select(Side::kVisible, 2);
        EXPECT_EQ(lists.NameFieldText(), "Format");
        EXPECT_EQ(lists.Rename(c.name, prompts), c.renamed) << c.name;
        EXPECT_EQ(lists.Column(4).Name, c.renamed ? c.name : "Format");
        EXPECT_EQ(prompts.Texts(),
                  c.refused ? Texts{"Duplicate column titles are not allowed."} : Texts{});
    }
}

class SettingsWindowTest : public AppTest {
  protected:
    void SetUp() override {
        login_.ExpectWindow({Step::Ok("Ann", "secret")});
        Open(WriteDatabase("films.rdk", Protected()));
    }
};

TEST_F(SettingsWindowTest, WithoutApplyNothingChanges) {
    const config::ProgramConfig config_before = config_;
    const std::vector<core::VideoColumn> columns_before = session_.Videos.Columns();
    const auto files_before = Snapshot(temp_.path());
    {
        app::SettingsWindow window(session_, prompts_);
        window.SetOption(&config::ProgramConfig::prompt_before_delete, false);
        window.SetOption(&config::ProgramConfig::wanted_videos_docked, false);
        window.Columns().Select(Side::kVisible, 0);
        window.Columns().Hide();
        window.SetPasswordProtect(false);
        prompts_.QueueFolder(DataPath("elsewhere"));
        window.ChangeImageFolder();
        EXPECT_EQ(window.ImageFolder(), DataPath("elsewhere"));
    }  // Cancel
    EXPECT_EQ(config_, config_before);
    EXPECT_EQ(session_.Videos.Columns(), columns_before);
    EXPECT_EQ(session_.Accounts, kAnnAndGuest);
    EXPECT_FALSE(session_.Modified);
    EXPECT_EQ(Snapshot(temp_.path()), files_before);
}

TEST_F(SettingsWindowTest, ApplyStoresEveryPage) {
    app::SettingsWindow window(session_, prompts_);
    EXPECT_EQ(window.RecordCountText(), "3 Records");
    EXPECT_EQ(window.ImageCountText(), "0 Files");
    EXPECT_TRUE(window.PasswordProtect() && window.UsersEnabled());
    for (const app::SettingsCheckBox& box : app::GeneralCheckBoxes())
        window.SetOption(box.option, !window.Option(box.option));
    window.SetOption(&config::ProgramConfig::video_list_grid_visible, false);
    window.SetOption(&config::ProgramConfig::video_player_docked, false);
    window.SetOption(&config::ProgramConfig::status_bar_visible, false);
    window.Columns().Select(Side::kHidden, 0);  // Misc 4, hidden with width 0
    window.Columns().Show();
    window.Columns().Rename("Disc", prompts_);
    fs::create_directories(DataPath("covers"));
    WriteFileBytes(DataPath("covers/1.jpg"), "x");
    prompts_.QueueFolder(DataPath("covers"));
    window.ChangeImageFolder();
    EXPECT_EQ(window.ImageCountText(), "1 Files");
    window.SetPasswordProtect(false);
    EXPECT_FALSE(window.UsersEnabled());

    EXPECT_TRUE(window.Apply());
    EXPECT_FALSE(config_.prompt_before_delete);
    EXPECT_TRUE(config_.auto_delete_images);
    EXPECT_FALSE(config_.video_list_rank_online);
    EXPECT_FALSE(config_.video_list_grid_visible);
    EXPECT_FALSE(config_.video_player_docked);
    EXPECT_FALSE(config_.status_bar_visible);
    const core::VideoColumn& disc = session_.Videos.Column(13);
    EXPECT_EQ(disc.Name, "Disc");
    EXPECT_TRUE(disc.Visible);
    EXPECT_EQ(disc.Width, app::kShownColumnWidth);
    EXPECT_TRUE(session_.Modified);
    EXPECT_EQ(session_.ImageFolder, DataPath("covers"));
    EXPECT_EQ(core::ReadImagePathFile(DataPath("films.rdki")), DataPath("covers"));
    EXPECT_TRUE(session_.Accounts.empty());
    EXPECT_TRUE(AccountsInFile(DataPath("films.rdka")).empty());

    // A second Apply of the same choices changes nothing more.
    session_.Modified = false;
    EXPECT_FALSE(window.Apply());
    EXPECT_FALSE(session_.Modified);
}

TEST_F(SettingsWindowTest, TheUsersWindowEditsTheWorkingCopyAndAnEmptyOneEndsProtection) {
    app::SettingsWindow window(session_, prompts_);
    const auto remove_user = [&](int row, bool ok) {
        app::UsersWindow users = window.MakeUsersWindow();
        users.Select(row);
        users.Remove();
        window.UsersClosed(users, ok);
    };
    remove_user(1, false);  // Cancel
    EXPECT_EQ(window.Accounts(), kAnnAndGuest);
    remove_user(1, true);
    EXPECT_EQ(window.Accounts(), Accounts{kAnnAndGuest[0]});
    EXPECT_TRUE(window.PasswordProtect());
    EXPECT_EQ(session_.Accounts, kAnnAndGuest);  // not yet applied
    remove_user(0, true);
    EXPECT_FALSE(window.PasswordProtect());
    window.RestoreDefaultImageFolder();
    EXPECT_EQ(window.ImageFolder(), DataPath("films"));
    window.Apply();
    EXPECT_TRUE(AccountsInFile(DataPath("films.rdka")).empty());
}

}  // namespace
