#include <gtest/gtest.h>

#include "app/wanted_pane.h"
#include "fakes/fake_prompts.h"
#include "fakes/list_session.h"

namespace {

using platform::Answer;
using Titles = std::vector<std::string>;

class WantedPaneTest : public ListSession {
  protected:
    void Add(const std::string& title) {
        pane_.SetText(title);
        pane_.AddWanted();
    }
    FakePrompts prompts_;
    app::WantedPane pane_{session_, prompts_};
};

TEST_F(WantedPaneTest, AddedTitlesTakeTheirAlphabeticalPlace) {
    Add("Zorro");
    Add("Alien");
    EXPECT_EQ(session_.Wanted.Titles(), (Titles{"Alien", "Zorro"}));
    EXPECT_EQ(pane_.Caption(), "Wanted - 2");
    EXPECT_EQ(pane_.Selected(), 0);
    EXPECT_TRUE(pane_.FieldFocused());
    EXPECT_TRUE(session_.Modified);
}

TEST_F(WantedPaneTest, ATitleAlreadyListedIsSelectedNotAddedAgain) {
    Add("Heat");
    Add("Alien");
    session_.Modified = false;
    Add("heat");
    EXPECT_EQ(session_.Wanted.Titles(), (Titles{"Alien", "Heat"}));
    EXPECT_EQ(pane_.Selected(), 1);
    EXPECT_FALSE(session_.Modified);
}

TEST_F(WantedPaneTest, TheLeadingArticleMovesWhenTheSettingsSaySo) {
    config_.place_the_in_back = true;
    Add("The Thing");
    EXPECT_EQ(session_.Wanted.Titles(), Titles{"Thing, The"});
    EXPECT_EQ(pane_.Selected(), 0);
}

TEST_F(WantedPaneTest, EmptyTextAddsNothing) {
    Add("");
    EXPECT_EQ(session_.Wanted.Count(), 0);
    EXPECT_FALSE(session_.Modified);
}

TEST_F(WantedPaneTest, TypingSelectsTheFirstTitleThatBeginsWithTheText) {
    for (const char* title : {"Zorro", "Alien", "ALF", "Aliens", "Brazil"})
        session_.Wanted.Add(title);
    pane_.SetText("al");
    EXPECT_EQ(session_.Wanted.Get(pane_.Selected()), "ALF");
    pane_.SetText("alien");
    EXPECT_EQ(session_.Wanted.Get(pane_.Selected()), "Alien");
    pane_.SetText("xyz");  // no match: the selection stays
    EXPECT_EQ(session_.Wanted.Get(pane_.Selected()), "Alien");
    pane_.SetText("");
    EXPECT_EQ(session_.Wanted.Get(pane_.Selected()), "Alien");
}

TEST_F(WantedPaneTest, ChoosingATitleCopiesItIntoTheField) {
    session_.Wanted.Add("Brazil");
    session_.Wanted.Add("Alien");
    pane_.Choose(1);
    EXPECT_EQ(pane_.Text(), "Brazil");
    EXPECT_EQ(pane_.Selected(), 1);
}

TEST_F(WantedPaneTest, DeleteRemovesTheSelectedTitleAfterAsking) {
    session_.Wanted.Add("Alien");
    session_.Wanted.Add("Brazil");
    pane_.DeleteWanted();  // nothing selected: nothing asked
    EXPECT_TRUE(prompts_.Messages().empty());

    pane_.Choose(0);
    prompts_.Answer(Answer::kCancel);
    pane_.DeleteWanted();
    EXPECT_EQ(session_.Wanted.Count(), 2);
    prompts_.Answer(Answer::kOk);
    pane_.DeleteWanted();
    EXPECT_EQ(session_.Wanted.Titles(), Titles{"Brazil"});
    EXPECT_EQ(pane_.Selected(), -1);
    EXPECT_EQ(prompts_.Messages()[0].text, "Delete selected record from Wanted Videos list?");
    EXPECT_EQ(prompts_.Messages()[0].title, "Confirm");
    EXPECT_EQ(prompts_.Messages()[0].buttons, platform::Buttons::kOkCancel);
    EXPECT_EQ(prompts_.Messages()[0].icon, platform::Icon::kQuestion);
}

TEST_F(WantedPaneTest, ClearEmptiesTheListAfterAsking) {
    pane_.ClearWanted();  // empty: nothing asked
    session_.Wanted.Add("Alien");
    session_.Wanted.Add("Brazil");
    prompts_.Answer(Answer::kOk);
    pane_.ClearWanted();
    EXPECT_EQ(session_.Wanted.Count(), 0);
    EXPECT_EQ(prompts_.Texts(), Titles{"Delete all records from Wanted Videos list?"});
    EXPECT_EQ(pane_.Caption(), "Wanted - 0");

    config_.prompt_before_delete = false;
    session_.Wanted.Add("Heat");
    pane_.Choose(0);
    pane_.DeleteWanted();
    EXPECT_EQ(session_.Wanted.Count(), 0);
    EXPECT_EQ(prompts_.Messages().size(), 1u);
}

TEST_F(WantedPaneTest, AReadOnlyUserMayTypeAndChooseButNotChange) {
    session_.Wanted.Add("Alien");
    session_.AccessLevel = app::kReadOnlyAccess;
    Add("Brazil");
    pane_.Choose(0);
    pane_.DeleteWanted();
    pane_.ClearWanted();
    EXPECT_EQ(session_.Wanted.Titles(), Titles{"Alien"});
    EXPECT_EQ(pane_.Text(), "Alien");
    EXPECT_TRUE(prompts_.Messages().empty());
}

TEST_F(WantedPaneTest, AddingWithoutADatabaseShowsTheHint) {
    session_.CurrentDatabasePath.clear();
    Add("Alien");
    EXPECT_EQ(session_.Wanted.Count(), 0);
    ASSERT_EQ(prompts_.Messages().size(), 1u);
    EXPECT_EQ(prompts_.Messages()[0].title, "Reeldeck Tip");
    EXPECT_EQ(
        prompts_.Messages()[0].text.rfind("You must first create or open a video database", 0), 0u);
}

TEST_F(WantedPaneTest, FloatingAndDockingAreKeptInTheSettings) {
    EXPECT_TRUE(pane_.Docked());
    EXPECT_STREQ(pane_.FloatButtonTip(), "Float window");
    pane_.ToggleDocked();
    EXPECT_FALSE(config_.wanted_videos_docked);
    EXPECT_STREQ(pane_.FloatButtonTip(), "Dock window");
    pane_.FloatGeometryChanged({10, 20, 300, 400});
    EXPECT_EQ(config_.wanted_videos_float, (config::WindowGeometry{10, 20, 300, 400}));
    pane_.SetVisible(false);
    EXPECT_FALSE(config_.wanted_videos_visible);
    EXPECT_FALSE(pane_.SearchOnlineEnabled());
}

}  // namespace
