#pragma once

#include <array>
#include <string>

#include "app/session.h"

namespace app {

// The "Mark Selected" window: a viewed date for the selected rows.
class MarkSelectedWindow {
  public:
    static constexpr const char* kTitle = "Mark Selected";
    static constexpr const char* kText =
        "To set the view status of selected videos in the 'My Videos' list enter a date and click "
        "the OK button.";

    enum class Field { kMonth, kDay, kYear };
    // The fields take digits only, this many; their up-down controls keep to these ranges.
    static std::size_t MaxLength(Field field) { return field == Field::kYear ? 4 : 2; }
    static int Minimum(Field field);
    static int Maximum(Field field);

    // Shows the viewed date of the one selected row, or today, as plain numbers ("3", not "03").
    explicit MarkSelectedWindow(Session& session);

    const std::string& Text(Field field) const { return texts_[static_cast<int>(field)]; }
    void SetText(Field field, std::string text) {
        texts_[static_cast<int>(field)] = std::move(text);
    }

    // OK: with a field empty, that field (the first empty one) gets the focus and the window
    // stays. Otherwise every selected row is marked viewed on the date. True when it closes.
    bool Ok();
    Field FocusedField() const { return focus_; }

  private:
    Session& session_;
    std::array<std::string, 3> texts_;  // month, day and year, in the order of Field
    Field focus_ = Field::kMonth;
};

}  // namespace app
