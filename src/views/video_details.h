#pragma once

#include <functional>
#include <string>
#include <vector>

#include "app/session.h"
#include "platform/image_converter.h"
#include "platform/prompts.h"
#include "views/details_text.h"

namespace views {

// An item of the pane's context menus.
struct PaneMenuItem {
    std::string label;
    std::string status;  // the status bar's text while the pointer rests on it
    bool enabled = true;
    bool checked = false;
};

// The Video Details pane: the selected record as text with QuickFind links, and its image.
class VideoDetails {
  public:
    static constexpr const char* kNoImageText = "No image to display";
    // Clicking a link searches for its text through this (the Text Search pane's QuickFind).
    using QuickFind = std::function<void(const std::string& text)>;

    VideoDetails(app::Session& session, platform::Prompts& prompts,
                 platform::ImageConverter& converter, QuickFind quick_find);

    // Shows a My Videos row; -1 (no selection) leaves the pane as it is.
    void show_record(int row);
    // Empties the pane (after the shown record was deleted, or the database closed).
    void Clear();
    bool Showing() const { return !key_.empty() || !title_.empty(); }

    // "Video Details - <title>"; "Video Details" while nothing is shown.
    std::string PaneTitle() const;
    const DetailsText& Details() const { return details_; }

    // ---- QuickFind links ----
    bool LinksActive() const { return session_.config.video_details_links_active; }
    // The status bar's text over the text at `offset`: the link's invitation, or empty.
    std::string LinkStatusText(std::size_t offset) const;
    // A click at `offset`: a link longer than two characters searches all columns for its
    // text. True if it did.
    bool ClickLink(std::size_t offset);

    // ---- Image panel ----
    // The record's image file; empty when it has none.
    const std::string& ImageFile() const { return image_file_; }
    // "Title (Year)" under the image, or kNoImageText.
    std::string ImageCaption() const;

    // ---- Menus ----
    std::vector<PaneMenuItem> PaneMenu() const;
    // "Enable QuickFind Links".
    void ToggleLinks();
    // "Hide Video Details".
    void Hide() { session_.config.video_details_visible = false; }
    std::vector<PaneMenuItem> ImageMenu() const;
    // "Add Image" and "Change Image": a picture chosen by the user becomes the record's image.
    void AddImage() { ChooseImage("Add Image"); }
    void ChangeImage() { ChooseImage("Change Image"); }
    // "Delete Image": after asking when deletions are confirmed.
    void DeleteImage();

  private:
    const LinkSpan* LinkAt(std::size_t offset) const;
    bool MayChangeImage() const;
    void ChooseImage(const char* title);
    void RefreshImage();

    app::Session& session_;
    platform::Prompts& prompts_;
    platform::ImageConverter& converter_;
    QuickFind quick_find_;
    std::string key_;
    std::string title_;
    std::string year_;
    DetailsText details_;
    std::string image_file_;
};

}  // namespace views
