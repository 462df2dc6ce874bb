#pragma once

#include <QComboBox>
#include <QDialog>
#include <QPushButton>
#include <QTimer>

#include "html/open_html_list.h"

namespace gui {

// "Reeldeck HTML List": asks for a My Videos page to open, a file or a web address. The model
// decides; this window shows its state, and polls a download's progress while one runs.
class OpenHtmlListDialog final : public QDialog {
    Q_OBJECT
  public:
    OpenHtmlListDialog(html::OpenHtmlListWindow& window, QWidget* parent = nullptr);

    QComboBox* openField() const { return field_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* browseButton() const { return browse_; }

  public slots:
    void reject() override;

  private:
    void Ok();
    void DownloadEnded();
    // Shows the model's field, history and buttons; closes the window once the model has.
    void ShowModel();

    html::OpenHtmlListWindow& window_;
    QComboBox* field_;
    QPushButton* ok_;
    QPushButton* browse_;
    QTimer* progress_poll_;
};

}  // namespace gui
