#include "gui/users_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QVBoxLayout>

#include "gui/text_bytes.h"

namespace gui {

using Field = app::UsersWindow::Field;

UsersDialog::UsersDialog(app::UsersWindow& window, const QString& res_folder, QWidget* parent)
    : QDialog(parent), window_(window), res_folder_(res_folder) {
    setObjectName("usersDialog");
    setWindowTitle("Users");
    auto* columns = new QHBoxLayout;

    auto* form = new QFormLayout;
    struct FieldInfo {
        Field field;
        const char* label;
        const char* name;
    };
    const FieldInfo infos[] = {{Field::kUserName, "&Username:", "userName"},
                               {Field::kPassword, "&Password:", "password"},
                               {Field::kHintQuestion, "Hint &Question:", "hintQuestion"},
                               {Field::kHintAnswer, "Hint &Answer:", "hintAnswer"}};
    privileges_ = new QComboBox(this);
    privileges_->setObjectName("privileges");
    privileges_->addItems({app::UsersWindow::kFullAccessChoice, app::UsersWindow::kReadOnlyChoice});
    for (const FieldInfo& info : infos) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(info.name);
        edit->setMaxLength(static_cast<int>(app::UsersWindow::MaxLength(info.field)));
        if (info.field == Field::kPassword) edit->setEchoMode(QLineEdit::Password);
        fields_[info.field] = edit;
        form->addRow(info.label, edit);
        if (info.field == Field::kPassword) form->addRow("P&rivileges:", privileges_);
        const Field which = info.field;
        connect(edit, &QLineEdit::textEdited, this,
                [this, which](const QString& text) { Edited(which, text); });
    }
    show_hints_ = new QCheckBox("&Show hint information", this);
    show_hints_->setObjectName("showHints");
    form->addRow(show_hints_);
    columns->addLayout(form, 3);

    accounts_group_ = new QGroupBox(this);
    auto* group_layout = new QVBoxLayout(accounts_group_);
    accounts_ = new QListWidget(accounts_group_);
    accounts_->setObjectName("accountList");
    accounts_->setAccessibleName("Accounts");
    group_layout->addWidget(accounts_);
    auto* row = new QHBoxLayout;
    add_ = new QPushButton("A&dd", accounts_group_);
    update_ = new QPushButton("Upda&te", accounts_group_);
    remove_ = new QPushButton("Re&move", accounts_group_);
    add_->setObjectName("addButton");
    update_->setObjectName("updateButton");
    remove_->setObjectName("removeButton");
    for (QPushButton* button : {add_, update_, remove_}) {
        button->setAutoDefault(false);
        row->addWidget(button);
    }
    group_layout->addLayout(row);
    columns->addWidget(accounts_group_, 2);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &UsersDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &UsersDialog::reject);

    connect(privileges_, &QComboBox::currentTextChanged, this, [this](const QString& text) {
        if (showing_) return;
        window_.SetPrivilege(ToBytes(text));
        ShowModel();
    });
    connect(show_hints_, &QCheckBox::toggled, this, [this](bool on) {
        if (showing_) return;
        window_.SetShowHints(on);
        ShowModel();
    });
    connect(accounts_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (showing_) return;
        window_.Select(row);
        ShowModel();
    });
    connect(add_, &QPushButton::clicked, this, [this] {
        window_.Add();
        ShowModel();
    });
    connect(update_, &QPushButton::clicked, this, [this] {
        window_.Update();
        ShowModel();
    });
    connect(remove_, &QPushButton::clicked, this, [this] {
        window_.Remove();
        ShowModel();
    });
    ShowModel();
    setMinimumWidth(560);
}

void UsersDialog::Edited(Field which, const QString& text) {
    window_.Edit(which, ToBytes(text));
    const QString stored = FromBytes(window_.Text(which));
    if (stored != text) {
        // A character was refused: show what remains, selected.
        QLineEdit* edit = fields_.at(which);
        edit->setText(stored);
        edit->setFocus();
        edit->selectAll();
    }
    ShowModel();
}

void UsersDialog::ShowModel() {
    showing_ = true;
    for (auto& [which, edit] : fields_) {
        const QString text = FromBytes(window_.Text(which));
        if (edit->text() != text) edit->setText(text);
    }
    privileges_->setCurrentIndex(privileges_->findText(FromBytes(window_.Privilege())));
    show_hints_->setChecked(window_.ShowHints());
    accounts_->clear();
    for (const core::UserAccount& account : window_.Accounts()) {
        const bool admin = account.Level == core::kFullAccess;
        auto* item = new QListWidgetItem(
            QIcon(res_folder_ + (admin ? "/user-admin.svg" : "/user-guest.svg")),
            FromBytes(account.UserName), accounts_);
        item->setToolTip(admin ? "Full Access" : "Read Only Access");
    }
    accounts_->setCurrentRow(window_.Selected());
    accounts_group_->setTitle(FromBytes(window_.AccountsCaption()));
    add_->setEnabled(window_.AddEnabled());
    update_->setEnabled(window_.UpdateEnabled());
    remove_->setEnabled(window_.RemoveEnabled());
    showing_ = false;
}

void UsersDialog::accept() {
    if (window_.Ok()) QDialog::accept();
}

}  // namespace gui
