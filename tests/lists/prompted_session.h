#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "fakes/list_session.h"
#include "scripted_prompts.h"

// A list session whose questions and file pickers answer from a script. A scripted answer or
// file that was never asked for fails the test.
class PromptedSession : public ListSession {
  protected:
    void TearDown() override { EXPECT_EQ(prompts_.Unused(), "") << "scripted answers left unused"; }

    // A message as "title [buttons icon]: text", so that all four are compared.
    static std::string Message(std::string_view title, platform::Buttons buttons,
                               platform::Icon icon, std::string_view text) {
        return std::string(title) + " [" + std::to_string(static_cast<int>(buttons)) + " " +
               std::to_string(static_cast<int>(icon)) + "]: " + std::string(text);
    }
    // The two messages shown most: a question to confirm, and a tip.
    static std::string Confirmation(std::string_view text,
                                    platform::Buttons buttons = platform::Buttons::kOkCancel) {
        return Message("Confirm", buttons, platform::Icon::kQuestion, text);
    }
    static std::string Tip(std::string_view text) {
        return Message("Reeldeck Tip", platform::Buttons::kOk, platform::Icon::kInformation, text);
    }
    // What adding a record or a wanted title says without an open database.
    static std::string NoDatabaseTip() {
        return Tip(
            "You must first create or open a video database before adding records.\n\nTo open "
            "an existing database:\n\n   Click the open button on the toolbar or\n   Select Open "
            "in the File menu.\n\nTo create a new database:\n\n   Click the new button on the "
            "toolbar or\n   Select New in the File menu.");
    }
    // Every message shown so far, in order.
    std::vector<std::string> Shown() const {
        std::vector<std::string> shown;
        for (const ScriptedPrompts::Shown& m : prompts_.Messages())
            shown.push_back(Message(m.title, m.buttons, m.icon, m.text));
        return shown;
    }
    std::vector<std::string> PickerTitles() const {
        std::vector<std::string> titles;
        for (const ScriptedPrompts::Picker& picker : prompts_.Pickers())
            titles.push_back(picker.title);
        return titles;
    }

    ScriptedPrompts prompts_;
};
