#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/session.h"
#include "platform/progress.h"
#include "platform/prompts.h"
#include "wizard/results_reply.h"

// Turning chosen search results into records of My Videos or titles of Wanted Videos.
namespace wizard {

// The answer to a result whose title My Videos has already.
enum class DuplicateChoice { kAddNew, kReplace, kSkip };

// The confirmation window "Comfirm" with "Add New", "Replace" and "Skip"; closing it is "Skip".
class DuplicateQuestion {
  public:
    virtual ~DuplicateQuestion() = default;
    virtual DuplicateChoice Ask(std::string_view title) = 0;
};
constexpr std::string_view kDuplicateCaption = "Comfirm";
// "This title already exists in the My Videos list.\n\nTitle: " and the title.
std::string DuplicateText(std::string_view title);

// The wizard's "Options" values (one per custom column, in table order) and "Viewed Status".
struct AddChoices {
    std::vector<std::string> options;
    bool viewed = false;
    std::string month;
    std::string day;
    std::string year;
};

// A cover to fetch for the record with `key`.
struct CoverJob {
    std::string address;
    std::string key;
};

struct AddOutcome {
    int added = 0;
    int replaced = 0;
    int last_row = -1;  // the last added or replaced row, after sorting
    std::vector<CoverJob> covers;
    bool Changed() const { return added + replaced > 0; }
};

constexpr std::string_view kImportingText = "Importing, please wait...";
constexpr std::string_view kAddedUpdatedText = "Record(s) Added/Updated";
constexpr std::string_view kAddedText = "Record(s) Added";
constexpr std::string_view kWizardCaption = "Video Import Wizard";

// "Add My Videos": each picked result becomes a new record, or replaces the record of the same
// title, or is skipped, as the question answers; covers are queued for records when the database
// has an image folder (`image_base` is the image service's address). A replaced record keeps its
// Key, number, date added and, until a new cover has arrived whole, its cover. Afterwards the
// list is sorted again and the last added or replaced row is the selection.
AddOutcome AddToMyVideos(app::Session& session, platform::Prompts& prompts,
                         DuplicateQuestion& question, platform::Progress& progress,
                         std::span<const ResultRow> picked, const AddChoices& choices,
                         std::string_view image_base);

// "Add Wanted": each picked title joins Wanted Videos, after asking about a title the lists have
// already. Shows "Record(s) Added" when one was added; returns how many were.
int AddToWanted(app::Session& session, platform::Prompts& prompts, platform::Progress& progress,
                std::span<const ResultRow> picked);

}  // namespace wizard
