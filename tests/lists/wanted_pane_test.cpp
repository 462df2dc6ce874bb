#include <gtest/gtest.h>

#include "app/wanted_pane.h"
#include "prompted_session.h"

namespace {

using platform::Answer;
using Titles = std::vector<std::string>;
using Texts = Titles;

class WantedPaneTest : public PromptedSession {
  protected:
    void Add(const std::string& title) {
        pane_.SetText(title);
        pane_.AddWanted();
    }
    app::WantedPane pane_{session_, prompts_};
};

TEST_F(WantedPaneTest, AddedTitlesTakeTheirAlphabeticalPlaceOnce) {
    Add("Zorro");
    Add("Alien");
    EXPECT_EQ(session_.Wanted.Titles(), (Titles{"Alien", "Zorro"}));
    EXPECT_EQ(pane_.Caption(), "Wanted - 2");
    EXPECT_EQ(pane_.Selected(), 0);
    EXPECT_TRUE(pane_.FieldFocused());
    EXPECT_TRUE(session_.Modified);

    session_.Modified = false;
    Add("zorro");  // already listed: selected, not added
    Add("");
    EXPECT_EQ(session_.Wanted.Titles(), (Titles{"Alien", "Zorro"}));
    EXPECT_EQ(pane_.Selected(), 1);
    EXPECT_FALSE(session_.Modified);

    config_.place_the_in_back = true;
    Add("The Thing");
    EXPECT_EQ(session_.Wanted.Titles(), (Titles{"Alien", "Thing, The", "Zorro"}));
    EXPECT_EQ(pane_.Selected(), 1);
}

TEST_F(WantedPaneTest, TypingSelectsTheFirstTitleThatBeginsWithTheTextAndChoosingCopiesIt) {
    for (const char* title : {"Zorro", "Alien", "ALF", "Aliens", "Brazil"})
        session_.Wanted.Add(title);
    pane_.SetText("al");
    EXPECT_EQ(session_.Wanted.Get(pane_.Selected()), "ALF");
    pane_.SetText("alien");
    EXPECT_EQ(session_.Wanted.Get(pane_.Selected()), "Alien");
    pane_.SetText("xyz");  // no match: the selection stays
    pane_.SetText("");
    EXPECT_EQ(session_.Wanted.Get(pane_.Selected()), "Alien");
    pane_.Choose(4);
    EXPECT_EQ(pane_.Text(), "Zorro");
    EXPECT_EQ(pane_.Selected(), 4);
}

TEST_F(WantedPaneTest, DeleteAndClearAskFirstWhenDeletionsAreConfirmed) {
    pane_.ClearWanted();  // empty: nothing asked
    session_.Wanted.Add("Alien");
    session_.Wanted.Add("Brazil");
    session_.Wanted.Add("Heat");
    pane_.DeleteWanted();  // nothing selected: nothing asked
    pane_.Choose(0);
    prompts_.QueueAnswer(Answer::kCancel);
    pane_.DeleteWanted();
    EXPECT_EQ(session_.Wanted.Count(), 3);
    prompts_.QueueAnswer(Answer::kOk);
    pane_.DeleteWanted();
    EXPECT_EQ(session_.Wanted.Titles(), (Titles{"Brazil", "Heat"}));
    EXPECT_EQ(pane_.Selected(), -1);
    prompts_.QueueAnswer(Answer::kOk);
    pane_.ClearWanted();
    EXPECT_EQ(session_.Wanted.Count(), 0);
    EXPECT_EQ(pane_.Caption(), "Wanted - 0");
    const std::string question = "Delete selected record from Wanted Videos list?";
    EXPECT_EQ(Shown(),
              (Texts{Confirmation(question), Confirmation(question),
                     Confirmation("Delete all records from Wanted Videos list?")}));

    config_.prompt_before_delete = false;
    session_.Wanted.Add("Heat");
    pane_.Choose(0);
    pane_.DeleteWanted();
    EXPECT_EQ(session_.Wanted.Count(), 0);
    EXPECT_EQ(prompts_.Messages().size(), 3u);
}

TEST_F(WantedPaneTest, AReadOnlyUserMayTypeAndChooseButNotChangeAndTheDockIsKept) {
    session_.Wanted.Add("Alien");
    session_.AccessLevel = app::kReadOnlyAccess;
    Add("Brazil");
    pane_.Choose(0);
    pane_.DeleteWanted();
    pane_.ClearWanted();
    EXPECT_EQ(session_.Wanted.Titles(), Titles{"Alien"});
    EXPECT_EQ(pane_.Text(), "Alien");
    EXPECT_TRUE(prompts_.Messages().empty());

    session_.CurrentDatabasePath.clear();
    Add("Brazil");
    EXPECT_EQ(session_.Wanted.Count(), 1);
    EXPECT_EQ(Shown(), Texts{NoDatabaseTip()});

    pane_.ToggleDocked();  // floating and docking are kept in the settings
    EXPECT_FALSE(config_.wanted_videos_docked);
    pane_.FloatGeometryChanged({10, 20, 300, 400});
    EXPECT_EQ(config_.wanted_videos_float, (config::WindowGeometry{10, 20, 300, 400}));
}

}  // namespace
