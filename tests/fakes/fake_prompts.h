#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/prompts.h"

// Prompts that remember every message and answer questions from a queue. A question asked with
// nothing queued, or an answer left unused at the end, fails the test.
class FakePrompts final : public platform::Prompts {
  public:
    struct Shown {
        std::string text;
        std::string title;
        platform::Buttons buttons;
        platform::Icon icon;
        bool operator==(const Shown&) const = default;
        friend void PrintTo(const Shown& shown, std::ostream* out) {
            *out << shown.title << ": \"" << shown.text << "\"";
        }
    };
    ~FakePrompts() override {
        EXPECT_TRUE(answers_.empty() && files_.empty()) << "answers left unused";
    }

    void Answer(platform::Answer answer) { answers_.push_back(answer); }
    void ChooseFile(std::optional<std::string> path) { files_.push_back(std::move(path)); }

    platform::Answer Message(std::string_view text, std::string_view title,
                             platform::Buttons buttons, platform::Icon icon) override {
        shown_.push_back({std::string(text), std::string(title), buttons, icon});
        if (buttons == platform::Buttons::kOk) return platform::Answer::kOk;
        if (answers_.empty()) {
            ADD_FAILURE() << "unexpected question: " << text;
            return buttons == platform::Buttons::kYesNo ? platform::Answer::kNo
                                                        : platform::Answer::kCancel;
        }
        const platform::Answer answer = answers_.front();
        answers_.pop_front();
        return answer;
    }
    std::optional<std::string> OpenFile(std::string_view title,
                                        const platform::FileFilter&) override {
        picker_titles_.emplace_back(title);
        if (files_.empty()) {
            ADD_FAILURE() << "unexpected file picker: " << title;
            return std::nullopt;
        }
        std::optional<std::string> path = files_.front();
        files_.pop_front();
        return path;
    }
    std::optional<std::string> SaveFile(std::string_view title,
                                        const platform::FileFilter&) override {
        ADD_FAILURE() << "unexpected save picker: " << title;
        return std::nullopt;
    }
    std::optional<std::string> ChooseFolder(std::string_view title, const std::string&) override {
        ADD_FAILURE() << "unexpected folder picker: " << title;
        return std::nullopt;
    }

    const std::vector<Shown>& Messages() const { return shown_; }
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const Shown& shown : shown_) texts.push_back(shown.text);
        return texts;
    }
    const std::vector<std::string>& PickerTitles() const { return picker_titles_; }
    void Forget() { shown_.clear(); }

  private:
    std::deque<platform::Answer> answers_;
    std::deque<std::optional<std::string>> files_;
    std::vector<Shown> shown_;
    std::vector<std::string> picker_titles_;
};

// The two messages shown most: a question to confirm, and a tip.
inline FakePrompts::Shown Confirmation(std::string text,
                                       platform::Buttons buttons = platform::Buttons::kOkCancel) {
    return {std::move(text), "Confirm", buttons, platform::Icon::kQuestion};
}
inline FakePrompts::Shown Tip(std::string text) {
    return {std::move(text), "Reeldeck Tip", platform::Buttons::kOk, platform::Icon::kInformation};
}
