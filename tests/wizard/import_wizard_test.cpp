// The wizard window's logic: form, history, busy flag, outcomes, order, the groups and closing.
#include <filesystem>

#include "core/paths.h"
#include "lists/prompted_session.h"
#include "wizard/import_wizard.h"

namespace {

using platform::Buttons;
using platform::Icon;
using wizard::QueryOutcome;

class Wizard : public PromptedSession {
  protected:
    Wizard() {
        std::filesystem::create_directories(paths_.folder + "/vidwiz");
        WriteFileBytes(paths_.folder + "/vidwiz/tcolumns.txt", "Title\nCast\n");
        WriteFileBytes(paths_.folder + "/vidwiz/scolumns.txt", "Title\nYear\nRating\n");
        service_.base_url = "http://vdb:1/";
        service_.image_base_url = "http://vdb:1/images/";
        config_.vidwiz_sortby_value = "Year";
        config_.vidwiz_results_list_count = 100;
    }
    static QueryOutcome Results(std::int64_t total, std::vector<std::string> titles) {
        QueryOutcome outcome{QueryOutcome::Kind::kResults, {total, {}, false, 0, 0}, {}};
        int year = 2000;
        for (std::string& title : titles) {
            wizard::ResultRow row;
            row[wizard::kId] = std::to_string(year);
            row[wizard::kYear] = std::to_string(year--);
            row[wizard::kTitle] = std::move(title);
            row[wizard::kImageFolder] = "1";
            row[wizard::kImageFile] = row[wizard::kId] + ".jpg";
            outcome.reply.rows.push_back(row);
        }
        return outcome;
    }

    config::ServiceConfig service_;
};

TEST_F(Wizard, SearchesPagesAndShowsWhatCameBack) {
    wizard::ImportWizard wizard(session_, service_, prompts_);
    EXPECT_TRUE(core::FileExists(paths_.wizard_search));
    EXPECT_EQ(wizard.LookInChoices(), (std::vector<std::string>{"All", "Title", "Cast"}));
    EXPECT_EQ(wizard.LookIn(), "All");
    EXPECT_EQ(wizard.SortBy(), "Year");
    EXPECT_EQ(wizard.ListCount(), 50);

    EXPECT_EQ(wizard.Search(), std::nullopt);  // nothing to find
    wizard.SetFind("Heat & Dust");
    EXPECT_EQ(wizard.Search(),
              "http://vdb:1/rd/1.0/action/list.pl?f=Heat%20%26%20Dust&c=All&"
              "s=Year&l=50&st=0&mc=0&u=urd1&p=pzt7");
    EXPECT_TRUE(wizard.Busy());
    EXPECT_EQ(wizard.Search(), std::nullopt);
    EXPECT_EQ(wizard.Buttons(), wizard::ButtonsWhileBusy());
    wizard.Connecting();
    EXPECT_EQ(wizard.WindowTitle(), "Video Import Wizard - Connecting...");

    // The rows come sorted by the "Sort by" column: Year.
    wizard::ImportWizard::Shown shown = wizard.ApplyOutcome(Results(120, {"B", "a", "C"}));
    EXPECT_EQ(shown.preview_row, -1);
    EXPECT_EQ(wizard.WindowTitle(), "Video Import Wizard - Results: 1-3 of 120");
    EXPECT_EQ(wizard.Rows().front()[wizard::kTitle], "C");
    wizard.QueryIdle();
    EXPECT_EQ(wizard.Buttons(), (wizard::PageButtons{true, false, true, true}));
    EXPECT_NE(wizard.PageNext()->find("&st=50&"), std::string::npos);
    wizard.ApplyOutcome(Results(51, {"Last"}));
    wizard.QueryIdle();
    EXPECT_EQ(wizard.WindowTitle(), "Video Import Wizard - Results: 51-51 of 51");
    EXPECT_EQ(wizard.Buttons(), (wizard::PageButtons{true, true, false, true}));
    EXPECT_EQ(wizard.PreviewPage(0),
              "http://vdb:1/rd/1.0/action/preview.pl?v=2000&time=" + std::to_string(kNow));
    ASSERT_NE(wizard.PagePrevious(), std::nullopt);

    EXPECT_TRUE(wizard.ApplyOutcome({}).connection_error);
    EXPECT_EQ(wizard.WindowTitle(), "Video Import Wizard - Connection Error");
    EXPECT_EQ(prompts_.Messages().back().title, "Connection Error");
    const QueryOutcome none{QueryOutcome::Kind::kNoResults, {}, {}};
    EXPECT_TRUE(wizard.ApplyOutcome(none).no_results);
    EXPECT_EQ(wizard.Total(), 0);
    EXPECT_EQ(wizard.NoResultsSearchText(), "All: \"Heat & Dust\"");
    EXPECT_FALSE(wizard.AdviseEnabled());
    wizard.SetLookIn("Title");
    EXPECT_EQ(wizard.AdviseRequest(),
              "http://vdb:1/rd/1.0/action/advise.pl?f=Heat%20%26%20Dust&c=Title");
    EXPECT_EQ(config_.vidwiz_column_value, "Title");

    wizard.QueryIdle();
    wizard.Close();
    EXPECT_EQ(ReadFileBytes(paths_.wizard_search), "Heat & Dust\n");
}

TEST_F(Wizard, SortsByHeadersRatesAndOffersTheRecordEditorItsPick) {
    AddRow({{"Title", "Heat"}, {"Location", "Shelf"}, {"Last Viewed", "03/07/2004"}});
    wizard::ImportWizard wizard(session_, service_, prompts_);
    EXPECT_EQ(wizard.OptionLabels()[0], "Location");
    EXPECT_EQ(wizard.OptionLabels()[1], "Format");
    wizard.FillFromRecord(0);
    EXPECT_EQ(wizard.Find(), "Heat");
    EXPECT_EQ(wizard.LookIn(), "Title");
    EXPECT_TRUE(wizard.Viewed());
    EXPECT_EQ(wizard.Month() + wizard.Day() + wizard.ViewedYear(), "03072004");

    wizard.ApplyOutcome(Results(2, {"b", "A"}));
    wizard.SortByColumn(3);  // Title, a "Sort by" choice too
    EXPECT_EQ(wizard.Rows().front()[wizard::kTitle], "A");
    EXPECT_EQ(config_.vidwiz_sortby_value, "Title");
    wizard.SortByColumn(4);  // MPAA Rating is no choice
    EXPECT_EQ(wizard.SortBy(), "Title");

    EXPECT_EQ(wizard.RatingRequest(0, 3),
              "http://vdb:1/rd/1.0/action/rate_videos.pl?vals=A_IS_1999_SEP_&r=3");
    const app::WizardPick pick = wizard.PickOf(0);
    EXPECT_EQ(pick.title, "A");
    EXPECT_EQ(pick.image_address, "http://vdb:1/images/1/1999.jpg");
    EXPECT_EQ(pick.options.at(0), "Shelf");
    EXPECT_TRUE(pick.viewed);

    wizard.SetViewed(false);
    wizard.SetDate("", "", "");
    wizard.SetViewed(true);  // an empty month takes today
    EXPECT_EQ(wizard.Month() + "/" + wizard.Day() + "/" + wizard.ViewedYear(), "03/07/2004");
    EXPECT_EQ(wizard.TypeListCount("75"), 50);
    EXPECT_EQ(config_.vidwiz_results_list_count, 50);
}

}  // namespace
