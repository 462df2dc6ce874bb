#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <map>

#include "app/users_window.h"

namespace gui {

// "Users": edits the accounts of the open database through its model.
class UsersDialog final : public QDialog {
    Q_OBJECT
  public:
    UsersDialog(app::UsersWindow& window, const QString& res_folder, QWidget* parent = nullptr);

    QLineEdit* field(app::UsersWindow::Field which) const { return fields_.at(which); }
    QComboBox* privileges() const { return privileges_; }
    QCheckBox* showHints() const { return show_hints_; }
    QListWidget* accounts() const { return accounts_; }
    QPushButton* addButton() const { return add_; }
    QPushButton* updateButton() const { return update_; }
    QPushButton* removeButton() const { return remove_; }

    void accept() override;

  private:
    void Edited(app::UsersWindow::Field which, const QString& text);
    void ShowModel();

    app::UsersWindow& window_;
    QString res_folder_;
    std::map<app::UsersWindow::Field, QLineEdit*> fields_;
    QComboBox* privileges_;
    QCheckBox* show_hints_;
    QGroupBox* accounts_group_;
    QListWidget* accounts_;
    QPushButton* add_;
    QPushButton* update_;
    QPushButton* remove_;
    bool showing_ = false;
};

}  // namespace gui
