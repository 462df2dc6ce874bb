#include "views/video_details.h"

#include "app/image_undo.h"
#include "app/record_images.h"
#include "core/images.h"
#include "core/text.h"

namespace views {

namespace name = core::column_name;
using platform::Answer;
using platform::Buttons;
using platform::Icon;

VideoDetails::VideoDetails(app::Session& session, platform::Prompts& prompts,
                           platform::ImageConverter& converter, QuickFind quick_find)
    : session_(session),
      prompts_(prompts),
      converter_(converter),
      quick_find_(std::move(quick_find)) {}

void VideoDetails::show_record(int row) {
    const core::VideoList& list = session_.Videos;
    if (row < 0 || row >= list.RowCount()) return;
    key_ = list.GetCell(row, list.ColumnIndexOf(name::kKey));
    title_ = list.GetCell(row, list.ColumnIndexOf(name::kTitle));
    year_ = list.GetCell(row, list.ColumnIndexOf(name::kYear));
    details_ = BuildDetailsText(list, row);
    RefreshImage();
}

void VideoDetails::Clear() {
    key_.clear();
    title_.clear();
    year_.clear();
    details_ = {};
    image_file_.clear();
}

void VideoDetails::RefreshImage() {
    image_file_ = key_.empty() ? std::string() : core::ImageFileOf(session_.ImageFolder, key_);
}

std::string VideoDetails::PaneTitle() const {
    return Showing() ? "Video Details - " + title_ : "Video Details";
}

const LinkSpan* VideoDetails::LinkAt(std::size_t offset) const {
    if (!LinksActive()) return nullptr;
    // Links found later were styled over earlier ones.
    const LinkSpan* found = nullptr;
    for (const LinkSpan& link : details_.links) {
        if (offset >= link.start && offset < link.start + link.length) found = &link;
    }
    return found;
}

std::string VideoDetails::LinkStatusText(std::size_t offset) const {
    const LinkSpan* link = LinkAt(offset);
    if (!link) return {};
    return "       Click to find all \"" + link->text + "\" videos";
}

bool VideoDetails::ClickLink(std::size_t offset) {
    const LinkSpan* link = LinkAt(offset);
    if (!link || link->text.size() <= 2 || !quick_find_) return false;
    quick_find_(link->text);
    return true;
}

std::string VideoDetails::ImageCaption() const {
    if (image_file_.empty()) return kNoImageText;
    return core::FormatText("%s (%s)", {title_, year_});
}

std::vector<PaneMenuItem> VideoDetails::PaneMenu() const {
    return {
        {"Enable QuickFind Links", "       Enable or disable QuickFind links", true, LinksActive()},
        // Printing comes later.
        {"More Videos",
         "       Use the Video Import Wizard to get more information about a selected item.",
         !key_.empty() && session_.IsOpen(), false},
        {"Copy", "       Copy selected text to the clipboard", true, false},
        {"Select All", "       Select all text", true, false},
        {"Print...", "       Print video records", false, false},
        {"Hide Video Details", "       Hide video details window", true, false},
    };
}

void VideoDetails::ToggleLinks() {
    session_.config.video_details_links_active = !session_.config.video_details_links_active;
}

bool VideoDetails::MayChangeImage() const {
    return !key_.empty() && !session_.ImageFolder.empty() && session_.IsOpen() &&
           !session_.ReadOnly();
}

std::vector<PaneMenuItem> VideoDetails::ImageMenu() const {
    const bool may = MayChangeImage();
    const bool has_image = !image_file_.empty();
    return {
        {"Add Image", "       Add new image", may && !has_image, false},
        {"Change Image", "       Replace existing image", may && has_image, false},
        {"Delete Image", "       Delete image", may && has_image, false},
    };
}

void VideoDetails::ChooseImage(const char* title) {
    if (!MayChangeImage()) return;
    const std::optional<std::string> chosen = prompts_.OpenFile(title, app::PictureFileFilter());
    if (!chosen) return;
    app::StoreRecordImage(session_.ImageFolder, key_, *chosen, converter_,
                          app::ImageUndoOf(session_));
    RefreshImage();
    session_.NotifyListsChanged();
}

void VideoDetails::DeleteImage() {
    if (!MayChangeImage() || image_file_.empty()) return;
    if (session_.config.prompt_before_delete &&
        prompts_.Message("Delete image?", "Confirm", Buttons::kYesNo, Icon::kQuestion) !=
            Answer::kYes) {
        return;
    }
    app::DeleteRecordImages(session_.ImageFolder, key_, app::ImageUndoOf(session_));
    RefreshImage();
    session_.NotifyListsChanged();
}

}  // namespace views
