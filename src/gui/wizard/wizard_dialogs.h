#pragma once

#include <QDialog>
#include <QString>
#include <thread>
#include <vector>

#include "core/image_undo_copy.h"
#include "platform/downloader.h"
#include "platform/image_converter.h"
#include "wizard/adding.h"

class QLabel;
class QProgressBar;
class QWidget;

namespace gui {

// The no-results dialog ("Results"): what was searched for, the suggestions, OK and "Advise".
// exec() gives Accepted for "Advise".
class NoResultsDialog final : public QDialog {
    Q_OBJECT
  public:
    NoResultsDialog(const QString& searched, bool advise_enabled, QWidget* parent = nullptr);
};

// The confirmation window "Comfirm": "Add New", "Replace" or "Skip" for a title My Videos has
// already; closing it skips.
class DuplicateQuestionBox final : public wizard::DuplicateQuestion {
  public:
    explicit DuplicateQuestionBox(QWidget* parent) : parent_(parent) {}
    wizard::DuplicateChoice Ask(std::string_view title) override;

  private:
    QWidget* parent_;
};

// The modal "Video Import Wizard" window while covers download: "Downloading image 1 of 3
// [33.33% Complete]", a bar, and "Cancel", which closes it at once and stops the downloads.
class CoverDownloadDialog final : public QDialog {
    Q_OBJECT
  public:
    CoverDownloadDialog(platform::Downloader& downloader, platform::ImageConverter& converter,
                        std::string image_folder, core::ImageUndoCopy undo,
                        std::vector<wizard::CoverJob> queue, QWidget* parent = nullptr);
    // Stops the downloads still running and waits for them.
    ~CoverDownloadDialog() override;

    // Shows the window and fetches the covers; returns when all were fetched or on "Cancel".
    int exec() override;

  private:
    platform::Downloader& downloader_;
    platform::ImageConverter& converter_;
    std::string image_folder_;
    core::ImageUndoCopy undo_;
    std::vector<wizard::CoverJob> queue_;
    QLabel* text_ = nullptr;
    QProgressBar* bar_ = nullptr;
    std::jthread worker_;
};

}  // namespace gui
