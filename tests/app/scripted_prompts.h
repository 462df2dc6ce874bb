#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/prompts.h"

// Prompts that answer from a script and remember everything they were shown. A message with
// only an OK button needs no script; any other question, file picker or folder picker that
// comes without a scripted answer fails the test (and is answered as if cancelled).
class ScriptedPrompts final : public platform::Prompts {
  public:
    struct Shown {
        std::string text;
        std::string title;
        platform::Buttons buttons;
        platform::Icon icon;
    };
    struct Picker {
        std::string kind;  // "open", "save" or "folder"
        std::string title;
        platform::FileFilter filter;
    };

    // The answer to the next question (a message with more than an OK button).
    void QueueAnswer(platform::Answer answer) { answers_.push_back(answer); }
    // The path the next open-file or save-file picker returns; nothing means cancelled.
    void QueueOpenFile(std::optional<std::string> path) { open_files_.push_back(std::move(path)); }
    void QueueSaveFile(std::optional<std::string> path) { save_files_.push_back(std::move(path)); }
    void QueueFolder(std::optional<std::string> path) { folders_.push_back(std::move(path)); }

    platform::Answer Message(std::string_view text, std::string_view title,
                             platform::Buttons buttons, platform::Icon icon) override;
    std::optional<std::string> OpenFile(std::string_view title,
                                        const platform::FileFilter& filter) override;
    std::optional<std::string> SaveFile(std::string_view title,
                                        const platform::FileFilter& filter) override;
    std::optional<std::string> ChooseFolder(std::string_view title,
                                            const std::string& start_folder) override;

    const std::vector<Shown>& Messages() const { return messages_; }
    std::vector<std::string> Texts() const;
    const std::vector<Picker>& Pickers() const { return pickers_; }

    // Describes the scripted answers and paths that were never asked for; empty when all were.
    std::string Unused() const;

  private:
    std::deque<platform::Answer> answers_;
    std::deque<std::optional<std::string>> open_files_;
    std::deque<std::optional<std::string>> save_files_;
    std::deque<std::optional<std::string>> folders_;
    std::vector<Shown> messages_;
    std::vector<Picker> pickers_;
};
