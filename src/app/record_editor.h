#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/duration_fields.h"
#include "app/image_download.h"
#include "app/record_storing.h"
#include "app/session.h"
#include "app/wizard_pick.h"
#include "platform/downloader.h"
#include "platform/image_converter.h"
#include "platform/prompts.h"
#include "platform/shell.h"

namespace app {

// The fields of the Add Video window, page by page.
enum class EditorField {
    // General
    kTitle,
    kCategory,
    kCast,
    kDirector,
    kProducer,
    kWriter,
    // Extended
    kYear,
    kHours,
    kMinutes,
    kSeconds,
    kOrValue,
    kMonth,
    kDay,
    kViewedYear,
    kMpaa,
    kCustom1,
    kCustom2,
    kCustom3,
    kCustom4,
    kCustom5,
    kCustom6,
    kCustom7,
    // Synopsis
    kSynopsis,
    // Image
    kFile,
    kUrl,
};

// The window's other controls, for their pop-up help.
enum class EditorControl {
    kPageTree,
    kPrevious,
    kNext,
    kPicture,
    kViewed,
    kUnit,
    kBrowse,
    kDownload,
    kDeleteImage,
    kCloseOnAdd,
    kOk,
    kClose,
    kHelp,
    kWizard,
};

// How a field takes typing: at most this many characters, digits only or any text. The window's
// input fields apply it; texts filled in from a record are shown whole.
struct FieldRule {
    std::size_t max_length = 0;
    bool digits_only = false;
};

// The Add Video window ("Add Video" or "Edit Video"): the form that creates a My Videos record
// or changes the selected one.
class RecordEditor {
  public:
    enum class Mode { kAdd, kEdit };
    enum class Page { kGeneral, kExtended, kSynopsis, kImage };

    struct Services {
        platform::Prompts& prompts;
        platform::ImageConverter& converter;
        platform::Downloader& downloader;
        platform::Help* help = nullptr;  // the pop-up help; none gives no help texts
    };

    static constexpr const char* kNoImageText = "No image to display";
    // How long the image page's progress bar stays full before it returns to 0.
    static constexpr int kProgressHoldMilliseconds = 200;
    // The Up-down ranges of the viewed date.
    static constexpr int kMonthRange[2] = {1, 12};
    static constexpr int kDayRange[2] = {1, 31};
    static constexpr int kYearRange[2] = {1970, 2030};
    // The range an up-down control steps a field within: the duration's hours (0-99), minutes and
    // seconds (0-59) and the viewed date's month, day and year. Nothing for the fields without an
    // up-down control.
    struct UpDownRange {
        int minimum = 0;
        int maximum = 0;
        bool operator==(const UpDownRange&) const = default;
    };
    static std::optional<UpDownRange> UpDownRangeOf(EditorField field);

    // Fills the form: empty in add mode, from the first selected row in edit mode.
    RecordEditor(Session& session, Services services, Mode mode);
    // Cancels a running download and deletes the downloaded previews.
    ~RecordEditor();
    RecordEditor(const RecordEditor&) = delete;
    RecordEditor& operator=(const RecordEditor&) = delete;

    Mode GetMode() const { return mode_; }
    // "Add Video" or "Edit Video".
    const char* WindowTitle() const { return mode_ == Mode::kAdd ? "Add Video" : "Edit Video"; }

    // ---- Pages: the tree and the "<<" and ">>" buttons ----
    static const std::vector<std::string>& PageNames();
    Page CurrentPage() const { return page_; }
    void ShowPage(Page page) { page_ = page; }
    bool PreviousEnabled() const { return page_ != Page::kGeneral; }
    bool NextEnabled() const { return page_ != Page::kImage; }
    void PreviousPage();
    void NextPage();

    // ---- Fields ----
    static FieldRule RuleOf(EditorField field);
    const std::string& Text(EditorField field) const;
    // Typing into a field. The duration fields and the "or" value recompute each other.
    void SetText(EditorField field, std::string text);
    // The date fields only while Viewed is "Yes"; the Miscellaneous fields of missing custom
    // columns never.
    bool FieldEnabled(EditorField field) const;
    // The labels of Miscellaneous 2 to 8: the custom columns' names (fewer when the table has
    // fewer custom columns).
    const std::vector<std::string>& CustomLabels() const { return custom_labels_; }
    // The drop-down's values: every distinct text of the column in the list, alphabetically.
    const std::vector<std::string>& Choices(EditorField field) const;

    DurationUnit Unit() const { return unit_; }
    void SetUnit(DurationUnit unit);
    bool Viewed() const { return fields_.viewed; }
    void SetViewed(bool viewed) { fields_.viewed = viewed; }
    bool CloseOnAdd() const { return close_on_add_; }
    void SetCloseOnAdd(bool close) {
        if (mode_ == Mode::kAdd) close_on_add_ = close;
    }
    bool CloseOnAddEnabled() const { return mode_ == Mode::kAdd; }

    // ---- OK ----
    bool OkEnabled() const { return !fields_.title.empty(); }
    struct OkResult {
        bool stored = false;  // a record was added or changed
        bool close = false;   // the window ends
    };
    // Checks the title and, for a viewed video, that the date has a month, day and year (the
    // focus goes to the first empty one), and when adding asks about a title and year already in
    // the list; then adds or stores the record.
    OkResult Ok();
    // The field that has the focus; none means the page tree.
    std::optional<EditorField> FocusedField() const { return focus_; }
    // The row that was stored, to be made visible; -1 before any.
    int StoredRow() const { return stored_row_; }

    // ---- Image page ----
    // The picture the picture area shows; empty shows kNoImageText.
    const std::string& Picture() const { return picture_; }
    // "Browse": a picture file chosen through the "Add Image" picker.
    void Browse();
    bool DownloadEnabled() const { return !downloading_; }
    // "Download": checks the URL and starts fetching it. `finished` is called on the worker
    // thread when it ends; the window then calls DownloadFinished() on its own thread.
    void Download(std::function<void()> finished);
    void DownloadFinished();
    // The progress bar, 0 to 100. After it is full the window waits kProgressHoldMilliseconds
    // and calls ResetProgress().
    int ProgressValue() const;
    void ResetProgress() { progress_ = 0; }
    bool DeleteImageEnabled() const { return !picture_.empty(); }
    // "Delete": removes the picture at once (after asking when deletions are confirmed). Only the
    // record's own image file and downloaded previews are deleted from disk; a picture chosen
    // elsewhere only leaves the form.
    void DeleteImage();

    // ---- Wizard ----
    // Where the "Wizard" button takes its result: the open Video Import Wizard's single selected
    // result, or nothing. Without a source (no wizard open) the button rests.
    using WizardSource = std::function<std::optional<WizardPick>()>;
    void SetWizardSource(WizardSource source) { wizard_source_ = std::move(source); }
    bool WizardEnabled() const { return wizard_source_ != nullptr && !downloading_; }
    // "Wizard": fills the form from the source's result; false when it offers none.
    bool FillFromWizard(std::function<void()> finished);
    // Fills the form from a result: its texts, the options as the Miscellaneous fields, the
    // viewed status and date, and its cover fetched as a download is (`finished` as there). A
    // cover that cannot be fetched is reported as "Unable to retrieve image.".
    void FillFromPick(const WizardPick& pick, std::function<void()> finished);

    // The pop-up help of a control, from the help folder; empty for controls that explain
    // themselves.
    std::string HelpText(EditorField field) const { return PopupHelp(HelpEntryOf(field)); }
    std::string HelpText(EditorControl control) const { return PopupHelp(HelpEntryOf(control)); }
    static std::string HelpEntryOf(EditorField field);
    static std::string HelpEntryOf(EditorControl control);

  private:
    void FillFromRow(int row);
    std::string PopupHelp(const std::string& entry) const;
    std::string& FieldText(EditorField field);
    void RecomputeOrValue();
    std::string PreviewPath(std::string_view extension) const;
    bool IsPreview(const std::string& path) const;
    void DeletePreviews() const;

    Session& session_;
    Services services_;
    Mode mode_;
    Page page_ = Page::kGeneral;
    int edit_row_ = -1;
    RecordFields fields_;
    std::string or_value_;
    std::string url_;
    DurationUnit unit_ = DurationUnit::kMinutes;
    bool close_on_add_ = true;
    std::optional<EditorField> focus_;
    int stored_row_ = -1;

    std::vector<int> custom_columns_;
    std::vector<std::string> custom_labels_;
    std::vector<std::string> category_choices_;
    std::vector<std::string> mpaa_choices_;
    std::vector<std::vector<std::string>> custom_choices_;

    std::string picture_;
    std::string record_image_;  // the record's image when the form was filled (edit mode)
    std::string pending_preview_;
    bool downloading_ = false;
    bool wizard_image_ = false;  // the download is a wizard result's cover
    WizardSource wizard_source_;
    int progress_ = 0;
    ImageDownload download_;
};

// List > Records > Add New...: true when the window may open; without a database a hint is
// shown instead, and a read-only user gets nothing.
bool MayAddRecord(const Session& session, platform::Prompts& prompts);

}  // namespace app
