#include "app/wanted_pane.h"

#include <algorithm>

#include "app/deleting.h"
#include "app/hints.h"
#include "core/text.h"

namespace app {

using platform::Buttons;
using platform::Icon;

std::string WantedPane::Caption() const {
    // Without a database the pane shows its bare name.
    if (!session_.IsOpen()) return "Wanted";
    return PaneCaption("Wanted", session_.Wanted.Count());
}

int WantedPane::Selected() const {
    if (selected_.empty()) return -1;
    const std::vector<std::string>& titles = session_.Wanted.Titles();
    for (std::size_t i = 0; i < titles.size(); ++i) {
        if (titles[i] == selected_) return static_cast<int>(i);
    }
    return -1;
}

void WantedPane::SelectFirstBeginningWith(std::string_view text) {
    const std::string prefix = core::ToLowerAscii(std::string(text));
    for (const std::string& title : session_.Wanted.Titles()) {
        if (core::StartsWith(core::ToLowerAscii(title), prefix)) {
            selected_ = title;
            return;
        }
    }
}

void WantedPane::SetText(std::string text) {
    text_ = std::move(text);
    field_focused_ = false;
    if (!text_.empty()) SelectFirstBeginningWith(text_);
}

void WantedPane::Choose(int index) {
    if (index < 0 || index >= session_.Wanted.Count()) return;
    selected_ = session_.Wanted.Get(index);
    text_ = selected_;
}

void WantedPane::AddWanted() {
    if (!session_.IsOpen()) {
        prompts_.Message(kOpenDatabaseBeforeAddingText, kTipTitle, Buttons::kOk,
                         Icon::kInformation);
        return;
    }
    if (session_.ReadOnly()) return;
    std::string title = core::RemoveLineBreaks(text_);
    if (session_.config.place_the_in_back) title = core::MoveLeadingArticle(std::move(title));
    if (title.empty()) return;
    field_focused_ = true;
    const std::vector<std::string>& titles = session_.Wanted.Titles();
    const bool present = std::any_of(titles.begin(), titles.end(), [&](const std::string& t) {
        return core::EqualsNoCase(t, title);
    });
    if (!present) {
        session_.Wanted.Add(title);
        session_.Modified = true;
        session_.NotifyListsChanged();
    }
    SelectFirstBeginningWith(title);
}

void WantedPane::DeleteWanted() {
    const int index = Selected();
    if (!MayChange() || index < 0) return;
    if (!ConfirmDeletion(session_, prompts_, "Delete selected record from Wanted Videos list?")) {
        return;
    }
    session_.Wanted.Delete(index);
    selected_.clear();
    session_.Modified = true;
    session_.NotifyListsChanged();
}

void WantedPane::ClearWanted() {
    if (!MayChange() || session_.Wanted.Count() == 0) return;
    if (!ConfirmDeletion(session_, prompts_, "Delete all records from Wanted Videos list?")) return;
    session_.Wanted.Clear();
    selected_.clear();
    session_.Modified = true;
    session_.NotifyListsChanged();
}

void WantedPane::ToggleDocked() {
    session_.config.wanted_videos_docked = !session_.config.wanted_videos_docked;
}

void WantedPane::FloatGeometryChanged(const config::WindowGeometry& geometry) {
    session_.config.wanted_videos_float = geometry;
}

}  // namespace app
