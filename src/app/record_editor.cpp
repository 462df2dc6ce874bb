#include "app/record_editor.h"

#include <filesystem>
#include <utility>

#include "app/hints.h"
#include "app/image_address.h"
#include "app/image_undo.h"
#include "app/menu_rules.h"
#include "app/record_images.h"
#include "core/images.h"
#include "core/paths.h"
#include "core/text.h"

namespace app {
namespace {

namespace name = core::column_name;
using platform::Answer;
using platform::Buttons;
using platform::Icon;

constexpr std::size_t kLongText = 51199;
constexpr std::size_t kMiscText = 255;

constexpr const char* kExampleAddress = "http://www.example.com/images/cover.gif";
constexpr const char* kSupportedTypes =
    "Supported image types include:\n\n1. Windows or OS/2 Bitmap (*.bmp)\n2. CompuServe Graphics "
    "Interchange (*.gif)\n3. JPEG Compliant (*.jpg)\n\nExample: ";

int CustomIndex(EditorField field) {
    return static_cast<int>(field) - static_cast<int>(EditorField::kCustom1);
}

bool IsCustom(EditorField field) {
    return CustomIndex(field) >= 0 && field <= EditorField::kCustom7;
}

bool IsDateField(EditorField field) {
    return field == EditorField::kMonth || field == EditorField::kDay ||
           field == EditorField::kViewedYear;
}

bool BeginsWithDigit(std::string_view text) {
    return !text.empty() && text.front() >= '0' && text.front() <= '9';
}

std::string Part(std::string_view text, std::size_t from, std::size_t count) {
    return from < text.size() ? std::string(text.substr(from, count)) : std::string();
}

// The viewed date fields of a "mm/dd/yyyy" text.
void SetViewedDate(RecordFields& fields, std::string_view date) {
    fields.month = Part(date, 0, 2);
    fields.day = Part(date, 3, 2);
    fields.viewed_year = Part(date, 6, 4);
}

// The first empty field of a viewed date: a date such as "03/0/2004" is no date, so a viewed
// video is stored only with all three.
std::optional<EditorField> EmptyDateField(const RecordFields& fields) {
    if (!fields.viewed) return std::nullopt;
    if (fields.month.empty()) return EditorField::kMonth;
    if (fields.day.empty()) return EditorField::kDay;
    if (fields.viewed_year.empty()) return EditorField::kViewedYear;
    return std::nullopt;
}

}  // namespace

RecordEditor::RecordEditor(Session& session, Services services, Mode mode)
    : session_(session), services_(services), mode_(mode), download_(services.downloader) {
    const core::VideoList& list = session.Videos;
    custom_columns_ = CustomColumns(list);
    for (int column : custom_columns_) {
        custom_labels_.push_back(list.Column(column).Name);
        custom_choices_.push_back(DistinctValues(list, column));
    }
    category_choices_ = DistinctValues(list, list.ColumnIndexOf(name::kCategory));
    mpaa_choices_ = DistinctValues(list, list.ColumnIndexOf(name::kMpaa));
    fields_.custom.resize(custom_columns_.size());

    // The date fields hold today until a viewed date replaces it.
    SetViewedDate(fields_, core::TodayDate(session.clock));

    if (mode == Mode::kEdit && list.SelectedCount() > 0) {
        edit_row_ = list.SelectedRows().front();
        FillFromRow(edit_row_);
        close_on_add_ = true;
        focus_.reset();
    } else {
        mode_ = Mode::kAdd;
        close_on_add_ = session.config.close_on_add;
        focus_ = EditorField::kTitle;
    }
}

RecordEditor::~RecordEditor() {
    // The download goes first, so that it cannot leave a preview behind.
    download_.Cancel();
    DeletePreviews();
}

void RecordEditor::FillFromRow(int row) {
    const core::VideoList& list = session_.Videos;
    const auto cell = [&](std::string_view column) {
        return list.GetCell(row, list.ColumnIndexOf(column));
    };
    fields_.title = cell(name::kTitle);
    fields_.cast = cell(name::kCast);
    fields_.director = cell(name::kDirector);
    fields_.producer = cell(name::kProducer);
    fields_.writer = cell(name::kWriter);
    fields_.year = cell(name::kYear);
    fields_.synopsis = core::DecodeLineBreaks(cell(name::kSynopsis));
    // The drop-downs show the record's own texts, so that OK leaves them as they were.
    fields_.category = cell(name::kCategory);
    fields_.mpaa = cell(name::kMpaa);
    for (std::size_t i = 0; i < custom_columns_.size(); ++i) {
        fields_.custom[i] = list.GetCell(row, custom_columns_[i]);
    }
    const std::string duration = cell(name::kDuration);
    if (BeginsWithDigit(duration)) {
        fields_.hours = Part(duration, 0, 2);
        fields_.minutes = Part(duration, 3, 2);
        fields_.seconds = Part(duration, 6, 2);
        RecomputeOrValue();
    }
    const std::string viewed = cell(name::kLastViewed);
    fields_.viewed = BeginsWithDigit(viewed);
    if (fields_.viewed) SetViewedDate(fields_, viewed);
    record_image_ = core::ImageFileOf(session_.ImageFolder, cell(name::kKey));
    picture_ = record_image_;
    fields_.image_file = record_image_;
}

const std::vector<std::string>& RecordEditor::PageNames() {
    static const std::vector<std::string> names = {"General", "Extended", "Synopsis", "Image"};
    return names;
}

void RecordEditor::PreviousPage() {
    if (PreviousEnabled()) page_ = static_cast<Page>(static_cast<int>(page_) - 1);
}

void RecordEditor::NextPage() {
    if (NextEnabled()) page_ = static_cast<Page>(static_cast<int>(page_) + 1);
}

FieldRule RecordEditor::RuleOf(EditorField field) {
    switch (field) {
        case EditorField::kYear:
            return {4, true};
        case EditorField::kHours:
        case EditorField::kMinutes:
        case EditorField::kSeconds:
        case EditorField::kMonth:
        case EditorField::kDay:
            return {2, true};
        case EditorField::kViewedYear:
            return {4, true};
        case EditorField::kOrValue:
            return {19, true};
        case EditorField::kMpaa:
            return {kMiscText, false};
        case EditorField::kFile:
            return {259, false};
        case EditorField::kUrl:
            return {1023, false};
        default:
            return {IsCustom(field) ? kMiscText : kLongText, false};
    }
}

std::optional<RecordEditor::UpDownRange> RecordEditor::UpDownRangeOf(EditorField field) {
    switch (field) {
        case EditorField::kHours:
            return UpDownRange{0, 99};
        case EditorField::kMinutes:
        case EditorField::kSeconds:
            return UpDownRange{0, 59};
        case EditorField::kMonth:
            return UpDownRange{kMonthRange[0], kMonthRange[1]};
        case EditorField::kDay:
            return UpDownRange{kDayRange[0], kDayRange[1]};
        case EditorField::kViewedYear:
            return UpDownRange{kYearRange[0], kYearRange[1]};
        default:
            return std::nullopt;
    }
}

const std::string& RecordEditor::Text(EditorField field) const {
    switch (field) {
        case EditorField::kTitle:
            return fields_.title;
        case EditorField::kCategory:
            return fields_.category;
        case EditorField::kCast:
            return fields_.cast;
        case EditorField::kDirector:
            return fields_.director;
        case EditorField::kProducer:
            return fields_.producer;
        case EditorField::kWriter:
            return fields_.writer;
        case EditorField::kYear:
            return fields_.year;
        case EditorField::kHours:
            return fields_.hours;
        case EditorField::kMinutes:
            return fields_.minutes;
        case EditorField::kSeconds:
            return fields_.seconds;
        case EditorField::kOrValue:
            return or_value_;
        case EditorField::kMonth:
            return fields_.month;
        case EditorField::kDay:
            return fields_.day;
        case EditorField::kViewedYear:
            return fields_.viewed_year;
        case EditorField::kMpaa:
            return fields_.mpaa;
        case EditorField::kSynopsis:
            return fields_.synopsis;
        case EditorField::kFile:
            return fields_.image_file;
        case EditorField::kUrl:
            return url_;
        default:
            break;
    }
    static const std::string kMissing;
    const auto index = static_cast<std::size_t>(CustomIndex(field));
    return index < fields_.custom.size() ? fields_.custom[index] : kMissing;
}

// Only for enabled fields, which all have their own text.
std::string& RecordEditor::FieldText(EditorField field) {
    return const_cast<std::string&>(std::as_const(*this).Text(field));
}

void RecordEditor::SetText(EditorField field, std::string text) {
    if (!FieldEnabled(field)) return;
    FieldText(field) = std::move(text);
    if (field == EditorField::kHours || field == EditorField::kMinutes ||
        field == EditorField::kSeconds) {
        RecomputeOrValue();
    } else if (field == EditorField::kOrValue) {
        const DurationFields duration = DurationFieldsOf(or_value_, unit_);
        fields_.hours = duration.hours;
        fields_.minutes = duration.minutes;
        fields_.seconds = duration.seconds;
    }
}

bool RecordEditor::FieldEnabled(EditorField field) const {
    if (IsDateField(field)) return fields_.viewed;
    if (IsCustom(field))
        return static_cast<std::size_t>(CustomIndex(field)) < custom_columns_.size();
    return true;
}

const std::vector<std::string>& RecordEditor::Choices(EditorField field) const {
    static const std::vector<std::string> none;
    if (field == EditorField::kCategory) return category_choices_;
    if (field == EditorField::kMpaa) return mpaa_choices_;
    const auto index = static_cast<std::size_t>(CustomIndex(field));
    if (IsCustom(field) && index < custom_choices_.size()) return custom_choices_[index];
    return none;
}

void RecordEditor::SetUnit(DurationUnit unit) {
    unit_ = unit;
    RecomputeOrValue();
}

void RecordEditor::RecomputeOrValue() {
    or_value_ = OrValueOf(fields_.hours, fields_.minutes, fields_.seconds, unit_);
}

RecordEditor::OkResult RecordEditor::Ok() {
    if (session_.ReadOnly()) return {};
    if (fields_.title.empty()) {
        services_.prompts.Message("A video title is required.", "Reeldeck Tip", Buttons::kOk,
                                  Icon::kInformation);
        focus_ = EditorField::kTitle;
        return {};
    }
    if (const std::optional<EditorField> empty = EmptyDateField(fields_)) {
        services_.prompts.Message("A month, day and year are required for the date viewed.",
                                  "Reeldeck Tip", Buttons::kOk, Icon::kInformation);
        focus_ = *empty;
        return {};
    }
    if (mode_ == Mode::kEdit) {
        StoreEdit(session_, edit_row_, fields_, services_.converter);
        stored_row_ = edit_row_;
        return {true, true};
    }
    // The typed title is compared, before its leading article is moved.
    const core::VideoList& list = session_.Videos;
    if (list.FindRow(list.ColumnIndexOf(name::kTitle), fields_.title) >= 0 &&
        list.FindRow(list.ColumnIndexOf(name::kYear), fields_.year) >= 0) {
        const std::string question = core::FormatText(
            "This video title already exists in the My Videos list:\n\nTitle: %s\nYear: "
            "%s\n\nAdd anyway?",
            {fields_.title, fields_.year});
        if (services_.prompts.Message(question, "Confirm", Buttons::kYesNo, Icon::kQuestion) !=
            Answer::kYes) {
            return {};
        }
    }
    stored_row_ = AddRecord(session_, fields_, services_.converter);
    OfferWantedRemoval(session_, services_.prompts,
                       session_.Videos.Cell(stored_row_, list.ColumnIndexOf(name::kTitle)));
    return {true, close_on_add_};
}

std::string RecordEditor::PreviewPath(std::string_view extension) const {
    return PreviewImagePath(session_.paths.folder, extension);
}

bool RecordEditor::IsPreview(const std::string& path) const {
    return core::StartsWith(path, PreviewPath(""));
}

void RecordEditor::DeletePreviews() const {
    std::error_code error;
    for (std::string_view extension : PictureExtensions()) {
        std::filesystem::remove(PreviewPath(extension), error);
    }
}

void RecordEditor::Browse() {
    std::optional<std::string> chosen =
        services_.prompts.OpenFile("Add Image", PictureFileFilter());
    if (!chosen || !core::FileExists(*chosen)) return;
    picture_ = *chosen;
    fields_.image_file = *chosen;
    progress_ = 100;
}

void RecordEditor::Download(std::function<void()> finished) {
    if (downloading_) return;
    const ImageAddress address = CheckImageAddress(url_);
    switch (address.verdict) {
        case ImageAddress::Verdict::kEmpty:
            return;
        case ImageAddress::Verdict::kNotWebAddress:
            services_.prompts.Message(
                std::string("The URL specified is not properly formatted. The URL must begin\nwith "
                            "\"http://\" and point to a supported image type.\n\n") +
                    kSupportedTypes + kExampleAddress,
                "Reeldeck Tip", Buttons::kOk, Icon::kInformation);
            return;
        case ImageAddress::Verdict::kNotPicture:
            services_.prompts.Message(
                std::string("The URL specified does not point to a supported image type.\n\n") +
                    kSupportedTypes + kExampleAddress,
                "Reeldeck Tip", Buttons::kOk, Icon::kInformation);
            return;
        case ImageAddress::Verdict::kPicture:
            break;
    }
    pending_preview_ = PreviewPath(address.extension);
    std::error_code error;
    std::filesystem::create_directories(core::ParentFolderOf(pending_preview_), error);
    downloading_ = true;
    progress_ = 0;
    if (!download_.Start(address.address, pending_preview_, std::move(finished))) {
        downloading_ = false;
        services_.prompts.Message(
            "An unknown error has occurred while attempting to process your\nrequest. Please "
            "restart Reeldeck and try again.",
            "Unknown Error", Buttons::kOk, Icon::kError);
    }
}

void RecordEditor::DownloadFinished() {
    if (!downloading_) return;
    downloading_ = false;
    const bool wizard_image = std::exchange(wizard_image_, false);
    if (download_.Result().ok() && core::FileExists(pending_preview_)) {
        picture_ = pending_preview_;
        fields_.image_file = pending_preview_;
        progress_ = 100;
        return;
    }
    progress_ = 0;
    if (wizard_image) {
        services_.prompts.Message("Unable to retrieve image.", "Error", Buttons::kOk, Icon::kError);
        return;
    }
    services_.prompts.Message(
        "An error occurred while attempting to download the specified image.\n\nPossible causes "
        "include:\n\n1. No Internet connection\n2. URL path is incorrect\n3. URL is case-sensitive",
        "Import Error", Buttons::kOk, Icon::kError);
}

bool RecordEditor::FillFromWizard(std::function<void()> finished) {
    if (!wizard_source_) return false;
    const std::optional<WizardPick> pick = wizard_source_();
    if (!pick) return false;
    FillFromPick(*pick, std::move(finished));
    return true;
}

void RecordEditor::FillFromPick(const WizardPick& pick, std::function<void()> finished) {
    fields_.title = pick.title;
    fields_.year = pick.year;
    fields_.mpaa = pick.mpaa;
    fields_.cast = pick.cast;
    fields_.director = pick.director;
    fields_.producer = pick.producer;
    fields_.writer = pick.writer;
    fields_.category = pick.category;
    fields_.synopsis = core::DecodeLineBreaks(pick.synopsis);
    if (BeginsWithDigit(pick.duration)) {
        fields_.hours = Part(pick.duration, 0, 2);
        fields_.minutes = Part(pick.duration, 3, 2);
        fields_.seconds = Part(pick.duration, 6, 2);
        RecomputeOrValue();
    }
    for (std::size_t i = 0; i < fields_.custom.size() && i < pick.options.size(); ++i) {
        fields_.custom[i] = pick.options[i];
    }
    fields_.viewed = pick.viewed;
    if (pick.viewed) {
        fields_.month = pick.month;
        fields_.day = pick.day;
        fields_.viewed_year = pick.viewed_year;
    }
    focus_ = EditorField::kTitle;
    if (pick.image_address.empty() || downloading_) return;
    url_ = pick.image_address;
    wizard_image_ = true;
    Download(std::move(finished));
    if (!downloading_) wizard_image_ = false;
}

int RecordEditor::ProgressValue() const {
    return downloading_ ? download_.Percent() : progress_;
}

void RecordEditor::DeleteImage() {
    if (picture_.empty() || session_.ReadOnly()) return;
    if (session_.config.prompt_before_delete &&
        services_.prompts.Message("Delete image?", "Confirm", Buttons::kYesNo, Icon::kQuestion) !=
            Answer::kYes) {
        return;
    }
    const std::string& file = fields_.image_file;
    if (!file.empty() && (file == record_image_ || IsPreview(file))) {
        // The record's stored image is kept for the import undo first; one it could not keep
        // stays (the record then still shows it).
        std::error_code error;
        if (file != record_image_ || app::ImageUndoOf(session_).KeepBeforeChange(file))
            std::filesystem::remove(file, error);
    }
    picture_.clear();
    fields_.image_file.clear();
}

std::string RecordEditor::HelpEntryOf(EditorField field) {
    if (IsCustom(field)) return "add-misc";
    switch (field) {
        case EditorField::kTitle:
            return "add-title";
        case EditorField::kCategory:
            return "add-category";
        case EditorField::kCast:
            return "add-cast";
        case EditorField::kDirector:
            return "add-director";
        case EditorField::kProducer:
            return "add-producer";
        case EditorField::kWriter:
            return "add-writer";
        case EditorField::kYear:
            return "add-year";
        case EditorField::kHours:
        case EditorField::kMinutes:
        case EditorField::kSeconds:
            return "add-duration";
        case EditorField::kOrValue:
            return "add-duration-or";
        case EditorField::kMonth:
        case EditorField::kDay:
        case EditorField::kViewedYear:
            return "add-viewed-date";
        case EditorField::kMpaa:
            return "add-mpaa";
        case EditorField::kSynopsis:
            return "add-synopsis";
        case EditorField::kFile:
            return "add-image";
        case EditorField::kUrl:
            return "add-image-url";
        default:
            return {};
    }
}

std::string RecordEditor::HelpEntryOf(EditorControl control) {
    switch (control) {
        case EditorControl::kPicture:
        case EditorControl::kBrowse:
            return "add-image";
        case EditorControl::kViewed:
            return "add-viewed";
        case EditorControl::kUnit:
            return "add-duration-or";
        case EditorControl::kDownload:
            return "add-image-url";
        case EditorControl::kDeleteImage:
            return "add-image-delete";
        case EditorControl::kCloseOnAdd:
            return "add-close-on-add";
        case EditorControl::kWizard:
            return "add-wizard";
        default:
            return {};  // the page tree and the buttons explain themselves
    }
}

std::string RecordEditor::PopupHelp(const std::string& entry) const {
    return services_.help && !entry.empty() ? services_.help->PopupText(entry) : std::string();
}

bool MayAddRecord(const Session& session, platform::Prompts& prompts) {
    if (!session.IsOpen()) {
        prompts.Message(kOpenDatabaseBeforeAddingText, kTipTitle, Buttons::kOk, Icon::kInformation);
        return false;
    }
    return !session.ReadOnly();
}

}  // namespace app
