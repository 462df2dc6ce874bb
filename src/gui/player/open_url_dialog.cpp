#include "gui/player/open_url_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace gui {

OpenUrlDialog::OpenUrlDialog(std::function<QString()> browse, QWidget* parent) : QDialog(parent) {
    setObjectName("openUrlDialog");
    setWindowTitle("Open URL");
    auto* layout = new QGridLayout(this);
    auto* explanation = new QLabel(
        "Enter the URL or path to a multimedia file on the Internet, your computer, or your "
        "network that you want to play.",
        this);
    explanation->setWordWrap(true);
    layout->addWidget(explanation, 0, 0, 1, 2);
    auto* label = new QLabel("O&pen:", this);
    layout->addWidget(label, 1, 0);
    field_ = new QLineEdit(this);
    label->setBuddy(field_);
    field_->setObjectName("openUrlField");
    field_->setMinimumWidth(340);
    layout->addWidget(field_, 1, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton* browse_button = buttons->addButton("&Browse...", QDialogButtonBox::ActionRole);
    browse_button->setObjectName("openUrlBrowse");
    layout->addWidget(buttons, 2, 0, 1, 2);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(browse_button, &QPushButton::clicked, this, [this, browse] {
        const QString path = browse();
        if (!path.isEmpty()) field_->setText(path);
    });
}

}  // namespace gui
