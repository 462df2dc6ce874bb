#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QPushButton>

#include "app/synchronize_window.h"

namespace gui {

// "Synchronize": which maintenance to run on the open database.
class SynchronizeDialog final : public QDialog {
    Q_OBJECT
  public:
    SynchronizeDialog(app::SynchronizeWindow& window, QWidget* parent = nullptr);

    QCheckBox* wantedVideos() const { return wanted_; }
    QCheckBox* videoImages() const { return images_; }
    QPushButton* okButton() const { return ok_; }

  private:
    app::SynchronizeWindow& window_;
    QCheckBox* wanted_;
    QCheckBox* images_;
    QPushButton* ok_;
};

}  // namespace gui
