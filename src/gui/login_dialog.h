#pragma once

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

#include "app/login_window.h"
#include "platform/shell.h"

namespace gui {

// "Authorization Required": the login window over its model.
class LoginDialog final : public QDialog {
    Q_OBJECT
  public:
    LoginDialog(app::LoginWindow& window, platform::Help* help, QWidget* parent = nullptr);

    QLineEdit* userName() const { return user_name_; }
    QLineEdit* password() const { return password_; }
    QPushButton* helpButton() const { return help_button_; }

    void accept() override;

  private:
    void ShowHint();
    void ApplyFocus();

    app::LoginWindow& window_;
    QLineEdit* user_name_;
    QLineEdit* password_;
    QPushButton* help_button_;
};

// The second "Authorization Required" window: a hint question to recover a password.
class HintDialog final : public QDialog {
    Q_OBJECT
  public:
    HintDialog(app::HintWindow& window, QWidget* parent = nullptr);
    QLineEdit* answer() const { return answer_; }
    void accept() override;
    void reject() override;

  private:
    app::HintWindow& window_;
    QLineEdit* answer_;
    QPushButton* ok_;
};

// Shows the login window for the logic, and tells whether it is on screen.
class QtLoginPresenter final : public app::LoginPresenter {
  public:
    explicit QtLoginPresenter(QWidget* parent = nullptr, platform::Help* help = nullptr)
        : parent_(parent), help_(help) {}
    void SetParent(QWidget* parent) { parent_ = parent; }
    bool RunLogin(app::LoginWindow& window) override;
    bool Showing() const { return showing_; }

  private:
    QWidget* parent_;
    platform::Help* help_;
    bool showing_ = false;
};

}  // namespace gui
