#pragma once

#include <QDialog>
#include <QLineEdit>

namespace gui {

// "Open URL": an address or path to play, typed or found with "Browse...".
class OpenUrlDialog final : public QDialog {
    Q_OBJECT
  public:
    // `browse` picks a file and returns its path, or an empty text when cancelled.
    OpenUrlDialog(std::function<QString()> browse, QWidget* parent = nullptr);
    QString Text() const { return field_->text().trimmed(); }

  private:
    QLineEdit* field_;
};

}  // namespace gui
