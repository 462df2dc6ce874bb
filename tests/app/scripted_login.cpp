#include "scripted_login.h"

#include <gtest/gtest.h>

bool ScriptedLogin::RunLogin(app::LoginWindow& window) {
    ++shown_;
    if (windows_.empty()) {
        ADD_FAILURE() << "Unscripted login window";
        return false;
    }
    const std::vector<Step> steps = std::move(windows_.front());
    windows_.pop_front();
    for (const Step& step : steps) {
        switch (step.kind) {
            case Step::Kind::kOk:
                window.SetUserName(step.user_name);
                window.SetPassword(step.text);
                if (window.Ok()) return true;
                break;
            case Step::Kind::kConfirm:
                if (window.Ok()) return true;
                break;
            case Step::Kind::kHint: {
                window.SetUserName(step.user_name);
                if (!window.HelpEnabled()) {
                    ADD_FAILURE() << "Help pressed while it is disabled";
                    break;
                }
                std::unique_ptr<app::HintWindow> hint = window.Help();
                if (!hint) break;
                hint->SetAnswer(step.text);
                if (hint->Ok()) {
                    recovered_.push_back(window.Password());
                } else {
                    hint->Cancel();
                }
                break;
            }
            case Step::Kind::kCancel:
                return false;
        }
    }
    ADD_FAILURE() << "The login window stayed open when its script ended";
    return false;
}
