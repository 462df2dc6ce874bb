#include "app/my_videos_buttons.h"

#include "app/deleting.h"
#include "app/hints.h"
#include "app/marking.h"

namespace app {

using platform::Buttons;
using platform::Icon;

MyVideosButtons::Opens MyVideosButtons::AddVideo() {
    if (!session_.IsOpen()) {
        prompts_.Message(kOpenDatabaseBeforeAddingPaneText, kTipTitle, Buttons::kOk,
                         Icon::kInformation);
        return Opens::kNothing;
    }
    return MayChange() ? Opens::kAddVideo : Opens::kNothing;
}

MyVideosButtons::Opens MyVideosButtons::EditVideo() {
    return MayChange() && session_.Videos.SelectedCount() == 1 ? Opens::kEditVideo
                                                               : Opens::kNothing;
}

void MyVideosButtons::DeleteSelected() {
    if (MayChange()) app::DeleteSelected(session_, prompts_);
}

void MyVideosButtons::DeleteAll() {
    if (MayChange()) app::DeleteAll(session_, prompts_);
}

MyVideosButtons::Opens MyVideosButtons::FlagSelected() {
    return MayChangeSelection() ? Opens::kFlagWindow : Opens::kNothing;
}

void MyVideosButtons::UnflagSelected() {
    if (!MayChangeSelection()) return;
    if (ConfirmDeletion(session_, prompts_,
                        "Remove flags from selected records in the My Videos list?")) {
        app::UnflagSelected(session_);
    }
}

void MyVideosButtons::UnflagAll() {
    if (!MayChange() || session_.Videos.RowCount() == 0) return;
    if (ConfirmDeletion(session_, prompts_, "Remove all flags in the My Videos list?")) {
        app::UnflagAll(session_);
    }
}

void MyVideosButtons::MarkViewed() {
    if (MayChangeSelection()) MarkViewedToday(session_);
}

void MyVideosButtons::MarkNotViewed() {
    if (!MayChangeSelection()) return;
    if (ConfirmDeletion(session_, prompts_,
                        "Mark selected records in the My Videos list as not viewed?")) {
        app::MarkNotViewed(session_);
    }
}

MyVideosButtons::Opens MyVideosButtons::MarkCustom() {
    return MayChangeSelection() ? Opens::kMarkSelectedWindow : Opens::kNothing;
}

}  // namespace app
