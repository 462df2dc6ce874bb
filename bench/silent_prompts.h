#pragma once

#include "app/login_window.h"
#include "platform/prompts.h"

// Stand-ins for the user in benchmarks: every message is answered OK, every file dialog is
// cancelled and no login is offered, so that only the work itself is measured.
namespace bench {

class SilentPrompts final : public platform::Prompts {
  public:
    platform::Answer Message(std::string_view, std::string_view, platform::Buttons,
                             platform::Icon) override {
        return platform::Answer::kOk;
    }
    std::optional<std::string> OpenFile(std::string_view, const platform::FileFilter&) override {
        return std::nullopt;
    }
    std::optional<std::string> SaveFile(std::string_view, const platform::FileFilter&) override {
        return std::nullopt;
    }
    std::optional<std::string> ChooseFolder(std::string_view, const std::string&) override {
        return std::nullopt;
    }
};

class NoLogin final : public app::LoginPresenter {
  public:
    bool RunLogin(app::LoginWindow&) override { return false; }
};

}  // namespace bench
