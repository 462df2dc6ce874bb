#include "gui/login_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "gui/text_bytes.h"
#include "platform/shell.h"

namespace gui {
namespace {

QString PopupTip(platform::Help* help, const char* entry) {
    return help ? FromBytes(help->PopupText(entry)) : QString();
}

}  // namespace

LoginDialog::LoginDialog(app::LoginWindow& window, platform::Help* help, QWidget* parent)
    : QDialog(parent), window_(window) {
    setObjectName("loginDialog");
    setWindowTitle("Authorization Required");
    auto* layout = new QVBoxLayout(this);
    auto* intro = new QLabel(
        "This database is password protected. Enter your user name and "
        "password to open it.",
        this);
    intro->setWordWrap(true);
    layout->addWidget(intro);

    auto* form = new QFormLayout;
    user_name_ = new QLineEdit(FromBytes(window_.UserName()), this);
    user_name_->setObjectName("userName");
    user_name_->setMaxLength(static_cast<int>(app::LoginWindow::kMaxFieldLength));
    user_name_->setWhatsThis(PopupTip(help, "login-username"));
    password_ = new QLineEdit(this);
    password_->setObjectName("password");
    password_->setMaxLength(static_cast<int>(app::LoginWindow::kMaxFieldLength));
    password_->setEchoMode(QLineEdit::Password);
    password_->setWhatsThis(PopupTip(help, "login-password"));
    form->addRow("&Username:", user_name_);
    form->addRow("&Password:", password_);
    layout->addLayout(form);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    help_button_ = buttons->addButton("&Help", QDialogButtonBox::HelpRole);
    help_button_->setObjectName("helpButton");
    help_button_->setToolTip("Show the password hint of this user");
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &LoginDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &LoginDialog::reject);
    connect(help_button_, &QPushButton::clicked, this, &LoginDialog::ShowHint);
    auto sync = [this] {
        window_.SetUserName(ToBytes(user_name_->text()));
        window_.SetPassword(ToBytes(password_->text()));
        help_button_->setEnabled(window_.HelpEnabled());
    };
    connect(user_name_, &QLineEdit::textChanged, this, sync);
    connect(password_, &QLineEdit::textChanged, this, sync);
    sync();
    setMinimumWidth(340);
    user_name_->setFocus();
}

void LoginDialog::accept() {
    if (window_.Ok()) {
        QDialog::accept();
        return;
    }
    ApplyFocus();
}

void LoginDialog::ShowHint() {
    std::unique_ptr<app::HintWindow> hint = window_.Help();
    if (hint) {
        HintDialog dialog(*hint, this);
        dialog.exec();
        password_->setText(FromBytes(window_.Password()));
    }
    ApplyFocus();
}

void LoginDialog::ApplyFocus() {
    QLineEdit* field = window_.Focus() == app::FocusField::kPassword ? password_ : user_name_;
    field->setFocus();
    field->selectAll();
}

HintDialog::HintDialog(app::HintWindow& window, QWidget* parent)
    : QDialog(parent), window_(window) {
    setObjectName("hintDialog");
    setWindowTitle("Authorization Required");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel("Question:", this));
    auto* question = new QLabel(FromBytes(window_.Question()), this);
    question->setObjectName("question");
    question->setWordWrap(true);
    question->setTextFormat(Qt::PlainText);
    QFont bold = question->font();
    bold.setBold(true);
    question->setFont(bold);
    layout->addWidget(question);
    auto* form = new QFormLayout;
    answer_ = new QLineEdit(this);
    answer_->setObjectName("answer");
    answer_->setMaxLength(static_cast<int>(app::HintWindow::kMaxAnswerLength));
    form->addRow("&Answer:", answer_);
    layout->addLayout(form);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &HintDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &HintDialog::reject);
    connect(answer_, &QLineEdit::textChanged, this, [this](const QString& text) {
        window_.SetAnswer(ToBytes(text));
        ok_->setEnabled(window_.OkEnabled());
    });
    ok_->setEnabled(false);
    setMinimumWidth(340);
}

void HintDialog::accept() {
    if (!window_.OkEnabled()) return;
    if (window_.Ok()) {
        QDialog::accept();
        return;
    }
    answer_->setFocus();
    answer_->selectAll();
}

void HintDialog::reject() {
    window_.Cancel();
    QDialog::reject();
}

bool QtLoginPresenter::RunLogin(app::LoginWindow& window) {
    showing_ = true;
    LoginDialog dialog(window, help_, parent_);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    showing_ = false;
    return accepted && window.Account() != nullptr;
}

}  // namespace gui
