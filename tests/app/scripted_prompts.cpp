#include "scripted_prompts.h"

#include <gtest/gtest.h>

using platform::Answer;
using platform::Buttons;

Answer ScriptedPrompts::Message(std::string_view text, std::string_view title, Buttons buttons,
                                platform::Icon icon) {
    messages_.push_back({std::string(text), std::string(title), buttons, icon});
    if (buttons == Buttons::kOk) return Answer::kOk;
    if (answers_.empty()) {
        ADD_FAILURE() << "Unscripted question \"" << text << "\" titled \"" << title << "\"";
        return Answer::kCancel;
    }
    const Answer answer = answers_.front();
    answers_.pop_front();
    return answer;
}

namespace {

std::optional<std::string> NextPath(std::deque<std::optional<std::string>>& paths,
                                    std::string_view title) {
    if (paths.empty()) {
        ADD_FAILURE() << "Unscripted file picker \"" << title << "\"";
        return std::nullopt;
    }
    std::optional<std::string> path = std::move(paths.front());
    paths.pop_front();
    return path;
}

}  // namespace

std::optional<std::string> ScriptedPrompts::OpenFile(std::string_view title,
                                                     const platform::FileFilter& filter) {
    pickers_.push_back({"open", std::string(title), filter});
    return NextPath(open_files_, title);
}

std::optional<std::string> ScriptedPrompts::SaveFile(std::string_view title,
                                                     const platform::FileFilter& filter) {
    pickers_.push_back({"save", std::string(title), filter});
    return NextPath(save_files_, title);
}

std::optional<std::string> ScriptedPrompts::ChooseFolder(std::string_view title,
                                                         const std::string&) {
    pickers_.push_back({"folder", std::string(title), {}});
    ADD_FAILURE() << "Unscripted folder picker \"" << title << "\"";
    return std::nullopt;
}

std::vector<std::string> ScriptedPrompts::Texts() const {
    std::vector<std::string> texts;
    for (const Shown& shown : messages_) texts.push_back(shown.text);
    return texts;
}

void ScriptedPrompts::ClearRecord() {
    messages_.clear();
    pickers_.clear();
}

std::string ScriptedPrompts::Unused() const {
    std::string unused;
    if (!answers_.empty()) unused += std::to_string(answers_.size()) + " answer(s) ";
    if (!open_files_.empty()) unused += std::to_string(open_files_.size()) + " open path(s) ";
    if (!save_files_.empty()) unused += std::to_string(save_files_.size()) + " save path(s) ";
    return unused;
}
