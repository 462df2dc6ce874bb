#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>

#include "platform/prompts.h"

namespace gui {

// Message boxes and file pickers for the logic. Before anything is shown, a hook runs that
// takes the player out of its always-visible mode, so the box is never hidden behind it.
class QtPrompts final : public platform::Prompts {
  public:
    explicit QtPrompts(QWidget* parent = nullptr) : parent_(parent) {}

    void SetParent(QWidget* parent) { parent_ = parent; }
    void SetBeforeShowing(std::function<void()> hook) { before_showing_ = std::move(hook); }

    platform::Answer Message(std::string_view text, std::string_view title,
                             platform::Buttons buttons, platform::Icon icon) override;
    std::optional<std::string> OpenFile(std::string_view title,
                                        const platform::FileFilter& filter) override;
    std::optional<std::string> SaveFile(std::string_view title,
                                        const platform::FileFilter& filter) override;
    std::optional<std::string> ChooseFolder(std::string_view title,
                                            const std::string& start_folder) override;

  private:
    void BeforeShowing() const;
    std::optional<std::string> PickFile(std::string_view title, const platform::FileFilter& filter,
                                        bool saving);

    QPointer<QWidget> parent_;
    std::function<void()> before_showing_;
    QString last_folder_;
};

}  // namespace gui
