#include <gtest/gtest.h>

#include <memory>

#include "app/record_editor.h"
#include "fakes/fake_downloader.h"
#include "fakes/fake_help.h"
#include "fakes/fake_image_converter.h"
#include "prompted_session.h"

namespace {

using app::RecordEditor;
using platform::Answer;
using Texts = std::vector<std::string>;
using Field = app::EditorField;
using Mode = RecordEditor::Mode;

class RecordEditorTest : public PromptedSession {
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
    Texts Fields(const RecordEditor& editor, std::initializer_list<Field> fields) const {
        Texts texts;
        for (Field field : fields) texts.push_back(editor.Text(field));
        return texts;
    }

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
    EXPECT_FALSE(editor->OkEnabled());
    EXPECT_FALSE(editor->Viewed());
    EXPECT_FALSE(editor->FieldEnabled(Field::kMonth));
    EXPECT_EQ(Fields(*editor, {Field::kMonth, Field::kDay, Field::kViewedYear}),
              (Texts{"03", "07", "2004"}));
    EXPECT_FALSE(editor->CloseOnAdd());
    EXPECT_EQ(editor->FocusedField(), Field::kTitle);
    EXPECT_EQ(editor->Choices(Field::kCategory), (Texts{"comedy", "Science Fiction"}));
    EXPECT_EQ(editor->Choices(Field::kMpaa), Texts{"R"});
    EXPECT_EQ(editor->CustomLabels(),
              (Texts{"Location", "Format", "Rank", "Misc 4", "Misc 5", "Misc 6", "Misc 7"}));
    EXPECT_EQ(editor->Choices(Field::kCustom2), Texts{"DVD"});

    editor->SetText(Field::kTitle, "Dune");
    EXPECT_TRUE(editor->OkEnabled());
    editor->SetViewed(true);
    EXPECT_TRUE(editor->FieldEnabled(Field::kDay));
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
    EXPECT_EQ(
        Fields(*editor, {Field::kTitle, Field::kYear, Field::kCategory, Field::kCast,
                         Field::kSynopsis, Field::kMpaa, Field::kCustom3}),
        (Texts{"Alien", "1979", "drama", "Sigourney Weaver", "In space\nno one hears", "R", "5"}));
    EXPECT_EQ(Fields(*editor, {Field::kHours, Field::kMinutes, Field::kSeconds, Field::kOrValue}),
              (Texts{"01", "57", "05", "117"}));
    EXPECT_TRUE(editor->Viewed());
    EXPECT_EQ(Fields(*editor, {Field::kMonth, Field::kDay, Field::kViewedYear}),
              (Texts{"11", "02", "1999"}));
    EXPECT_EQ(editor->Picture(), ImagePath(row, "jpg"));
    EXPECT_EQ(editor->Text(Field::kFile), ImagePath(row, "jpg"));
    EXPECT_FALSE(editor->CloseOnAddEnabled());
    EXPECT_EQ(editor->FocusedField(), std::nullopt);

    Select({0});  // not viewed: the date fields are disabled and ignore typing
    auto other = Open(Mode::kEdit);
    EXPECT_FALSE(other->FieldEnabled(Field::kMonth));
    other->SetText(Field::kMonth, "12");
    EXPECT_EQ(other->Text(Field::kMonth), "03");
    other->SetText(Field::kTitle, "");  // an empty title is refused
    EXPECT_FALSE(other->Ok().stored);
    EXPECT_EQ(Shown(), Texts{Tip("A video title is required.")});
    EXPECT_EQ(other->FocusedField(), Field::kTitle);
    EXPECT_EQ(Cell(0, "Title"), "Other");
}

TEST_F(RecordEditorTest, AddingStoresEveryFieldAsItsCellAndMayKeepTheFormForTheNext) {
    const std::tuple<Field, const char*, const char*, const char*> typed[] = {
        // field, typed text, column, cell
        {Field::kTitle, "Alien", "Title", "Alien"},
        {Field::kYear, "1979", "Year", "1979"},
        {Field::kCategory, "Science <Fiction>", "Category", "Science Fiction"},
        {Field::kCast, "Sigourney Weaver,\nTom Skerritt", "Cast", "Sigourney Weaver,Tom Skerritt"},
        {Field::kDirector, "Ridley Scott", "Director", "Ridley Scott"},
        {Field::kProducer, "Walter Hill", "Producer", "Walter Hill"},
        {Field::kWriter, "Dan O'Bannon", "Writer", "Dan O'Bannon"},
        {Field::kMpaa, "R", "MPAA", "R"},
        {Field::kCustom1, "Shelf 2", "Location", "Shelf 2"},
        {Field::kCustom7, "seventh", "Misc 7", "seventh"},
        {Field::kSynopsis, "In space\r\nno one hears", "Synopsis", "In space~no one hears"}};
    config_.close_on_add = false;
    auto editor = Open(Mode::kAdd);
    for (const auto& [field, text, column, cell] : typed) editor->SetText(field, text);
    editor->SetUnit(app::DurationUnit::kSeconds);
    editor->SetText(Field::kOrValue, "3900");  // fills the duration fields
    editor->SetViewed(true);
    editor->SetText(Field::kMonth, "3");
    editor->SetText(Field::kDay, "7");
    const RecordEditor::OkResult result = editor->Ok();
    EXPECT_TRUE(result.stored);
    EXPECT_FALSE(result.close);

    ASSERT_EQ(session_.Videos.RowCount(), 1);
    for (const auto& [field, text, column, cell] : typed)
        EXPECT_EQ(Cell(0, column), cell) << column;
    EXPECT_EQ(Cell(0, "Key"), std::to_string(kNow));
    EXPECT_EQ(Cell(0, "#"), "1");
    EXPECT_EQ(Cell(0, "Date Added"), "03/07/2004");
    EXPECT_EQ(Cell(0, "Duration"), "01:05:00");
    EXPECT_EQ(Cell(0, "Last Viewed"), "03/07/2004");
    EXPECT_FALSE(session_.Videos.FlagMark(0));
    EXPECT_TRUE(session_.Modified);

    // The form stays filled. No time stores no duration; a date with an empty field is refused.
    EXPECT_EQ(Fields(*editor, {Field::kTitle, Field::kYear}), (Texts{"Alien", "1979"}));
    editor->SetText(Field::kTitle, "Aliens");
    editor->SetText(Field::kOrValue, "0");
    editor->SetText(Field::kDay, "");
    EXPECT_FALSE(editor->Ok().stored);
    EXPECT_EQ(Shown(), Texts{Tip("A month, day and year are required for the date viewed.")});
    EXPECT_EQ(editor->FocusedField(), Field::kDay);
    editor->SetText(Field::kDay, "9");
    editor->Ok();
    ASSERT_EQ(session_.Videos.RowCount(), 2);
    EXPECT_EQ(Cell(editor->StoredRow(), "Title"), "Aliens");
    EXPECT_EQ(Cell(editor->StoredRow(), "Duration"), "");
    EXPECT_EQ(Cell(editor->StoredRow(), "Last Viewed"), "03/09/2004");
}

TEST_F(RecordEditorTest, TheNewRowIsSortedInAndSelectedAndItsKeyIsFreeWithinTheSecond) {
    AddTitles({"Alien", "Heat"});
    session_.Videos.SetCell(0, Column("Key"), std::to_string(kNow + 1));
    session_.Sort = {Column("Title"), 1};
    Select({0});
    auto editor = AddWithTitle("Brazil");
    EXPECT_TRUE(editor->Ok().close);
    EXPECT_EQ(ColumnCells("Title"), (Texts{"Alien", "Brazil", "Heat"}));
    EXPECT_EQ(ColumnCells("#"), (Texts{"1", "2", "3"}));
    EXPECT_EQ(Selected(), std::vector<int>{1});
    EXPECT_EQ(editor->StoredRow(), 1);

    AddWithTitle("Casablanca")->Ok();  // the same second: the next free Key
    AddWithTitle("Dune")->Ok();
    EXPECT_EQ(ColumnCells("Key"),
              (Texts{std::to_string(kNow + 1), std::to_string(kNow), std::to_string(kNow + 2),
                     std::to_string(kNow + 3), "1000000001"}));
}

// The title and the year are each looked for in the whole list, not in one row.
TEST_F(RecordEditorTest, ATitleAndAYearAlreadyListedAskBeforeAdding) {
    AddRow({{"Title", "alien"}, {"Year", "2001"}});
    AddRow({{"Title", "Brazil"}, {"Year", "1985"}});
    AddWithTitle("Alien")->Ok();  // no row has an empty year: no question
    EXPECT_EQ(session_.Videos.RowCount(), 3);

    auto editor = AddWithTitle("Alien");
    editor->SetText(Field::kYear, "1985");
    prompts_.QueueAnswer(Answer::kNo);
    EXPECT_FALSE(editor->Ok().stored);
    EXPECT_EQ(session_.Videos.RowCount(), 3);
    EXPECT_EQ(editor->Text(Field::kTitle), "Alien");
    EXPECT_EQ(Shown(),
              Texts{Confirmation("This video title already exists in the My Videos list:\n\n"
                                 "Title: Alien\nYear: 1985\n\nAdd anyway?",
                                 platform::Buttons::kYesNo)});
    prompts_.QueueAnswer(Answer::kYes);
    EXPECT_TRUE(editor->Ok().stored);
    EXPECT_EQ(session_.Videos.RowCount(), 4);

    // The typed title is checked before its leading article moves.
    config_.place_the_in_back = true;
    AddRow({{"Title", "The Matrix"}, {"Year", "1999"}});
    editor = AddWithTitle("The Matrix");
    editor->SetText(Field::kYear, "1999");
    prompts_.QueueAnswer(Answer::kYes);
    editor->Ok();
    EXPECT_EQ(Cell(editor->StoredRow(), "Title"), "Matrix, The");
    EXPECT_EQ(prompts_.Messages().size(), 3u);
}

TEST_F(RecordEditorTest, EditingStoresIntoTheSelectedRowAndKeepsItsIdentity) {
    AddRow({{"Title", "Other"}, {"Year", "1986"}});
    const int row =
        AddRow({{"Title", "Alien"}, {"Flag Value", "Lent"}, {"Date Added", "01/01/2001"}});
    const std::string key = Key(row);
    Select({row});
    auto editor = Open(Mode::kEdit);
    editor->SetText(Field::kTitle, "Other");
    editor->SetText(Field::kYear, "1986");
    EXPECT_TRUE(editor->Ok().close);  // no duplicate question when editing
    EXPECT_EQ(session_.Videos.RowCount(), 2);
    for (const auto& [column, cell] : {std::pair{"Title", "Other"},
                                       {"Year", "1986"},
                                       {"Date Added", "01/01/2001"},
                                       {"Flag Value", "Lent"}})
        EXPECT_EQ(Cell(row, column), cell) << column;
    EXPECT_EQ(Key(row), key);
}

TEST_F(RecordEditorTest, AnAddedTitleLeavesTheWantedListWhenTheUserOrTheSettingsAgree) {
    session_.Wanted.Add("heat");
    session_.Wanted.Add("Zorro");
    prompts_.QueueAnswer(Answer::kNo);
    AddWithTitle("Heat")->Ok();
    EXPECT_EQ(session_.Wanted.Count(), 2);
    EXPECT_EQ(Shown(), Texts{Confirmation("Remove this title from the Wanted Videos list?",
                                          platform::Buttons::kYesNo)});
    prompts_.QueueAnswer(Answer::kYes);  // add the title once more
    prompts_.QueueAnswer(Answer::kYes);  // and remove it from the wanted list
    AddWithTitle("HEAT")->Ok();
    EXPECT_EQ(session_.Wanted.Titles(), Texts{"Zorro"});

    config_.auto_delete_wanted = true;
    AddWithTitle("zorro")->Ok();
    EXPECT_EQ(session_.Wanted.Count(), 0);
    EXPECT_EQ(prompts_.Messages().size(), 3u);
}

TEST_F(RecordEditorTest, MayAddOnlyWithADatabaseAndFullAccess) {
    EXPECT_TRUE(app::MayAddRecord(session_, prompts_));
    session_.AccessLevel = app::kReadOnlyAccess;
    EXPECT_FALSE(app::MayAddRecord(session_, prompts_));
    EXPECT_TRUE(prompts_.Messages().empty());
    session_.CurrentDatabasePath.clear();
    EXPECT_FALSE(app::MayAddRecord(session_, prompts_));
    EXPECT_EQ(Shown(), Texts{NoDatabaseTip()});
}

TEST_F(RecordEditorTest, EveryHelpEntryIsInTheShippedPopupHelp) {
    const std::string popup = ReadFileBytes(std::string(REELDECK_SOURCE_DATA) + "/help/popup.html");
    const auto expect_entry = [&](const std::string& entry) {
        EXPECT_NE(popup.find("id=\"" + entry + "\""), std::string::npos) << entry;
    };
    for (int f = 0; f <= static_cast<int>(Field::kUrl); ++f) {
        const std::string entry = RecordEditor::HelpEntryOf(static_cast<Field>(f));
        EXPECT_FALSE(entry.empty()) << f;
        expect_entry(entry);
    }
    for (int c = 0; c <= static_cast<int>(app::EditorControl::kWizard); ++c) {
        const std::string entry = RecordEditor::HelpEntryOf(static_cast<app::EditorControl>(c));
        if (!entry.empty()) expect_entry(entry);
    }
    EXPECT_EQ(Open(Mode::kAdd)->HelpText(Field::kOrValue), "help for add-duration-or");
}

}  // namespace
