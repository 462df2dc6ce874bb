#include "gui/editor/flag_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

#include "gui/editor/question_dialog_layout.h"
#include "gui/editor/typing_rule.h"
#include "gui/text_bytes.h"

namespace gui {

FlagDialog::FlagDialog(app::FlagWindow& window, QWidget* parent)
    : QDialog(parent), window_(window) {
    setObjectName("flagDialog");
    setWindowTitle(app::FlagWindow::kTitle);

    reason_ = new QComboBox(this);
    reason_->setObjectName("reason");
    reason_->setEditable(true);
    reason_->setInsertPolicy(QComboBox::NoInsert);
    reason_->setCompleter(nullptr);  // the reason is taken as typed, in its own letter case
    reason_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    reason_->setMinimumContentsLength(24);
    for (const std::string& choice : window_.Choices()) reason_->addItem(FromBytes(choice));
    HoldToRule(reason_->lineEdit(), {static_cast<int>(app::FlagWindow::kReasonMaxLength), false});
    const QString initial = FromBytes(window_.Reason());
    const int index = reason_->findText(initial, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index >= 0) reason_->setCurrentIndex(index);
    ShowWhole(reason_->lineEdit(), initial);
    connect(reason_, &QComboBox::editTextChanged, this,
            [this](const QString& reason) { window_.SetReason(ToBytes(reason)); });

    auto* label = new QLabel("&Reason:", this);
    label->setBuddy(reason_);
    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(reason_, 1);

    LayOutQuestionDialog(*this, app::FlagWindow::kText, row);
    reason_->setFocus();
    reason_->lineEdit()->selectAll();
}

void FlagDialog::accept() {
    if (window_.Ok()) {
        QDialog::accept();
        return;
    }
    reason_->setFocus();
}

}  // namespace gui
