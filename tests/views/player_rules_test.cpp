#include <gtest/gtest.h>

#include "temp_folder.h"
#include "views/player_rules.h"

namespace {

using views::PlayerPlace;

TEST(PlayerRulesTest, ADvdPlaysItsVideoTsFolder) {
    const std::pair<const char*, const char*> chosen_and_played[] = {
        {"/media/dvd/", "/media/dvd/VIDEO_TS"},
        {"/movie", "/movie/VIDEO_TS"},
        {"/movie/VIDEO_TS", "/movie/VIDEO_TS"},
        {"/movie/video_ts/", "/movie/video_ts/"}};
    for (const auto& [chosen, played] : chosen_and_played)
        EXPECT_EQ(views::DvdFolder(chosen), played) << chosen;
}

TEST(PlayerRulesTest, RequestsFollowThePaneAndTheSettings) {
    const PlayerPlace docked{true, false};
    const PlayerPlace hidden_docked{false, false};
    const PlayerPlace hidden_floating{false, true};

    // Paths with an ampersand play like any other.
    const auto played = views::PlayFileRequest("/films/Tom & Jerry.avi", docked, true);
    ASSERT_TRUE(played);
    EXPECT_EQ(*played, (views::MediaRequest{"/films/Tom & Jerry.avi", false, true, true,
                                            "/films/Tom & Jerry.avi"}));
    EXPECT_FALSE(views::PlayFileRequest("/a.wav", docked, false)->loop);
    EXPECT_FALSE(views::PlayFileRequest("", docked, true));
    EXPECT_FALSE(views::PlayFileRequest("/a.wav", hidden_docked, true));
    EXPECT_TRUE(views::PlayFileRequest("/a.wav", hidden_floating, true));

    const auto dvd = views::PlayDvdRequest("/media/dvd", docked, false);
    ASSERT_TRUE(dvd);
    EXPECT_TRUE(dvd->dvd);
    EXPECT_EQ(dvd->source, "/media/dvd/VIDEO_TS");

    // Shown, not started, and no status text.
    const auto shown = views::ShowFileRequest("/a.wav", docked, true);
    ASSERT_TRUE(shown);
    EXPECT_FALSE(shown->auto_start);
    EXPECT_EQ(shown->status_text, "");
    EXPECT_FALSE(views::ShowFileRequest("/a.wav", hidden_floating, true));

    EXPECT_TRUE(views::IsMediaAddress("http://example.org/a.mp4"));
    EXPECT_FALSE(views::IsMediaAddress("/films/a://b.mp4"));
    EXPECT_EQ(views::AlwaysVisibleLabel(true), "Always Visible [on]");
    EXPECT_EQ(views::MediaFileFilters().front().name, "Media files (all types)");
    EXPECT_EQ(views::MediaFileFilters().back().patterns, std::vector<std::string>{"*"});
}

TEST(PlayerRulesTest, ADvdFolderStandsForItsLongestTitle) {
    TempFolder folder;
    EXPECT_EQ(views::DvdMainTitleFile(folder.path()), "");
    WriteFileBytes(folder / "VIDEO_TS.VOB", std::string(900, 'm'));
    WriteFileBytes(folder / "VTS_01_0.VOB", std::string(900, 'm'));
    WriteFileBytes(folder / "VTS_01_1.VOB", std::string(100, 'a'));
    WriteFileBytes(folder / "VTS_02_1.VOB", std::string(100, 'b'));
    WriteFileBytes(folder / "VTS_02_2.VOB", std::string(100, 'b'));
    EXPECT_EQ(views::DvdMainTitleFile(folder.path()), folder / "VTS_02_1.VOB");
}

}  // namespace
