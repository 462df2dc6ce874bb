#pragma once

#include <QComboBox>
#include <QDialog>

#include "app/flag_window.h"

namespace gui {

// "Flag Selected Videos": a reason, picked from the flag values in use or typed, that flags the
// selected rows.
class FlagDialog final : public QDialog {
    Q_OBJECT
  public:
    // `window` must outlive the dialog.
    FlagDialog(app::FlagWindow& window, QWidget* parent = nullptr);

    // OK: flags the rows and closes, unless the reason is empty.
    void accept() override;

  private:
    app::FlagWindow& window_;
    QComboBox* reason_;
};

}  // namespace gui
