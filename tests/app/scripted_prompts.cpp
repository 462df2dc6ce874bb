#include "scripted_prompts.h"

#include <gtest/gtest.h>

using platform::Answer;

namespace {

template <typename T>
T Next(std::deque<T>& script, T unscripted, std::string_view what) {
    if (script.empty()) {
        ADD_FAILURE() << "Unscripted " << what;
        return unscripted;
    }
    T next = std::move(script.front());
    script.pop_front();
    return next;
}

}  // namespace

Answer ScriptedPrompts::Message(std::string_view text, std::string_view title,
                                platform::Buttons buttons, platform::Icon icon) {
    messages_.push_back({std::string(text), std::string(title), buttons, icon});
    if (buttons == platform::Buttons::kOk) return Answer::kOk;
    return Next(answers_, Answer::kCancel, "question \"" + std::string(text) + "\"");
}

std::optional<std::string> ScriptedPrompts::OpenFile(std::string_view title,
                                                     const platform::FileFilter& filter) {
    pickers_.push_back({"open", std::string(title), filter});
    return Next(open_files_, {}, "file picker \"" + std::string(title) + "\"");
}

std::optional<std::string> ScriptedPrompts::SaveFile(std::string_view title,
                                                     const platform::FileFilter& filter) {
    pickers_.push_back({"save", std::string(title), filter});
    return Next(save_files_, {}, "file picker \"" + std::string(title) + "\"");
}

std::optional<std::string> ScriptedPrompts::ChooseFolder(std::string_view title,
                                                         const std::string&) {
    pickers_.push_back({"folder", std::string(title), {}});
    return Next(folders_, {}, "folder picker \"" + std::string(title) + "\"");
}

std::vector<std::string> ScriptedPrompts::Texts() const {
    std::vector<std::string> texts;
    for (const Shown& shown : messages_) texts.push_back(shown.text);
    return texts;
}

std::string ScriptedPrompts::Unused() const {
    std::string unused;
    if (!answers_.empty()) unused += std::to_string(answers_.size()) + " answer(s) ";
    if (!open_files_.empty()) unused += std::to_string(open_files_.size()) + " open path(s) ";
    if (!save_files_.empty()) unused += std::to_string(save_files_.size()) + " save path(s) ";
    if (!folders_.empty()) unused += std::to_string(folders_.size()) + " folder(s) ";
    return unused;
}
