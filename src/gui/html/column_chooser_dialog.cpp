#include "gui/html/column_chooser_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/text.h"
#include "gui/text_bytes.h"
#include "html/column_choice.h"

namespace gui {

ColumnChooserDialog::ColumnChooserDialog(core::VideoList& videos, std::string header_path,
                                         platform::Prompts& prompts, QWidget* parent)
    : QDialog(parent),
      videos_(videos),
      header_path_(std::move(header_path)),
      prompts_(prompts),
      available_(new QListWidget(this)),
      display_(new QListWidget(this)) {
    setWindowTitle("My Videos List Columns");
    available_->setObjectName("availableColumns");
    available_->setAccessibleName("Available Columns");
    display_->setObjectName("displayColumns");
    display_->setAccessibleName("Display Columns");
    const html::ColumnChoice choice = html::CurrentColumnChoice(videos_);
    Fill(available_, choice.available);
    Fill(display_, choice.display);

    auto button = [this](const QString& text, auto action, const QString& spoken = {}) {
        auto* b = new QPushButton(text, this);
        b->setAccessibleName(spoken);
        connect(b, &QPushButton::clicked, this, action);
        return b;
    };
    auto* grid = new QGridLayout;
    auto* available_label = new QLabel("A&vailable Columns", this);
    available_label->setBuddy(available_);
    auto* display_label = new QLabel("D&isplay Columns", this);
    display_label->setBuddy(display_);
    grid->addWidget(available_label, 0, 0);
    grid->addWidget(display_label, 0, 2);
    grid->addWidget(available_, 1, 0);
    grid->addWidget(display_, 1, 2);
    auto* middle = new QVBoxLayout;
    middle->addStretch();
    middle->addWidget(button("&Add >>", [this] { Move(available_, display_); }));
    middle->addWidget(button("<< &Remove", [this] { Move(display_, available_); }));
    middle->addStretch();
    grid->addLayout(middle, 1, 1);
    auto* order_available = new QHBoxLayout;
    order_available->addWidget(button(
        "&Up", [this] { Shift(available_, -1); }, "Move available column up"));
    order_available->addWidget(button(
        "&Down", [this] { Shift(available_, 1); }, "Move available column down"));
    auto* order_display = new QHBoxLayout;
    order_display->addWidget(button(
        "U&p", [this] { Shift(display_, -1); }, "Move display column up"));
    order_display->addWidget(button(
        "Do&wn", [this] { Shift(display_, 1); }, "Move display column down"));
    grid->addLayout(order_available, 2, 0);
    grid->addLayout(order_display, 2, 2);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel("Specify which columns to display on generated HTML pages", this));
    layout->addLayout(grid);
    layout->addWidget(buttons);
}

void ColumnChooserDialog::Fill(QListWidget* list, const std::vector<int>& columns) {
    for (int index : columns) {
        auto* item = new QListWidgetItem(FromBytes(videos_.Column(index).Name), list);
        item->setData(Qt::UserRole, index);
    }
}

void ColumnChooserDialog::Move(QListWidget* from, QListWidget* to) {
    const int row = from->currentRow();
    if (row < 0) return;
    to->addItem(from->takeItem(row));
    to->setCurrentRow(to->count() - 1);
}

void ColumnChooserDialog::Shift(QListWidget* list, int step) {
    const int row = list->currentRow();
    const int target = row + step;
    if (row < 0 || target < 0 || target >= list->count()) return;
    list->insertItem(target, list->takeItem(row));
    list->setCurrentRow(target);
}

std::vector<int> ColumnChooserDialog::Indexes(const QListWidget* list) {
    std::vector<int> indexes;
    for (int row = 0; row < list->count(); ++row)
        indexes.push_back(list->item(row)->data(Qt::UserRole).toInt());
    return indexes;
}

void ColumnChooserDialog::accept() {
    const core::FileResult written =
        html::ApplyColumnChoice({Indexes(display_), Indexes(available_)}, videos_, header_path_);
    if (!written) {
        prompts_.Message(core::FormatText("Error saving settings file:\n%s.\n%s.",
                                          {written.path, written.reason}),
                         "Error", platform::Buttons::kOk, platform::Icon::kError);
        return;
    }
    QDialog::accept();
}

}  // namespace gui
