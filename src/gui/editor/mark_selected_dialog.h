#pragma once

#include <QDialog>
#include <map>

#include "app/mark_selected_window.h"
#include "gui/editor/digit_spin_field.h"

namespace gui {

// "Mark Selected": the viewed date the selected rows get.
class MarkSelectedDialog final : public QDialog {
    Q_OBJECT
  public:
    // `window` must outlive the dialog.
    MarkSelectedDialog(app::MarkSelectedWindow& window, QWidget* parent = nullptr);

    // OK: marks the rows and closes, unless a field is empty; then that field gets the focus.
    void accept() override;

  private:
    app::MarkSelectedWindow& window_;
    std::map<app::MarkSelectedWindow::Field, DigitSpinField*> fields_;
};

}  // namespace gui
