#pragma once

#include <string>

#include "platform/shell.h"

// Pop-up help whose text names the entry asked for.
class FakeHelp final : public platform::Help {
  public:
    void ShowContents() override {}
    std::string PopupText(const std::string& entry) override { return "help for " + entry; }
};
