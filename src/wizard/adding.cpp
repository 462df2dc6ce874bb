#include "wizard/adding.h"

#include "app/list_sorting.h"
#include "app/marking.h"
#include "app/record_storing.h"
#include "core/dates.h"
#include "core/text.h"
#include "wizard/service_addresses.h"

namespace wizard {
namespace {

namespace name = core::column_name;
using platform::Answer;
using platform::Buttons;
using platform::Icon;

std::string CellText(std::string text) {
    return core::RemoveAngleBrackets(core::RemoveCarriageReturns(std::move(text)));
}

std::string TitleOf(const app::Session& session, const ResultRow& row) {
    std::string title = CellText(core::RemoveNewlines(row[kTitle]));
    return session.config.place_the_in_back ? core::MoveLeadingArticle(std::move(title)) : title;
}

void SetCell(core::VideoList& list, int row, std::string_view column, std::string_view text) {
    const int index = list.ColumnIndexOf(column);
    if (index >= 0) list.SetCell(row, index, text);
}

// The cells a result gives to a new or replaced record: its fields, the options and the viewed
// date. A duration of "00:00:00" is no duration and leaves the cell as it is.
void SetResultCells(core::VideoList& list, int row, const ResultRow& result,
                    const std::string& title, const AddChoices& choices) {
    SetCell(list, row, name::kTitle, title);
    const std::pair<std::string_view, ResultField> plain[] = {
        {name::kYear, kYear},         {name::kMpaa, kMpaa},         {name::kCast, kCast},
        {name::kDirector, kDirector}, {name::kProducer, kProducer}, {name::kWriter, kWriter},
        {name::kCategory, kCategory}};
    for (const auto& [column, field] : plain) {
        SetCell(list, row, column, CellText(core::RemoveNewlines(result[field])));
    }
    const std::string duration = CellText(core::RemoveNewlines(result[kDuration]));
    if (duration != "00:00:00") SetCell(list, row, name::kDuration, duration);
    SetCell(list, row, name::kSynopsis, CellText(core::EncodeLineBreaks(result[kSynopsis])));
    SetCell(list, row, name::kLastViewed,
            choices.viewed ? app::ViewedDateText(choices.month, choices.day, choices.year) : "");
    const std::vector<int> custom = app::CustomColumns(list);
    for (std::size_t i = 0; i < custom.size() && i < choices.options.size(); ++i) {
        list.SetCell(row, custom[i], CellText(core::RemoveNewlines(choices.options[i])));
    }
}

int AppendRecord(app::Session& session, const std::string& key) {
    core::VideoList& list = session.Videos;
    const std::string number = std::to_string(list.RowCount() + 1);
    const int row = list.InsertRow(list.RowCount(), key);
    SetCell(list, row, name::kKey, key);
    SetCell(list, row, name::kNumber, number);
    SetCell(list, row, name::kDateAdded, core::KeyToDate(key, session.clock));
    list.SetFlagMark(row, false);
    return row;
}

void OfferWantedRemoval(app::Session& session, platform::Prompts& prompts,
                        const std::string& title) {
    const std::vector<std::string>& wanted = session.Wanted.Titles();
    for (std::size_t i = 0; i < wanted.size(); ++i) {
        if (!core::EqualsNoCase(wanted[i], title)) continue;
        if (!session.config.auto_delete_wanted &&
            prompts.Message(core::FormatText("The video title \"%s\" also exists in the Wanted "
                                             "Videos list.\n\nRemove this title from the Wanted "
                                             "Videos list?",
                                             {title}),
                            "Confirm", Buttons::kYesNo, Icon::kQuestion) != Answer::kYes) {
            return;
        }
        session.Wanted.Delete(static_cast<int>(i));
        session.Modified = true;
        return;
    }
}

bool HasWanted(const app::Session& session, std::string_view title) {
    for (const std::string& wanted : session.Wanted.Titles()) {
        if (core::EqualsNoCase(wanted, title)) return true;
    }
    return false;
}

}  // namespace

std::string DuplicateText(std::string_view title) {
    return "This title already exists in the My Videos list.\n\nTitle: " + std::string(title);
}

AddOutcome AddToMyVideos(app::Session& session, platform::Prompts& prompts,
                         DuplicateQuestion& question, platform::Progress& progress,
                         std::span<const ResultRow> picked, const AddChoices& choices,
                         std::string_view image_base) {
    AddOutcome outcome;
    if (picked.empty() || !session.CanChange()) return outcome;
    core::VideoList& list = session.Videos;
    const int title_column = list.ColumnIndexOf(name::kTitle);
    const int key_column = list.ColumnIndexOf(name::kKey);
    std::string last_key;
    {
        platform::ProgressScope scope(progress, static_cast<std::int64_t>(picked.size()),
                                      kImportingText);
        for (const ResultRow& result : picked) {
            scope.Step();
            const std::string title = TitleOf(session, result);
            const int existing = title_column < 0 ? -1 : list.FindRow(title_column, title);
            const DuplicateChoice choice =
                existing < 0 ? DuplicateChoice::kAddNew : question.Ask(title);
            if (choice == DuplicateChoice::kSkip) continue;

            int row = existing;
            std::string key;
            if (choice == DuplicateChoice::kAddNew) {
                key = app::NextFreeKey(list, session.clock);
                row = AppendRecord(session, key);
                ++outcome.added;
            } else {
                key = key_column < 0 ? std::string() : list.GetCell(row, key_column);
                ++outcome.replaced;
            }
            SetResultCells(list, row, result, title, choices);
            last_key = key;
            if (!session.ImageFolder.empty() && !key.empty() && HasCover(result)) {
                outcome.covers.push_back(
                    {CoverAddress(image_base, result[kImageFolder], result[kImageFile]), key});
            }
            OfferWantedRemoval(session, prompts, title);
        }
    }
    if (!outcome.Changed()) return outcome;

    session.Modified = true;
    list.DeselectAll();
    const int last = key_column < 0 ? -1 : list.FindRow(key_column, last_key);
    if (last >= 0) list.Select(last, true);
    app::SortVideos(list, session.Sort, session.Sort.column, session.Sort.direction);
    const std::vector<int> selected = list.SelectedRows();
    outcome.last_row = selected.empty() ? -1 : selected.front();
    session.NotifyListsChanged();
    return outcome;
}

int AddToWanted(app::Session& session, platform::Prompts& prompts, platform::Progress& progress,
                std::span<const ResultRow> picked) {
    if (picked.empty() || !session.IsOpen() || session.ReadOnly()) return 0;
    const int title_column = session.Videos.ColumnIndexOf(name::kTitle);
    int added = 0;
    {
        platform::ProgressScope scope(progress, static_cast<std::int64_t>(picked.size()),
                                      kImportingText);
        for (const ResultRow& result : picked) {
            scope.Step();
            const std::string title = TitleOf(session, result);
            if (title.empty()) continue;
            const bool wanted = HasWanted(session, title);
            const bool mine = title_column >= 0 && session.Videos.FindRow(title_column, title) >= 0;
            const char* question = nullptr;
            if (wanted && mine) {
                question =
                    "A duplicate video title exists in both the\nWanted Videos list and the My "
                    "Videos list.\n\nTitle: %s\n\nContinue anyway?";
            } else if (wanted) {
                question =
                    "A duplicate video title already exists in the Wanted Videos list.\n\nTitle: "
                    "%s\n\nContinue anyway?";
            } else if (mine) {
                question =
                    "A duplicate video title exists in the My Videos list.\n\nTitle: "
                    "%s\n\nContinue anyway?";
            }
            if (question && prompts.Message(core::FormatText(question, {title}), "Confirm",
                                            Buttons::kYesNo, Icon::kQuestion) != Answer::kYes) {
                continue;
            }
            session.Wanted.Add(title);
            ++added;
        }
    }
    if (added == 0) return 0;
    session.Modified = true;
    session.NotifyListsChanged();
    prompts.Message(kAddedText, kWizardCaption, Buttons::kOk, Icon::kInformation);
    return added;
}

}  // namespace wizard
