#pragma once

#include "app/session.h"
#include "platform/prompts.h"

namespace app {

// The small buttons above the My Videos list. They run the List menu's operations, but ask
// before unflagging and before marking rows not viewed (when deletions are confirmed), and do
// nothing for a read-only user.
class MyVideosButtons {
  public:
    // What the window opens after a button.
    enum class Opens { kNothing, kAddVideo, kEditVideo, kFlagWindow, kMarkSelectedWindow };

    MyVideosButtons(Session& session, platform::Prompts& prompts)
        : session_(session), prompts_(prompts) {}

    // "Add video": the Add Video window; without a database, a hint instead.
    Opens AddVideo();
    // "Edit video": the Add Video window in edit mode, with exactly one row selected.
    Opens EditVideo();
    void DeleteSelected();
    void DeleteAll();
    // "Flag selected": the Flag Selected Videos window, with a selection.
    Opens FlagSelected();
    void UnflagSelected();
    void UnflagAll();
    void MarkViewed();
    void MarkNotViewed();
    // "Mark custom": the Mark Selected window, with a selection.
    Opens MarkCustom();

  private:
    bool MayChange() const { return session_.IsOpen() && !session_.ReadOnly(); }
    bool MayChangeSelection() const { return MayChange() && session_.Videos.SelectedCount() > 0; }

    Session& session_;
    platform::Prompts& prompts_;
};

}  // namespace app
