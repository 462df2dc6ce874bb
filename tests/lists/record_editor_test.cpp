#include <gtest/gtest.h>

#include <future>
#include <memory>

#include "app/record_editor.h"
#include "core/paths.h"
#include "fakes/fake_downloader.h"
#include "fakes/fake_help.h"
#include "fakes/fake_image_converter.h"
#include "fakes/fake_prompts.h"
#include "fakes/list_session.h"

namespace {

using app::EditorField;
using app::RecordEditor;
using platform::Answer;
using Texts = std::vector<std::string>;
using Field = EditorField;
using Mode = RecordEditor::Mode;

class RecordEditorTest : public ListSession {
  protected:
    std::unique_ptr<RecordEditor> Open(Mode mode) {
        return std::make_unique<RecordEditor>(
            session_, RecordEditor::Services{prompts_, converter_, downloader_, &help_}, mode);
    }
    // An editor in add mode with a title typed.
    std::unique_ptr<RecordEditor> AddWithTitle(const std::string& title) {
        auto editor = Open(Mode::kAdd);
        editor->SetText(Field::kTitle, title);
        return editor;
    }
    std::string Picture(const std::string& name, const std::string& bytes = "picture") {
        const std::string path = folder_ / name;
        WriteFileBytes(path, bytes);
        return path;
    }

    FakePrompts prompts_;
    FakeImageConverter converter_;
    FakeDownloader downloader_;
    FakeHelp help_;
};

TEST_F(RecordEditorTest, AddModeStartsEmptyWithTodayInTheDisabledDateFields) {
    AddRow({{"Title", "Alien"}, {"Category", "Science Fiction"}, {"MPAA", "R"}});
    AddRow({{"Title", "Brazil"}, {"Category", "comedy"}, {"Format", "DVD"}});
    AddRow({{"Title", "Casablanca"}, {"Category", "Comedy"}});
    config_.close_on_add = false;
    auto editor = Open(Mode::kAdd);

    EXPECT_STREQ(editor->WindowTitle(), "Add Video");
    EXPECT_EQ(editor->Text(Field::kTitle), "");
    EXPECT_FALSE(editor->OkEnabled());
    EXPECT_FALSE(editor->Viewed());
    EXPECT_FALSE(editor->FieldEnabled(Field::kMonth));
    EXPECT_EQ(editor->Text(Field::kMonth), "03");
    EXPECT_EQ(editor->Text(Field::kDay), "07");
    EXPECT_EQ(editor->Text(Field::kViewedYear), "2004");
    EXPECT_EQ(editor->Unit(), app::DurationUnit::kMinutes);
    EXPECT_FALSE(editor->CloseOnAdd());
    EXPECT_TRUE(editor->CloseOnAddEnabled());
    EXPECT_EQ(editor->FocusedField(), Field::kTitle);
    EXPECT_EQ(editor->Choices(Field::kCategory), (Texts{"comedy", "Science Fiction"}));
    EXPECT_EQ(editor->Choices(Field::kMpaa), Texts{"R"});
    EXPECT_EQ(editor->CustomLabels(),
              (Texts{"Location", "Format", "Rank", "Misc 4", "Misc 5", "Misc 6", "Misc 7"}));
    EXPECT_EQ(editor->Choices(Field::kCustom2), Texts{"DVD"});
    EXPECT_FALSE(editor->WizardEnabled());
    EXPECT_EQ(editor->Picture(), "");

    editor->SetText(Field::kTitle, "Dune");
    EXPECT_TRUE(editor->OkEnabled());
    editor->SetViewed(true);
    EXPECT_TRUE(editor->FieldEnabled(Field::kDay));
}

TEST_F(RecordEditorTest, PagesStepInTreeOrder) {
    auto editor = Open(Mode::kAdd);
    EXPECT_EQ(RecordEditor::PageNames(), (Texts{"General", "Extended", "Synopsis", "Image"}));
    EXPECT_FALSE(editor->PreviousEnabled());
    editor->NextPage();
    editor->NextPage();
    editor->NextPage();
    EXPECT_EQ(editor->CurrentPage(), RecordEditor::Page::kImage);
    EXPECT_FALSE(editor->NextEnabled());
    editor->NextPage();
    EXPECT_EQ(editor->CurrentPage(), RecordEditor::Page::kImage);
    editor->PreviousPage();
    EXPECT_EQ(editor->CurrentPage(), RecordEditor::Page::kSynopsis);
}

TEST_F(RecordEditorTest, EditModeShowsTheSelectedRecordAsItIs) {
    AddRow({{"Title", "Other"}, {"Category", "Drama"}});
    const int row = AddRow({{"Title", "Alien"},
                            {"Year", "1979"},
                            {"Category", "drama"},
                            {"Duration", "01:57:05"},
                            {"Last Viewed", "11/02/1999"},
                            {"Synopsis", "In space~no one hears"},
                            {"Cast", "Sigourney Weaver"},
                            {"MPAA", "R"},
                            {"Rank", "5"}});
    WriteFileBytes(ImagePath(row, "jpg"), "x");
    Select({row});
    auto editor = Open(Mode::kEdit);

    EXPECT_STREQ(editor->WindowTitle(), "Edit Video");
    EXPECT_EQ(editor->Text(Field::kTitle), "Alien");
    EXPECT_EQ(editor->Text(Field::kYear), "1979");
    EXPECT_EQ(editor->Text(Field::kCategory), "drama");  // not the offered "Drama"
    EXPECT_EQ(editor->Text(Field::kCast), "Sigourney Weaver");
    EXPECT_EQ(editor->Text(Field::kSynopsis), "In space\nno one hears");
    EXPECT_EQ(editor->Text(Field::kHours), "01");
    EXPECT_EQ(editor->Text(Field::kMinutes), "57");
    EXPECT_EQ(editor->Text(Field::kSeconds), "05");
    EXPECT_EQ(editor->Text(Field::kOrValue), "117");
    EXPECT_TRUE(editor->Viewed());
    EXPECT_EQ(editor->Text(Field::kMonth), "11");
    EXPECT_EQ(editor->Text(Field::kDay), "02");
    EXPECT_EQ(editor->Text(Field::kViewedYear), "1999");
    EXPECT_EQ(editor->Text(Field::kMpaa), "R");
    EXPECT_EQ(editor->Text(Field::kCustom3), "5");
    EXPECT_EQ(editor->Picture(), ImagePath(row, "jpg"));
    EXPECT_EQ(editor->Text(Field::kFile), ImagePath(row, "jpg"));
    EXPECT_TRUE(editor->CloseOnAdd());
    EXPECT_FALSE(editor->CloseOnAddEnabled());
    EXPECT_TRUE(editor->OkEnabled());
    EXPECT_EQ(editor->FocusedField(), std::nullopt);
}

TEST_F(RecordEditorTest, AnUnviewedRecordKeepsTheDateFieldsDisabled) {
    Select({AddRow({{"Title", "Alien"}})});
    auto editor = Open(Mode::kEdit);
    EXPECT_FALSE(editor->Viewed());
    EXPECT_FALSE(editor->FieldEnabled(Field::kMonth));
    editor->SetText(Field::kMonth, "12");  // disabled: ignored
    EXPECT_EQ(editor->Text(Field::kMonth), "03");
}

TEST_F(RecordEditorTest, TheDurationFieldsAndTheOrValueFollowEachOther) {
    auto editor = Open(Mode::kAdd);
    editor->SetText(Field::kHours, "1");
    editor->SetText(Field::kMinutes, "30");
    EXPECT_EQ(editor->Text(Field::kOrValue), "90");
    editor->SetUnit(app::DurationUnit::kHours);
    EXPECT_EQ(editor->Text(Field::kOrValue), "1.50");
    editor->SetUnit(app::DurationUnit::kSeconds);
    editor->SetText(Field::kOrValue, "5025");
    EXPECT_EQ(editor->Text(Field::kHours), "01");
    EXPECT_EQ(editor->Text(Field::kMinutes), "23");
    EXPECT_EQ(editor->Text(Field::kSeconds), "45");
}

TEST_F(RecordEditorTest, OnlyTheDurationAndDateFieldsHaveUpDownRanges) {
    using Range = RecordEditor::UpDownRange;
    EXPECT_EQ(RecordEditor::UpDownRangeOf(Field::kHours), (Range{0, 99}));
    EXPECT_EQ(RecordEditor::UpDownRangeOf(Field::kMinutes), (Range{0, 59}));
    EXPECT_EQ(RecordEditor::UpDownRangeOf(Field::kSeconds), (Range{0, 59}));
    EXPECT_EQ(RecordEditor::UpDownRangeOf(Field::kMonth), (Range{1, 12}));
    EXPECT_EQ(RecordEditor::UpDownRangeOf(Field::kDay), (Range{1, 31}));
    EXPECT_EQ(RecordEditor::UpDownRangeOf(Field::kViewedYear), (Range{1970, 2030}));
    for (Field field : {Field::kTitle, Field::kYear, Field::kOrValue, Field::kMpaa, Field::kUrl}) {
        EXPECT_FALSE(RecordEditor::UpDownRangeOf(field).has_value());
    }
}

TEST_F(RecordEditorTest, AnEmptyTitleIsRefused) {
    auto editor = Open(Mode::kAdd);
    editor->SetText(Field::kYear, "1999");
    EXPECT_FALSE(editor->Ok().stored);
    ASSERT_EQ(prompts_.Messages().size(), 1u);
    EXPECT_EQ(prompts_.Messages()[0].text, "A video title is required.");
    EXPECT_EQ(prompts_.Messages()[0].title, "Reeldeck Tip");
    EXPECT_EQ(prompts_.Messages()[0].icon, platform::Icon::kInformation);
    EXPECT_EQ(editor->FocusedField(), Field::kTitle);
    EXPECT_EQ(session_.Videos.RowCount(), 0);
}

TEST_F(RecordEditorTest, AddingStoresEveryFieldAsItsCell) {
    auto editor = AddWithTitle("Alien");
    editor->SetText(Field::kYear, "1979");
    editor->SetText(Field::kCategory, "Science <Fiction>");
    editor->SetText(Field::kCast, "Sigourney Weaver,\nTom Skerritt");
    editor->SetText(Field::kDirector, "Ridley Scott");
    editor->SetText(Field::kProducer, "Walter Hill");
    editor->SetText(Field::kWriter, "Dan O'Bannon");
    editor->SetText(Field::kHours, "1");
    editor->SetText(Field::kMinutes, "5");
    editor->SetText(Field::kSeconds, "0");
    editor->SetViewed(true);
    editor->SetText(Field::kMonth, "3");
    editor->SetText(Field::kDay, "7");
    editor->SetText(Field::kViewedYear, "2004");
    editor->SetText(Field::kMpaa, "R");
    editor->SetText(Field::kCustom1, "Shelf 2");
    editor->SetText(Field::kCustom7, "seventh");
    editor->SetText(Field::kSynopsis, "In space\r\nno one hears");
    const RecordEditor::OkResult result = editor->Ok();
    EXPECT_TRUE(result.stored);
    EXPECT_TRUE(result.close);

    ASSERT_EQ(session_.Videos.RowCount(), 1);
    EXPECT_EQ(Cell(0, "Key"), std::to_string(kNow));
    EXPECT_EQ(Cell(0, "#"), "1");
    EXPECT_EQ(Cell(0, "Date Added"), "03/07/2004");
    EXPECT_EQ(Cell(0, "Title"), "Alien");
    EXPECT_EQ(Cell(0, "Year"), "1979");
    EXPECT_EQ(Cell(0, "Category"), "Science Fiction");
    EXPECT_EQ(Cell(0, "Cast"), "Sigourney Weaver,Tom Skerritt");
    EXPECT_EQ(Cell(0, "Director"), "Ridley Scott");
    EXPECT_EQ(Cell(0, "Producer"), "Walter Hill");
    EXPECT_EQ(Cell(0, "Writer"), "Dan O'Bannon");
    EXPECT_EQ(Cell(0, "Duration"), "01:05:00");
    EXPECT_EQ(Cell(0, "Last Viewed"), "03/07/2004");
    EXPECT_EQ(Cell(0, "MPAA"), "R");
    EXPECT_EQ(Cell(0, "Location"), "Shelf 2");
    EXPECT_EQ(Cell(0, "Misc 7"), "seventh");
    EXPECT_EQ(Cell(0, "Synopsis"), "In space~no one hears");
    EXPECT_EQ(Cell(0, "Flag Value"), "");
    EXPECT_FALSE(session_.Videos.FlagMark(0));
    EXPECT_TRUE(session_.Modified);
}

TEST_F(RecordEditorTest, NoTimeStoresNoDurationAndAShortDateKeepsWhatWasTyped) {
    auto editor = AddWithTitle("Alien");
    editor->SetText(Field::kHours, "0");
    editor->SetText(Field::kMinutes, "0");
    editor->SetText(Field::kSeconds, "0");
    editor->SetViewed(true);
    editor->SetText(Field::kMonth, "3");
    editor->SetText(Field::kDay, "");
    editor->SetText(Field::kViewedYear, "2004");
    editor->Ok();
    EXPECT_EQ(Cell(0, "Duration"), "");
    EXPECT_EQ(Cell(0, "Last Viewed"), "03/0/2004");
}

TEST_F(RecordEditorTest, TheNewRowIsSortedInAndSelected) {
    AddTitles({"Alien", "Heat"});
    session_.Sort = {Column("Title"), 1};
    Select({0});
    auto editor = AddWithTitle("Brazil");
    editor->Ok();
    EXPECT_EQ(ColumnCells("Title"), (Texts{"Alien", "Brazil", "Heat"}));
    EXPECT_EQ(ColumnCells("#"), (Texts{"1", "2", "3"}));
    EXPECT_EQ(Selected(), std::vector<int>{1});
    EXPECT_EQ(editor->StoredRow(), 1);
}

TEST_F(RecordEditorTest, KeysStayUniqueWithinOneSecond) {
    const int old = AddRow({{"Title", "Old"}});
    session_.Videos.SetCell(old, Column("Key"), std::to_string(kNow + 1));
    AddWithTitle("Alien")->Ok();
    AddWithTitle("Brazil")->Ok();
    std::vector<std::string> keys = ColumnCells("Key");
    std::sort(keys.begin(), keys.end());
    EXPECT_EQ(keys,
              (Texts{std::to_string(kNow), std::to_string(kNow + 1), std::to_string(kNow + 2)}));
}

TEST_F(RecordEditorTest, WithoutCloseOnAddTheFormStaysFilledForTheNextRecord) {
    config_.close_on_add = false;
    auto editor = AddWithTitle("Alien");
    editor->SetText(Field::kYear, "1979");
    EXPECT_FALSE(editor->Ok().close);
    EXPECT_EQ(editor->Text(Field::kTitle), "Alien");
    editor->SetText(Field::kTitle, "Aliens");
    editor->SetText(Field::kYear, "1986");
    editor->Ok();
    EXPECT_EQ(session_.Videos.RowCount(), 2);
}

TEST_F(RecordEditorTest, ATitleAndAYearAlreadyListedAskBeforeAdding) {
    AddRow({{"Title", "alien"}, {"Year", "2001"}});
    AddRow({{"Title", "Brazil"}, {"Year", "1985"}});
    auto editor = AddWithTitle("Alien");
    editor->SetText(Field::kYear, "1985");
    prompts_.Answer(Answer::kNo);
    EXPECT_FALSE(editor->Ok().stored);
    EXPECT_EQ(session_.Videos.RowCount(), 2);
    EXPECT_EQ(editor->Text(Field::kTitle), "Alien");
    ASSERT_EQ(prompts_.Messages().size(), 1u);
    EXPECT_EQ(prompts_.Messages()[0].text,
              "This video title already exists in the My Videos list:\n\nTitle: Alien\nYear: "
              "1985\n\nAdd anyway?");
    EXPECT_EQ(prompts_.Messages()[0].title, "Confirm");
    EXPECT_EQ(prompts_.Messages()[0].buttons, platform::Buttons::kYesNo);

    prompts_.Answer(Answer::kYes);
    EXPECT_TRUE(editor->Ok().stored);
    EXPECT_EQ(session_.Videos.RowCount(), 3);
}

TEST_F(RecordEditorTest, NoQuestionUnlessBothTheTitleAndTheYearAreFound) {
    AddRow({{"Title", "Alien"}, {"Year", "1979"}});
    AddWithTitle("Alien")->Ok();  // no row has an empty year
    EXPECT_TRUE(prompts_.Messages().empty());

    auto editor = AddWithTitle("Alien");  // now one has
    prompts_.Answer(Answer::kNo);
    editor->Ok();
    EXPECT_EQ(prompts_.Messages().size(), 1u);
}

TEST_F(RecordEditorTest, TheLeadingArticleMovesAfterTheTypedTitleWasChecked) {
    config_.place_the_in_back = true;
    AddRow({{"Title", "The Matrix"}, {"Year", "1999"}});
    auto editor = AddWithTitle("The Matrix");
    editor->SetText(Field::kYear, "1999");
    prompts_.Answer(Answer::kYes);
    editor->Ok();
    EXPECT_EQ(Cell(1, "Title"), "Matrix, The");
}

TEST_F(RecordEditorTest, EditingStoresIntoTheSelectedRowAndKeepsItsIdentity) {
    AddRow({{"Title", "Other"}});
    const int row =
        AddRow({{"Title", "Alien"}, {"Flag Value", "Lent"}, {"Date Added", "01/01/2001"}});
    const std::string key = Key(row);
    Select({row});
    auto editor = Open(Mode::kEdit);
    editor->SetText(Field::kTitle, "Aliens");
    editor->SetText(Field::kYear, "1986");
    const RecordEditor::OkResult result = editor->Ok();
    EXPECT_TRUE(result.close);
    EXPECT_EQ(Cell(row, "Title"), "Aliens");
    EXPECT_EQ(Cell(row, "Year"), "1986");
    EXPECT_EQ(Cell(row, "Key"), key);
    EXPECT_EQ(Cell(row, "Date Added"), "01/01/2001");
    EXPECT_EQ(Cell(row, "Flag Value"), "Lent");
    EXPECT_EQ(Cell(0, "Title"), "Other");
    EXPECT_TRUE(prompts_.Messages().empty());  // no duplicate check when editing
}

TEST_F(RecordEditorTest, AnAddedTitleLeavesTheWantedListWhenTheUserAgrees) {
    session_.Wanted.Add("heat");
    session_.Wanted.Add("Zorro");
    prompts_.Answer(Answer::kNo);
    AddWithTitle("Heat")->Ok();
    EXPECT_EQ(session_.Wanted.Count(), 2);
    EXPECT_EQ(prompts_.Texts().back(), "Remove this title from the Wanted Videos list?");
    EXPECT_EQ(prompts_.Messages().back().buttons, platform::Buttons::kYesNo);

    prompts_.Answer(Answer::kYes);  // add the title once more
    prompts_.Answer(Answer::kYes);  // and remove it from the wanted list
    AddWithTitle("HEAT")->Ok();
    EXPECT_EQ(session_.Wanted.Titles(), Texts{"Zorro"});
}

TEST_F(RecordEditorTest, AnAddedTitleLeavesTheWantedListSilentlyWhenTheSettingsSaySo) {
    config_.auto_delete_wanted = true;
    session_.Wanted.Add("Heat");
    AddWithTitle("heat")->Ok();
    EXPECT_EQ(session_.Wanted.Count(), 0);
    EXPECT_TRUE(prompts_.Messages().empty());
}

TEST_F(RecordEditorTest, MayAddOnlyWithADatabaseAndFullAccess) {
    EXPECT_TRUE(app::MayAddRecord(session_, prompts_));
    session_.AccessLevel = app::kReadOnlyAccess;
    EXPECT_FALSE(app::MayAddRecord(session_, prompts_));
    EXPECT_TRUE(prompts_.Messages().empty());
    session_.CurrentDatabasePath.clear();
    EXPECT_FALSE(app::MayAddRecord(session_, prompts_));
    ASSERT_EQ(prompts_.Messages().size(), 1u);
    EXPECT_EQ(prompts_.Messages()[0].text,
              "You must first create or open a video database before adding records.\n\nTo open "
              "an existing database:\n\n   Click the open button on the toolbar or\n   Select Open "
              "in the File menu.\n\nTo create a new database:\n\n   Click the new button on the "
              "toolbar or\n   Select New in the File menu.");
    EXPECT_EQ(prompts_.Messages()[0].title, "Reeldeck Tip");
}

TEST_F(RecordEditorTest, EveryHelpEntryIsInTheShippedPopupHelp) {
    const std::string popup = ReadFileBytes(std::string(REELDECK_SOURCE_DATA) + "/help/popup.html");
    for (int f = 0; f <= static_cast<int>(Field::kUrl); ++f) {
        const std::string entry = RecordEditor::HelpEntryOf(static_cast<Field>(f));
        ASSERT_FALSE(entry.empty()) << f;
        EXPECT_NE(popup.find("id=\"" + entry + "\""), std::string::npos) << entry;
    }
    for (int c = 0; c <= static_cast<int>(app::EditorControl::kWizard); ++c) {
        const std::string entry = RecordEditor::HelpEntryOf(static_cast<app::EditorControl>(c));
        if (!entry.empty()) {
            EXPECT_NE(popup.find("id=\"" + entry + "\""), std::string::npos) << entry;
        }
    }
    EXPECT_EQ(Open(Mode::kAdd)->HelpText(Field::kOrValue), "help for add-duration-or");
}

}  // namespace
