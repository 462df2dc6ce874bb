#pragma once

#include <string>
#include <vector>

#include "app/session.h"

namespace app {

// The "Flag Selected Videos" window: a reason, offered from the flag values already in use, that
// flags the selected rows.
class FlagWindow {
  public:
    static constexpr const char* kTitle = "Flag Selected Videos";
    static constexpr const char* kText =
        "To flag selected videos in the 'My Videos' list enter a reason in the text box below and "
        "click the OK button.";
    static constexpr std::size_t kReasonMaxLength = 51199;

    // Offers the distinct flag values; with one row selected the first value that begins with
    // its flag (any value for an unflagged row) is chosen.
    explicit FlagWindow(Session& session);

    const std::vector<std::string>& Choices() const { return choices_; }
    const std::string& Reason() const { return reason_; }
    void SetReason(std::string reason) { reason_ = std::move(reason); }

    // OK: flags the selected rows with the reason (line breaks removed). An empty reason does
    // nothing and the window stays. True when the window closes.
    bool Ok();

  private:
    Session& session_;
    std::vector<std::string> choices_;
    std::string reason_;
};

}  // namespace app
