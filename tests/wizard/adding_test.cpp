// Adding chosen results to My Videos (new, replace, skip) and to Wanted Videos, and ranking.
#include <deque>

#include "lists/prompted_session.h"
#include "wizard/adding.h"
#include "wizard/ratings.h"

namespace {

using platform::Answer;
using platform::Buttons;
using platform::Icon;
using wizard::DuplicateChoice;

class ScriptedQuestion final : public wizard::DuplicateQuestion {
  public:
    DuplicateChoice Ask(std::string_view title) override {
        asked.emplace_back(title);
        const DuplicateChoice choice = answers.front();
        answers.pop_front();
        return choice;
    }
    std::deque<DuplicateChoice> answers;
    std::vector<std::string> asked;
};

wizard::ResultRow Result(std::string id, std::string year, std::string title, std::string duration,
                         std::string folder) {
    wizard::ResultRow row;
    row[wizard::kId] = std::move(id);
    row[wizard::kYear] = std::move(year);
    row[wizard::kTitle] = std::move(title);
    row[wizard::kDuration] = std::move(duration);
    row[wizard::kCast] = "Someone <b>";
    row[wizard::kSynopsis] = "One\nTwo";
    row[wizard::kImageFolder] = std::move(folder);
    row[wizard::kImageFile] = row[wizard::kId] + ".jpg";
    return row;
}

class Adding : public PromptedSession {
  protected:
    wizard::AddOutcome Add(const std::vector<wizard::ResultRow>& picked,
                           const wizard::AddChoices& choices = {}) {
        return wizard::AddToMyVideos(session_, prompts_, question_, progress_, picked, choices,
                                     "http://img/covers/");
    }
    int RowOf(const std::string& title) const {
        return session_.Videos.FindRow(Column("Title"), title);
    }

    ScriptedQuestion question_;
    platform::NoProgress progress_;
};

TEST_F(Adding, NewReplaceAndSkipAsTheQuestionAnswers) {
    AddRow({{"Title", "Heat"},
            {"Year", "1990"},
            {"Duration", "01:10:00"},
            {"Date Added", "01/01/2000"}});
    AddRow({{"Title", "heat"}, {"Year", "1991"}});
    session_.Wanted.Add("ronin");
    prompts_.QueueAnswer(Answer::kYes);
    question_.answers = {DuplicateChoice::kReplace};
    const std::string heat_key = Key(0);
    const wizard::AddOutcome outcome = Add({Result("1", "1995", "Heat", "00:00:00", "3"),
                                            Result("2", "1979", "Alien", "01:57:00", "0"),
                                            Result("3", "1998", "Ronin", "02:02:00", "4")},
                                           {{"Shelf 2", "DVD"}, true, "3", "7", "2004"});

    EXPECT_EQ(question_.asked, std::vector<std::string>{"Heat"});
    EXPECT_EQ(outcome.added, 2);
    EXPECT_EQ(outcome.replaced, 1);
    ASSERT_EQ(session_.Videos.RowCount(), 4);
    // The first of the two "heat" rows is replaced: its Key, date added and duration stay.
    const int heat = session_.Videos.FindRow(Column("Key"), heat_key);
    EXPECT_EQ(Cell(heat, "Year"), "1995");
    EXPECT_EQ(Cell(heat, "Duration"), "01:10:00");
    EXPECT_EQ(Cell(heat, "Date Added"), "01/01/2000");
    EXPECT_EQ(Cell(heat, "Location"), "Shelf 2");
    EXPECT_EQ(Cell(heat, "Last Viewed"), "03/07/2004");
    // Two new records within one second get two keys.
    const int alien = RowOf("Alien");
    const int ronin = RowOf("Ronin");
    EXPECT_EQ(Key(alien), std::to_string(kNow));
    EXPECT_EQ(Key(ronin), std::to_string(kNow + 1));
    EXPECT_EQ(Cell(alien, "Date Added"), "03/07/2004");
    EXPECT_EQ(Cell(alien, "Cast"), "Someone b");
    EXPECT_EQ(Cell(alien, "Synopsis"), "One~Two");
    EXPECT_EQ(Cell(alien, "Format"), "DVD");
    // Covers: none for the result whose folder is "0"; the last queued is fetched first.
    ASSERT_EQ(outcome.covers.size(), 2u);
    EXPECT_EQ(outcome.covers[0].address, "http://img/covers/3/1.jpg");
    EXPECT_EQ(outcome.covers[0].key, heat_key);
    EXPECT_EQ(outcome.covers[1].key, Key(ronin));
    EXPECT_EQ(session_.Wanted.Count(), 0);
    EXPECT_EQ(Shown().at(0),
              Confirmation("The video title \"Ronin\" also exists in the Wanted Videos list.\n\n"
                           "Remove this title from the Wanted Videos list?",
                           Buttons::kYesNo));
    EXPECT_EQ(Selected(), std::vector<int>{outcome.last_row});
    EXPECT_EQ(outcome.last_row, ronin);
    EXPECT_TRUE(session_.Modified);

    // Skipped, nothing changes and nothing is queued.
    session_.Modified = false;
    question_.answers = {DuplicateChoice::kSkip};
    const wizard::AddOutcome skipped = Add({Result("2", "1979", "alien", "", "5")});
    EXPECT_FALSE(skipped.Changed());
    EXPECT_TRUE(skipped.covers.empty());
    EXPECT_FALSE(session_.Modified);
}

TEST_F(Adding, TheArticleMovesBeforeTitlesAreComparedAndWithoutImageFolderNothingIsQueued) {
    config_.place_the_in_back = true;
    session_.ImageFolder.clear();
    AddRow({{"Title", "abyss, the"}});
    question_.answers = {DuplicateChoice::kAddNew};
    const wizard::AddOutcome outcome = Add({Result("1", "1989", "The Abyss", "", "1")});
    EXPECT_EQ(question_.asked, std::vector<std::string>{"Abyss, The"});
    EXPECT_EQ(outcome.added, 1);
    EXPECT_TRUE(outcome.covers.empty());
    EXPECT_EQ(ColumnCells("Title"), (std::vector<std::string>{"abyss, the", "Abyss, The"}));
}

TEST_F(Adding, WantedTitlesAskAboutEachKindOfDuplicate) {
    AddTitles({"Heat", "Ronin"});
    session_.Wanted.Add("heat");
    session_.Wanted.Add("Brazil");
    prompts_.QueueAnswer(Answer::kNo);   // Heat: in both lists
    prompts_.QueueAnswer(Answer::kYes);  // Brazil: wanted already
    prompts_.QueueAnswer(Answer::kNo);   // Ronin: a video of mine
    const int added = wizard::AddToWanted(
        session_, prompts_, progress_,
        std::vector<wizard::ResultRow>{
            Result("1", "", "Heat", "", ""), Result("2", "", "Brazil", "", ""),
            Result("3", "", "Ronin", "", ""), Result("4", "", "Alien", "", "")});
    EXPECT_EQ(added, 2);
    EXPECT_EQ(session_.Wanted.Titles(),
              (std::vector<std::string>{"Alien", "Brazil", "Brazil", "heat"}));
    const std::vector<std::string> shown = Shown();
    ASSERT_EQ(shown.size(), 4u);
    EXPECT_EQ(shown[0],
              Confirmation("A duplicate video title exists in both the\nWanted Videos list "
                           "and the My Videos list.\n\nTitle: Heat\n\nContinue anyway?",
                           Buttons::kYesNo));
    EXPECT_EQ(shown[1], Confirmation("A duplicate video title already exists in the Wanted Videos "
                                     "list.\n\nTitle: Brazil\n\nContinue anyway?",
                                     Buttons::kYesNo));
    EXPECT_EQ(shown[2], Confirmation("A duplicate video title exists in the My Videos list.\n\n"
                                     "Title: Ronin\n\nContinue anyway?",
                                     Buttons::kYesNo));
    EXPECT_EQ(shown[3],
              Message("Video Import Wizard", Buttons::kOk, Icon::kInformation, "Record(s) Added"));
}

TEST_F(Adding, RankingSetsTheRankCellAndSendsOnlyWhenAsked) {
    AddRow({{"Title", "Heat"}, {"Year", "1995"}});
    AddRow({{"Title", "Ronin"}});
    Select({0});
    EXPECT_EQ(wizard::RankSelectedRecord(session_, 4), "Heat_IS_1995_SEP_");
    EXPECT_EQ(Cell(0, "Rank"), "****");
    config_.video_list_rank_online = false;
    EXPECT_EQ(wizard::RankSelectedRecord(session_, 1), std::nullopt);
    EXPECT_EQ(Cell(0, "Rank"), "*");
    config_.video_list_rank_online = true;
    Select({1});  // no year: ranked here, nothing to send
    EXPECT_EQ(wizard::RankSelectedRecord(session_, 2), std::nullopt);
    EXPECT_EQ(Cell(1, "Rank"), "**");
    Select({0, 1});
    EXPECT_EQ(wizard::RankSelectedRecord(session_, 5), std::nullopt);
    EXPECT_EQ(Cell(0, "Rank"), "*");
}

}  // namespace
