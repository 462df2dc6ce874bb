#pragma once

#include <string>

#include "app/session.h"
#include "config/program_config.h"
#include "platform/prompts.h"

namespace app {

// The Wanted Videos pane: a text field, buttons that add, delete and delete all, and the list of
// wanted titles. The list follows the typing and the field follows the chosen title. A
// read-only user may look and type but not change the list.
class WantedPane {
  public:
    static constexpr std::size_t kTitleMaxLength = 256;

    WantedPane(Session& session, platform::Prompts& prompts)
        : session_(session), prompts_(prompts) {}

    // "Wanted - 12": the pane's header and, while floating, its window title; "Wanted" while no
    // database is open.
    std::string Caption() const;

    const std::string& Text() const { return text_; }
    // Typing: the first title that begins with the text (ignoring case) is selected; without
    // one the selection stays.
    void SetText(std::string text);
    // The selected title's index, or -1.
    int Selected() const;
    // Choosing a title copies it into the text field.
    void Choose(int index);

    // The add button or Enter: the text (its leading article moved when the settings say so)
    // joins the list at its sorted place unless the list has it already (ignoring case); the
    // first title that begins with it is selected. Without a database a hint is shown.
    void AddWanted();
    // The delete button: removes the selected title, after asking when deletions are confirmed.
    void DeleteWanted();
    // The delete-all button: empties the list, after asking when deletions are confirmed.
    void ClearWanted();
    // After adding, the field has the focus with its whole text selected.
    bool FieldFocused() const { return field_focused_; }

    // A double click starts an online search for the text with the Video Import Wizard (also
    // for a read-only user); it needs an open database.
    bool SearchOnlineEnabled() const { return session_.IsOpen(); }

    // ---- Docking ----
    bool Docked() const { return session_.config.wanted_videos_docked; }
    // The float button: docks a floating pane and floats a docked one.
    void ToggleDocked();
    // "Float window", or "Dock window" while floating.
    const char* FloatButtonTip() const { return Docked() ? "Float window" : "Dock window"; }
    // The floating window was moved or resized.
    void FloatGeometryChanged(const config::WindowGeometry& geometry);
    bool Visible() const { return session_.config.wanted_videos_visible; }
    void SetVisible(bool visible) { session_.config.wanted_videos_visible = visible; }

  private:
    bool MayChange() const { return session_.IsOpen() && !session_.ReadOnly(); }
    void SelectFirstBeginningWith(std::string_view text);

    Session& session_;
    platform::Prompts& prompts_;
    std::string text_;
    std::string selected_;  // the selected title; the list may change under the pane
    bool field_focused_ = false;
};

}  // namespace app
